// The picture control's placement of its picture, its version text, the hint record and the
// picture container's lookup.

#include "WidgetTestSupport.h"

#include "platform/images/PngCodec.h"
#include "widgets/AdvHintInfo.h"
#include "widgets/AdvOfficeImage.h"
#include "widgets/GDIPPictureContainer.h"

#include <gtest/gtest.h>

namespace {

// A picture whose four quadrants have their own colours.
QByteArray Quadrants(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixelColor(x, y, x < w / 2 ? (y < h / 2 ? Qt::red : Qt::green) : (y < h / 2 ? Qt::blue : Qt::yellow));
    return vcl::PngCodec::Encode(img);
}

class OfficeImage : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

TEST_F(OfficeImage, CentresStretchesOrPinsThePicture)
{
    TAdvOfficeImage image(nullptr);
    EXPECT_EQ(image.Width(), 128);
    EXPECT_TRUE(image.Center());
    EXPECT_FALSE(image.ShowHint());
    image.SetBounds(50, 0, 630, 113);
    image.Picture()->LoadFromBytes(Quadrants(537, 67));
    QImage shot = wtest::Render(&image);
    const QColor bg = shot.pixelColor(0, 0); // what the control leaves alone
    EXPECT_EQ(shot.pixelColor(46, 23), QColor(Qt::red)); // (630 - 537) div 2, (113 - 67) div 2
    EXPECT_EQ(shot.pixelColor(45, 23), bg);
    EXPECT_EQ(shot.pixelColor(46 + 536, 23 + 66), QColor(Qt::yellow));
    EXPECT_EQ(shot.pixelColor(46 + 537, 23 + 66), bg);

    image.SetCenter(false);
    shot = wtest::Render(&image);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(537, 0), bg);

    image.SetStretch(true);
    image.SetCenter(true); // ignored while stretching
    shot = wtest::Render(&image);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(629, 112), QColor(Qt::yellow));

    // Larger than the control and centred: negative offsets show the middle.
    image.SetStretch(false);
    image.SetBounds(0, 0, 40, 20);
    image.Picture()->LoadFromBytes(Quadrants(100, 60));
    shot = wtest::Render(&image);
    EXPECT_EQ(shot.pixelColor(19, 9), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(20, 10), QColor(Qt::yellow));

    // An empty picture draws nothing at run time.
    image.Picture()->Assign(nullptr);
    shot = wtest::Render(&image);
    EXPECT_EQ(shot.pixelColor(20, 10), bg);
}

TEST_F(OfficeImage, VersionHintAndContainer)
{
    TAdvOfficeImage image(nullptr);
    image.SetVersion(QStringLiteral("9.9.9.9"));
    EXPECT_EQ(image.Version(), QStringLiteral("1.1.0.0"));
    EXPECT_EQ(image.GetVersionNr(), 0x01010000);

    TAdvHintInfo hint;
    EXPECT_TRUE(hint.IsEmpty());
    hint.Notes()->SetText(QStringLiteral("note"));
    EXPECT_FALSE(hint.IsEmpty());
    hint.SetTitle(QStringLiteral("Title"));
    hint.SetShowHelp(true);
    image.SetOfficeHint(&hint);
    EXPECT_EQ(image.OfficeHint()->Title(), QStringLiteral("Title"));
    EXPECT_TRUE(image.OfficeHint()->ShowHelp());
    EXPECT_EQ(image.OfficeHint()->Notes()->Text(), hint.Notes()->Text());
    vcl::TStringList foreign;
    image.OfficeHint()->Assign(&foreign); // ignored
    EXPECT_EQ(image.OfficeHint()->Title(), QStringLiteral("Title"));

    TGDIPPictureContainer container(nullptr);
    EXPECT_EQ(container.Version(), QStringLiteral("1.0.0.0"));
    TPictureItem* first = container.Items()->Add();
    first->SetName(QStringLiteral("Logo"));
    TPictureItem* second = container.Items()->Add();
    second->SetName(QStringLiteral("LOGO"));
    EXPECT_EQ(container.FindPicture(QStringLiteral("logo")), first->Picture());
    EXPECT_EQ(container.FindPicture(QStringLiteral("none")), nullptr);
    EXPECT_THROW(first->Assign(&hint), vcl::EInvalidCast);
    TPictureItem* third = container.Items()->Insert(0);
    third->Assign(second);
    EXPECT_EQ(third->Name(), QStringLiteral("LOGO"));
    EXPECT_EQ(container.FindPicture(QStringLiteral("Logo")), third->Picture());
}

} // namespace
