// What a form keeps of a fader beyond a plain round trip: the properties without a declared default
// are always written, the others only when changed; a picture is its image file after a raw-data
// tag; the tick image list is kept by its name and found again beside the fader.

#include "FormStreamSupport.h"
#include "WidgetTestSupport.h"

#include "platform/images/BmpCodec.h"
#include "platform/ui/TForm.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/ImgList.h"

#include <gtest/gtest.h>

#include <QtEndian>

using namespace vcl;

namespace {

QByteArray Bmp(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return BmpCodec::Encode(image);
}

// The bytes right after the property name: the value's tag and what follows it.
QByteArray ValueOf(const QByteArray& form, const char* name)
{
    const QByteArray key = char(qstrlen(name)) + QByteArray(name);
    const qsizetype at = form.indexOf(key);
    return at < 0 ? QByteArray() : form.mid(at + key.size());
}

} // namespace

TEST(AdvTrackBarForm, AFreshFaderWritesOnlyThePropertiesWithoutADeclaredDefault)
{
    wtest::App();
    TAdvTrackBar fader(nullptr);
    const QByteArray form = wtest::WriteForm(fader);
    for (const char* name : { "TrackHint", "BorderColor", "BorderColorDisabled", "ColorDisabled", "ColorTo",
                              "Direction", "Version", "Thumb.Color", "Thumb.ColorMirrorHot", "Thumb.Gradient",
                              "Thumb.Shape", "Slider.Color", "Slider.ColorCompleted", "Slider.Direction",
                              "Buttons.Color", "Buttons.BorderColorDown", "Buttons.GradientMirror",
                              "TrackLabel.Format" })
        EXPECT_TRUE(wtest::Written(form, QString::fromLatin1(name))) << name;
    for (const char* name :
         { "Max", "Min", "Position", "PageSize", "Orientation", "MoveOnClick", "ShowFocus", "Transparent",
           "BackGroundStretched", "Color", "TabStop", "TickImages", "BackGround.Data", "Thumb.Picture.Data",
           "Thumb.ShowAtMinMax", "Thumb.Size", "Thumb.Width", "Thumb.ThumbPointer", "Slider.PictureStretched",
           "Slider.Size", "Slider.Border3D", "Slider.Offset", "TickMark.Color", "TickMark.Style", "TickMark.Size",
           "Buttons.Visible", "Buttons.Size", "Buttons.RepeatPause", "Buttons.ColorMirror", "Buttons.ColorMirrorTo",
           "Buttons.Gradient", "TrackLabel.Visible", "TrackLabel.Position", "TrackLabel.Spacing" })
        EXPECT_FALSE(wtest::Written(form, QString::fromLatin1(name))) << name;

    // Version is written as the fader reports it and reading it back changes nothing.
    EXPECT_TRUE(ValueOf(form, "Version").mid(5).startsWith("1.6.3.0"));
    const QByteArray other = wtest::HandMadeForm(QStringLiteral("TAdvTrackBar"), [](TWriter& w) {
        w.WritePropName(QStringLiteral("Version"));
        w.WriteString(QStringLiteral("9.9"));
    });
    wtest::ReadForm(other, fader);
    EXPECT_EQ(fader.Version(), QStringLiteral("1.6.3.0"));
}

TEST(AdvTrackBarForm, APictureIsItsImageFileAfterARawDataTag)
{
    wtest::App();
    TAdvTrackBar fader(nullptr);
    const QByteArray file = Bmp(16, 29);
    fader.Thumb()->PictureHot()->LoadFromBytes(file);
    fader.BackGroundDisabled()->LoadFromBytes(Bmp(3, 2));
    const QByteArray form = wtest::WriteForm(fader);

    const QByteArray value = ValueOf(form, "Thumb.PictureHot.Data");
    ASSERT_GE(value.size(), 5);
    EXPECT_EQ(value[0], char(0x0A));
    EXPECT_EQ(qFromLittleEndian<quint32>(value.constData() + 1), quint32(file.size()));
    EXPECT_EQ(value.mid(5, file.size()), file);

    TAdvTrackBar target(nullptr);
    wtest::ReadForm(form, target);
    EXPECT_EQ(target.Thumb()->PictureHot()->Data(), file);
    EXPECT_EQ(target.BackGroundDisabled()->Data(), Bmp(3, 2));
    EXPECT_TRUE(target.Thumb()->Picture()->Empty());
    EXPECT_TRUE(target.BackGround()->Empty());
}

TEST(AdvTrackBarForm, TickImagesIsKeptByNameAndFoundBesideTheFader)
{
    wtest::App();
    TForm window(nullptr);
    auto* list = new TCustomImageList(&window, 5, 5);
    list->SetName(QStringLiteral("ilTicks"));
    auto* fader = new TAdvTrackBar(&window);
    fader->SetTickImages(list);
    const QByteArray form = wtest::WriteForm(*fader);
    EXPECT_TRUE(ValueOf(form, "TickImages").startsWith(QByteArray("\x07\x07ilTicks")));

    // On another window the list of that name is the one found, also when it comes after the fader.
    TForm other(nullptr);
    auto* reader = new TAdvTrackBar(&other);
    auto* otherList = new TCustomImageList(&other, 5, 5);
    otherList->SetName(QStringLiteral("ilTicks"));
    wtest::ReadForm(form, *reader);
    EXPECT_EQ(reader->TickImages(), otherList);

    // No list of that name: no list. A nil reference clears the one held.
    TForm bare(nullptr);
    auto* lonely = new TAdvTrackBar(&bare);
    wtest::ReadForm(form, *lonely);
    EXPECT_EQ(lonely->TickImages(), nullptr);
    wtest::ReadForm(wtest::HandMadeForm(QStringLiteral("TAdvTrackBar"),
                                        [](TWriter& w) {
                                            w.WritePropName(QStringLiteral("TickImages"));
                                            w.WriteIdent(QStringLiteral("nil"));
                                        }),
                    *reader);
    EXPECT_EQ(reader->TickImages(), nullptr);

    // A list without a name cannot be named in a form: nothing is written for it.
    list->SetName(QString());
    EXPECT_FALSE(wtest::Written(wtest::WriteForm(*fader), QStringLiteral("TickImages")));
}
