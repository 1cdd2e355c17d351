#include "widgets/RzFrameController.h"

#include "platform/os/XdgTestDirs.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"
#include "widgets/RzPanel.h"
#include "widgets/RzRegIniFile.h"
#include "widgets/WidgetTestSupport.h"

#include <gtest/gtest.h>

using namespace rz;
using namespace vcl;
using P = TRzFrameControllerProperty;

namespace {

// A framing client that counts how often it is told to re-apply the settings.
class CountingPanel : public TRzPanel
{
public:
    using TRzPanel::TRzPanel;
    void ApplyFrameController() override
    {
        ++applied;
        TRzPanel::ApplyFrameController();
    }
    int applied { 0 };
};

} // namespace

TEST(FrameController, SettingsReachTheControlsThatAcceptThem)
{
    wtest::App();
    TRzFrameController fc(nullptr);
    TRzComboBox combo(nullptr);
    TRzComboBox own(nullptr);
    own.SetFrameControllerNotifications(AllFrameControllerNotifications() - TRzFrameControllerNotifications { P::fcpColor });
    own.SetColor(clYellow);
    combo.SetFrameController(&fc);
    own.SetFrameController(&fc);
    EXPECT_EQ(fc.ControlCount(), 2);
    EXPECT_EQ(combo.Color(), clWindow);
    EXPECT_TRUE(combo.FlatButtons()); // the controller's default reaches the combo on joining

    fc.SetFocusColor(fc.Color());
    fc.SetColor(clAqua);
    EXPECT_EQ(fc.FocusColor(), clAqua); // the focus colour followed the colour
    EXPECT_EQ(combo.Color(), clAqua);
    EXPECT_EQ(own.Color(), clYellow);
    fc.SetFrameHotTrack(true);
    EXPECT_TRUE(combo.FrameHotTrack());
    EXPECT_TRUE(combo.FrameVisible());

    TRzPanel panel(nullptr);
    panel.SetFrameController(&fc);
    fc.SetFrameStyle(TFrameStyleEx::fsStatus);
    EXPECT_EQ(panel.BorderOuter(), TFrameStyleEx::fsStatus);
    EXPECT_EQ(panel.Color(), clAqua);
    EXPECT_EQ(panel.BorderHighlight(), ShadeLighter(clAqua, 100));
    EXPECT_EQ(panel.FlatColorAdjustment(), 0);

    {
        TRzLabel label(nullptr);
        label.SetFrameController(&fc);
        EXPECT_EQ(fc.ControlCount(), 4);
    }
    EXPECT_EQ(fc.ControlCount(), 3); // a freed control signs off
}

TEST(FrameController, UpdatesInsideBeginEndReachEachControlOnce)
{
    wtest::App();
    TRzFrameController fc(nullptr);
    CountingPanel panel(nullptr);
    panel.SetFrameController(&fc);
    panel.applied = 0;
    fc.BeginUpdate();
    fc.SetColor(clRed);
    fc.SetFlatButtonColor(clGreen);
    fc.SetFlatButtons(false);
    fc.SetDisabledColor(clGray);
    fc.SetReadOnlyColor(clSilver);
    fc.SetFocusColor(clBlue);
    fc.SetFrameColor(clMaroon);
    fc.SetFrameHotColor(clNavy);
    fc.SetFrameStyle(TFrameStyleEx::fsLowered);
    fc.SetFrameVisible(true);
    EXPECT_EQ(panel.applied, 0);
    fc.EndUpdate();
    EXPECT_EQ(panel.applied, 1);
    EXPECT_EQ(panel.BorderOuter(), TFrameStyleEx::fsLowered);
}

TEST(FrameController, SavesAndLoadsThroughTheSettingsStore)
{
    wtest::App();
    ostest::TXdgTestDirs xdg;
    TRzFrameController fc(nullptr);
    EXPECT_THROW(
        {
            try {
                fc.Save("Frame");
            } catch (const ENoRegIniFile& e) {
                EXPECT_EQ(e.Message(), "Cannot save Custom Framing settings--No TRzRegIniFile component specified");
                throw;
            }
        },
        ENoRegIniFile);
    EXPECT_THROW(
        {
            try {
                fc.Load("Frame");
            } catch (const ENoRegIniFile& e) {
                EXPECT_EQ(e.Message(), "Cannot load Custom Framing settings--No TRzRegIniFile component specified");
                throw;
            }
        },
        ENoRegIniFile);

    auto* store = new TRzRegIniFile(nullptr);
    store->SetPath(xdg.Root() + "/frame.ini");
    fc.SetRegIniFile(store);
    fc.SetColor(0x00FFFFDF);
    fc.SetFrameHotStyle(TFrameStyleEx::fsGroove);
    fc.SetFrameSides({ TSide::sdLeft, TSide::sdBottom });
    fc.SetFramingPreference(TFramingPreference::fpCustomFraming);
    fc.Save("Frame");
    EXPECT_EQ(ostest::ReadAll(xdg.Root() + "/frame.ini"),
              QByteArray("[Frame]\r\nColor=16777183\r\nFlatButtonColor=-2147483633\r\nFlatButtons=1\r\n"
                         "DisabledColor=-2147483633\r\nReadOnlyColor=-2147483624\r\nReadOnlyColorOnFocus=0\r\n"
                         "FocusColor=16777183\r\nFrameColor=-2147483632\r\nFrameHotColor=-2147483632\r\n"
                         "FrameHotStyle=2\r\nFrameHotTrack=0\r\nFrameSides_Left=1\r\nFrameSides_Top=0\r\n"
                         "FrameSides_Right=0\r\nFrameSides_Bottom=1\r\nFrameStyle=1\r\nFrameVisible=0\r\n"
                         "FramingPreference=0\r\n"));

    TRzFrameController loaded(nullptr);
    loaded.SetRegIniFile(store);
    CountingPanel panel(nullptr);
    panel.SetFrameController(&loaded);
    panel.applied = 0;
    loaded.Load("Frame");
    EXPECT_EQ(panel.applied, 1);
    EXPECT_EQ(loaded.Color(), 0x00FFFFDF);
    EXPECT_EQ(loaded.FrameHotStyle(), TFrameStyleEx::fsGroove);
    EXPECT_EQ(loaded.FrameSides(), (TSides { TSide::sdLeft, TSide::sdBottom }));
    EXPECT_EQ(loaded.FramingPreference(), TFramingPreference::fpCustomFraming);

    loaded.SetColor(clRed);
    panel.applied = 0;
    loaded.Load("Empty"); // nothing stored: the defaults, and one update of the controls
    EXPECT_EQ(loaded.Color(), clWindow);
    EXPECT_EQ(loaded.FrameSides(), sdAllSides);
    EXPECT_EQ(loaded.FrameHotStyle(), TFrameStyleEx::fsFlatBold);
    EXPECT_EQ(panel.applied, 1);

    delete store; // the controllers forget a store that is gone
    EXPECT_EQ(fc.RegIniFile(), nullptr);
    EXPECT_THROW(fc.Save("Frame"), ENoRegIniFile);
}

TEST(FrameController, OldFormPropertiesMapOntoTodaysSettings)
{
    // "FrameFlat" True, "FrameFocusStyle" fsRaised, "FrameFlatStyle" any identifier, then a value
    // of the wrong kind.
    const QByteArray data = QByteArray("\x09", 1) + QByteArray("\x07\x08" "fsRaised") + QByteArray("\x07\x06" "fsNone")
                            + QByteArray("\x06\x01x");
    TFormValueReader reader(data);
    TRzFrameController fc(nullptr);
    EXPECT_TRUE(fc.ReadObsoleteProperty("FrameFlat", reader));
    EXPECT_TRUE(fc.FrameHotTrack());
    EXPECT_EQ(fc.FrameStyle(), TFrameStyleEx::fsStatus);
    EXPECT_TRUE(fc.ReadObsoleteProperty("FrameFocusStyle", reader));
    EXPECT_EQ(fc.FrameHotStyle(), TFrameStyleEx::fsRaised);
    EXPECT_TRUE(fc.ReadObsoleteProperty("FrameFlatStyle", reader)); // read and dropped
    EXPECT_FALSE(fc.ReadObsoleteProperty("Other", reader));
    EXPECT_THROW(TRzOldPropReader::ReadOldIntegerProp(reader), EReadError);

    // Each old-property reader consumes exactly one value of its kind.
    const QByteArray all = QByteArray("\x08\x02\x05\x03\x34\x12\x0C\x02\x00\x00\x00" "ab\x0B\x01" "a\x01" "b\x00\x07\x01z", 22);
    TFormValueReader r(all);
    TRzOldPropReader::ReadOldBooleanProp(r);
    TRzOldPropReader::ReadOldIntegerProp(r);
    TRzOldPropReader::ReadOldIntegerProp(r);
    TRzOldPropReader::ReadOldStringProp(r);
    TRzOldPropReader::ReadOldSetProp(r);
    TRzOldPropReader::ReadOldEnumProp(r);
    EXPECT_TRUE(r.AtEnd());
    TFormValueReader cut(QByteArray("\x06\x05" "ab", 4));
    EXPECT_THROW(TRzOldPropReader::ReadOldStringProp(cut), EReadError);
}
