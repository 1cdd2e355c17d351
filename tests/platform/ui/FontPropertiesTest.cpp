#include "platform/core/PublishedProperties.h"
#include "platform/ui/TFont.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(FontProperties, PublishesStoredFontStateByText)
{
    TFont font;
    QStringList names;
    for (const TPropertyInfo& p : PropertyTableOf(font)->Properties())
        names << p.Name;
    EXPECT_EQ(names, QStringList({ "Charset", "Color", "Height", "Name", "Size", "Style" }));
    EXPECT_FALSE(IsStoredProp(font, *FindPublishedProperty(font, "Size")));
    EXPECT_TRUE(IsDefaultPropValue(font, *FindPublishedProperty(font, "Style")));

    SetPropText(font, *FindPublishedProperty(font, "style"), "3");
    SetPropText(font, *FindPublishedProperty(font, "Name"), "Arial");
    SetPropText(font, *FindPublishedProperty(font, "Color"), "65535");
    EXPECT_EQ(font.Style(), TFontStyles({ TFontStyle::fsBold, TFontStyle::fsItalic }));
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Color(), clYellow);
    EXPECT_THROW(SetPropText(font, *FindPublishedProperty(font, "Charset"), "256"), ERangeError);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
}
