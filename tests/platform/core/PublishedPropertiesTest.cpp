#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

enum class TShade { shLight, shMedium, shDark };
enum class TEdge { edLeft, edTop, edRight, edBottom };
using TEdges = TSet<TEdge>;

class TPart : public TPersistent
{
public:
    int Width() const { return m_width; }
    void SetWidth(int v) { m_width = v; }
    void Assign(TPersistent* source) override
    {
        if (auto* part = dynamic_cast<TPart*>(source))
            m_width = part->m_width;
        else
            TPersistent::Assign(source);
    }
    const TPropertyTable* PublishedProperties() const override
    {
        static const TPropertyTable table = TPropertyTableBuilder<TPart>("TPart", nullptr)
                                                .Integer("Width", &TPart::Width, &TPart::SetWidth)
                                                .Build();
        return &table;
    }

private:
    int m_width { 1 };
};

class TWidget : public TPersistent
{
public:
    int ZOrder() const { return m_zOrder; }
    void SetZOrder(int v) { m_zOrder = v; }
    double Min() const { return m_min; }
    void SetMin(double v) { m_min = v; }
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& v) { m_title = v; }
    TShade Shade() const { return m_shade; }
    void SetShade(TShade v) { m_shade = v; }
    TPart* Part() const { return m_part.get(); }
    bool IsMinStored() const { return m_min != 0; }

    bool Visible { true };
    TEdges Edges { TEdge::edLeft };
    std::int32_t Colour { 0x0000FF };

    const TPropertyTable* PublishedProperties() const override
    {
        static const TPropertyTable table =
            TPropertyTableBuilder<TWidget>("TWidget", nullptr)
                .Integer("ZOrder", &TWidget::ZOrder, &TWidget::SetZOrder).Range(0, 999).Default(5)
                .Float("Min", &TWidget::Min, &TWidget::SetMin).Stored(&TWidget::IsMinStored)
                .String("Title", &TWidget::Title, &TWidget::SetTitle)
                .Enum("Shade", { "shLight", "shMedium", "shDark" }, &TWidget::Shade, &TWidget::SetShade)
                .Default(TShade::shMedium)
                .Set("Edges", { "edLeft", "edTop", "edRight", "edBottom" }, &TWidget::Edges, &TWidget::Edges)
                .Boolean("Visible", &TWidget::Visible, &TWidget::Visible).Default(true)
                .Color("Colour", &TWidget::Colour, &TWidget::Colour)
                .Object("Part", &TWidget::Part)
                .Event("OnChange")
                .Build();
        return &table;
    }

private:
    int m_zOrder { 5 };
    double m_min { 0 };
    QString m_title;
    TShade m_shade { TShade::shMedium };
    std::unique_ptr<TPart> m_part { std::make_unique<TPart>() };
};

class TFancyWidget : public TWidget
{
public:
    int Count() const { return 3; }
    const TPropertyTable* PublishedProperties() const override
    {
        static const TPropertyTable table =
            TPropertyTableBuilder<TFancyWidget>("TFancyWidget", TWidget::PublishedProperties())
                .Integer("Count", &TFancyWidget::Count, nullptr)
                .Integer("zorder", &TWidget::ZOrder, &TWidget::SetZOrder).Default(7)
                .Build();
        return &table;
    }
};

QStringList NamesOf(const TPropertyTable& table)
{
    QStringList names;
    for (const TPropertyInfo& p : table.Properties())
        names << p.Name;
    return names;
}

TEST(PublishedProperties, InheritedTableKeepsDeclarationOrderAndRedeclaredPlace)
{
    TFancyWidget w;
    const TPropertyTable* table = PropertyTableOf(w);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(NamesOf(*table), QStringList({ "ZOrder", "Min", "Title", "Shade", "Edges", "Visible", "Colour", "Part",
                                             "OnChange", "Count" })
                                   .replaceInStrings("ZOrder", "zorder"));
    EXPECT_TRUE(table->InheritsFrom(TWidget().PublishedProperties()));
    EXPECT_FALSE(TWidget().PublishedProperties()->InheritsFrom(table));

    const TPropertyInfo* z = FindPublishedProperty(w, "ZORDER");
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(*z->DefaultValue, TPropertyValue(std::int64_t(7)));
    EXPECT_EQ(FindPublishedProperty(w, "NoSuch"), nullptr);
    EXPECT_EQ(FindPublishedProperty(TPersistent(), "ZOrder"), nullptr);
}

TEST(PublishedProperties, TextFormsRoundTripByKind)
{
    struct Case { const char* name; const char* text; };
    const Case cases[] = {
        { "ZOrder", "12" },         { "Min", "-0.25" },   { "Min", "1E20" }, { "Title", "a = b #13" },
        { "Shade", "2" },           { "Edges", "10" },    { "Visible", "0" }, { "Colour", "-2147483633" },
    };
    for (const Case& c : cases) {
        TWidget w;
        const TPropertyInfo* prop = FindPublishedProperty(w, c.name);
        ASSERT_NE(prop, nullptr) << c.name;
        SetPropText(w, *prop, c.text);
        EXPECT_EQ(GetPropText(w, *prop), c.text) << c.name;
    }
    TWidget w;
    SetPropText(w, *FindPublishedProperty(w, "Edges"), "10");
    EXPECT_EQ(w.Edges, TEdges({ TEdge::edTop, TEdge::edBottom }));
    SetPropText(w, *FindPublishedProperty(w, "Shade"), "0");
    EXPECT_EQ(w.Shade(), TShade::shLight);
}

TEST(PublishedProperties, BadValuesRaiseAndLeaveThePropertyAsItWas)
{
    struct Case { const char* name; const char* text; const char* message; };
    const Case cases[] = {
        { "ZOrder", "1000", "Value must be between 0 and 999" },
        { "ZOrder", "-1", "Value must be between 0 and 999" },
        { "ZOrder", "twelve", "'twelve' is not a valid integer value" },
        { "Shade", "3", "Value must be between 0 and 2" },
        { "Visible", "2", "Value must be between 0 and 1" },
        { "Edges", "16", "Value must be between 0 and 15" },
        { "Min", "0,5", "'0,5' is not a valid floating point value" },
    };
    for (const Case& c : cases) {
        TWidget w;
        const TPropertyInfo* prop = FindPublishedProperty(w, c.name);
        const QString before = GetPropText(w, *prop);
        try {
            SetPropText(w, *prop, c.text);
            ADD_FAILURE() << c.name << " accepted " << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.name;
        }
        EXPECT_EQ(GetPropText(w, *prop), before) << c.name;
    }

    TFancyWidget f;
    EXPECT_THROW(SetPropText(f, *FindPublishedProperty(f, "Count"), "4"), EPropertyError);
    EXPECT_THROW(SetPropValue(f, *FindPublishedProperty(f, "Title"), std::int64_t(4)), EConvertError);
}

TEST(PublishedProperties, DefaultsAndStoredPredicates)
{
    TWidget w;
    auto prop = [&](const char* name) { return *FindPublishedProperty(w, name); };
    EXPECT_TRUE(IsDefaultPropValue(w, prop("ZOrder")));
    EXPECT_TRUE(IsDefaultPropValue(w, prop("Shade")));
    EXPECT_TRUE(IsDefaultPropValue(w, prop("Visible")));
    EXPECT_FALSE(IsDefaultPropValue(w, prop("Title"))); // no declared default
    w.SetZOrder(6);
    w.SetShade(TShade::shDark);
    EXPECT_FALSE(IsDefaultPropValue(w, prop("ZOrder")));
    EXPECT_FALSE(IsDefaultPropValue(w, prop("Shade")));

    EXPECT_FALSE(IsStoredProp(w, prop("Min")));
    w.SetMin(2);
    EXPECT_TRUE(IsStoredProp(w, prop("Min")));
    EXPECT_TRUE(IsStoredProp(w, prop("Title")));
}

TEST(PublishedProperties, NestedObjectsAreReachedAndAssigned)
{
    TWidget w;
    TPersistent* part = GetObjectProp(w, "part");
    ASSERT_EQ(part, w.Part());
    SetPropText(*part, *FindPublishedProperty(*part, "Width"), "4");
    EXPECT_EQ(w.Part()->Width(), 4);
    EXPECT_EQ(GetObjectProp(w, "Title"), nullptr);
    EXPECT_EQ(GetObjectProp(w, "Nothing"), nullptr);

    TPart other;
    other.SetWidth(9);
    SetPropValue(w, *FindPublishedProperty(w, "Part"), TPropertyValue(&other));
    EXPECT_EQ(w.Part()->Width(), 9);
    EXPECT_EQ(GetPropText(w, *FindPublishedProperty(w, "Part")), QString());
    EXPECT_EQ(GetPropText(w, *FindPublishedProperty(w, "OnChange")), QString());
    SetPropText(w, *FindPublishedProperty(w, "OnChange"), "Handler"); // ignored
}

} // namespace
