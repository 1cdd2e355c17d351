// Forms of the control-library controls: what a form keeps of each control (a write and read back),
// which defaults and framing properties stay out of it, the built images of the shape button as BMP
// data, and the properties older forms carried.

#include "FormStreamSupport.h"
#include "WidgetTestSupport.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/ui/TBitmap.h"
#include "widgets/AdvProgressBar.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzFrameController.h"
#include "widgets/RzLabel.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

#include <functional>
#include <memory>

using namespace vcl;
using namespace rz;

namespace {

// A red 10 x 10 square at (5, 5) on teal, the transparent colour (bottom-left pixel).
void Square(TBitmap& b)
{
    b.SetSize(20, 20);
    b.Canvas()->Brush()->SetColor(clTeal);
    b.Canvas()->FillRect(TRect(0, 0, 20, 20));
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(TRect(5, 5, 15, 15));
}

using wtest::As;
using wtest::RoundTrip;

} // namespace

TEST(ControlFormStream, EachControlReadsBackWhatItWrote)
{
    wtest::App();
    const RoundTrip cases[] = {
        { "panel", [] { return std::make_unique<TRzPanel>(nullptr); },
          [](TComponent& c) {
              auto& p = As<TRzPanel>(c);
              p.SetBounds(3, 4, 120, 60);
              p.SetBorderOuter(TFrameStyleEx::fsNone);
              p.SetBorderSides(TSides { TSide::sdLeft, TSide::sdBottom });
              p.SetTransparent(true);
              p.SetVisualStyle(TRzVisualStyle::vsGradient);
              p.SetGridSize(5, 6);
              p.SetCaption(QStringLiteral("Inputs"));
              p.Font()->SetHeight(-13);
          },
          [](TComponent& c) {
              auto& p = As<TRzPanel>(c);
              EXPECT_EQ(p.BoundsRect(), TRect(3, 4, 123, 64));
              EXPECT_EQ(p.BorderOuter(), TFrameStyleEx::fsNone);
              EXPECT_EQ(p.BorderSides(), (TSides { TSide::sdLeft, TSide::sdBottom }));
              EXPECT_TRUE(p.Transparent());
              EXPECT_EQ(p.VisualStyle(), TRzVisualStyle::vsGradient);
              EXPECT_EQ(p.GridXSize(), 5);
              EXPECT_EQ(p.GridYSize(), 6);
              EXPECT_EQ(p.Caption(), QStringLiteral("Inputs"));
              EXPECT_EQ(p.Font()->Height(), -13);
          } },
        { "group box", [] { return std::make_unique<TRzGroupBox>(nullptr); },
          [](TComponent& c) {
              auto& g = As<TRzGroupBox>(c);
              g.SetGroupStyle(TGroupBoxStyle::gsCustom);
              g.SetGradientDirection(rz::TGradientDirection::gdSquareBox);
              g.SetTransparent(true);
              g.SetVisible(false);
              g.CaptionFont()->SetColor(clRed);
              g.SetShowDockClientCaptions(false);
          },
          [](TComponent& c) {
              auto& g = As<TRzGroupBox>(c);
              EXPECT_EQ(g.GroupStyle(), TGroupBoxStyle::gsCustom);
              EXPECT_EQ(g.GradientDirection(), rz::TGradientDirection::gdSquareBox);
              EXPECT_TRUE(g.Transparent());
              EXPECT_FALSE(g.Visible());
              EXPECT_EQ(g.CaptionFont()->Color(), clRed);
              EXPECT_EQ(g.Height(), 105);
              EXPECT_FALSE(g.ShowDockClientCaptions());
          } },
        { "combo box", [] { return std::make_unique<TRzComboBox>(nullptr); },
          [](TComponent& c) {
              auto& b = As<TRzComboBox>(c);
              b.SetColor(0xFFFFDF);
              b.SetFlatButtons(true);
              b.SetFrameVisible(true);
              b.SetFrameSides(TSides { TSide::sdTop });
              b.SetAutoCloseUp(true);
              b.SetCharCase(TEditCharCase::ecLowerCase); // typed text only: the chosen item keeps its case
              b.SetTextHint(QStringLiteral("Slope"));
              for (const char* item : { "BW -6", "BL -6", "LK -48" })
                  b.Items()->Add(QString::fromLatin1(item));
              b.SetItemIndex(2);
              b.Values()->Add(QStringLiteral("one"));
          },
          [](TComponent& c) {
              auto& b = As<TRzComboBox>(c);
              EXPECT_EQ(b.Color(), TColor(0xFFFFDF));
              EXPECT_EQ(b.FocusColor(), TColor(0xFFFFDF)); // moved along with Color, not stored itself
              EXPECT_TRUE(b.FlatButtons());
              EXPECT_TRUE(b.FrameVisible());
              EXPECT_EQ(b.FrameSides(), TSides { TSide::sdTop });
              EXPECT_EQ(b.Count(), 3);
              EXPECT_EQ(b.ItemIndex(), 2);
              EXPECT_EQ(b.Text(), QStringLiteral("LK -48"));
              EXPECT_EQ(b.Values()->Count(), 1);
              EXPECT_TRUE(b.AutoCloseUp());
              EXPECT_EQ(b.CharCase(), TEditCharCase::ecLowerCase);
              EXPECT_EQ(b.TextHint(), QStringLiteral("Slope"));
          } },
        { "push button", [] { return std::make_unique<TRzButton>(nullptr); },
          [](TComponent& c) {
              auto& b = As<TRzButton>(c);
              b.SetThemeAware(false);
              b.SetCaption(QStringLiteral("Bypass"));
              b.SetTag(7);
              b.SetGroupIndex(3);
              b.SetDown(true);
              b.SetTextStyle(TTextStyle::tsShadow);
              b.SetTabStop(false);
          },
          [](TComponent& c) {
              auto& b = As<TRzButton>(c);
              EXPECT_FALSE(b.ThemeAware());
              EXPECT_EQ(b.Caption(), QStringLiteral("Bypass"));
              EXPECT_EQ(b.Tag(), 7);
              EXPECT_EQ(b.GroupIndex(), 3);
              EXPECT_TRUE(b.Down());
              EXPECT_EQ(b.TextStyle(), TTextStyle::tsShadow);
              EXPECT_FALSE(b.TabStop());
          } },
        { "label", [] { return std::make_unique<TRzLabel>(nullptr); },
          [](TComponent& c) {
              auto& l = As<TRzLabel>(c);
              l.SetCaption(QStringLiteral("Gain"));
              l.SetRotation(TRzLabelRotation::roCurve);
              l.SetAngle(45);
              l.SetTextStyle(TTextStyle::tsRaised);
              l.SetBorderOuter(TFrameStyleEx::fsLowered);
              l.SetCenterPoint(TCenterPoint::cpLowerRight);
              l.SetBlinking(true);
          },
          [](TComponent& c) {
              auto& l = As<TRzLabel>(c);
              EXPECT_EQ(l.Caption(), QStringLiteral("Gain"));
              EXPECT_EQ(l.Rotation(), TRzLabelRotation::roCurve);
              EXPECT_EQ(l.Angle(), 45);
              EXPECT_EQ(l.TextStyle(), TTextStyle::tsRaised);
              EXPECT_EQ(l.BorderOuter(), TFrameStyleEx::fsLowered);
              EXPECT_EQ(l.CenterPoint(), TCenterPoint::cpLowerRight);
              EXPECT_TRUE(l.Blinking());
          } },
        { "fader", [] { return std::make_unique<TAdvTrackBar>(nullptr); },
          [](TComponent& c) {
              auto& f = As<TAdvTrackBar>(c);
              f.SetOrientation(TTrackBarOrientation::trVertical);
              f.SetMax(2999);
              f.SetMin(9);
              f.SetPageSize(10);
              f.SetPosition(499);
              f.SetColor(clWindow);
              f.SetShowFocus(true);
              f.SetTransparent(false);
              QImage thumb(16, 29, QImage::Format_RGB32);
              thumb.fill(Qt::darkBlue);
              f.Thumb()->Picture()->LoadFromBytes(BmpCodec::Encode(thumb));
              f.Thumb()->SetShape(TThumbShape::tsRound);
              f.Thumb()->SetColorMirrorHot(0x123456);
              f.Slider()->SetColorCompleted(clRed);
              f.Slider()->SetSize(3);
              f.TickMark()->SetStyle(TTickStyle::tsNone);
              f.TickMark()->Font()->SetHeight(-11);
              f.Buttons()->SetColorMirror(0xC0C0C0);
              f.Buttons()->SetRepeatPause(50);
              f.TrackLabel()->SetFormat(QStringLiteral("Gain %d"));
          },
          [](TComponent& c) {
              auto& f = As<TAdvTrackBar>(c);
              EXPECT_EQ(f.Orientation(), TTrackBarOrientation::trVertical);
              EXPECT_EQ(f.BoundsRect(), TRect(0, 0, 26, 150)); // read as stored, not swapped again
              EXPECT_EQ(f.Max(), 2999);
              EXPECT_EQ(f.Min(), 9);
              EXPECT_EQ(f.PageSize(), 10);
              EXPECT_EQ(f.Position(), 499);
              EXPECT_EQ(f.Color(), clWindow);
              EXPECT_TRUE(f.ShowFocus());
              EXPECT_FALSE(f.Transparent());
              EXPECT_FALSE(f.Thumb()->Picture()->Empty());
              EXPECT_EQ(f.Thumb()->Size(), 16); // measured from the picture once the form is read
              EXPECT_EQ(f.Thumb()->Width(), 29);
              EXPECT_EQ(f.Thumb()->Shape(), TThumbShape::tsRound);
              EXPECT_EQ(f.Thumb()->ColorMirrorHot(), TColor(0x123456));
              EXPECT_EQ(f.Slider()->ColorCompleted(), clRed);
              EXPECT_EQ(f.Slider()->Size(), 3);
              EXPECT_EQ(f.TickMark()->Style(), TTickStyle::tsNone);
              EXPECT_EQ(f.TickMark()->Font()->Height(), -11);
              EXPECT_EQ(f.Buttons()->ColorMirror(), TColor(0xC0C0C0));
              EXPECT_EQ(f.Buttons()->RepeatPause(), 50);
              EXPECT_EQ(f.TrackLabel()->Format(), QStringLiteral("Gain %d"));
          } },
    };
    wtest::CheckRoundTrips(cases);
}

TEST(ControlFormStream, DefaultsAndSuppliedFramingStayOutOfTheForm)
{
    wtest::App();
    TRzPanel panel(nullptr);
    const QByteArray plain = wtest::WriteForm(panel);
    for (const char* name : { "BorderInner", "BorderSides", "VisualStyle", "GridXSize", "Transparent", "Caption" })
        EXPECT_FALSE(wtest::Written(plain, QString::fromLatin1(name))) << name;

    TRzGroupBox group(nullptr);
    EXPECT_FALSE(wtest::Written(wtest::WriteForm(group), QStringLiteral("CaptionFont.Color")));
    // Each control starts with the declared defaults of these.
    TRzButton button(nullptr);
    TRzComboBox combo(nullptr);
    TRzLabel label(nullptr);
    for (TComponent* c : std::initializer_list<TComponent*> { &panel, &group, &button, &combo, &label }) {
        const QByteArray form = wtest::WriteForm(*c);
        for (const char* name : { "TabStop", "Blinking", "FrameController" })
            EXPECT_FALSE(wtest::Written(form, QString::fromLatin1(name))) << c->ClassName().toStdString() << name;
    }
    const QByteArray comboForm = wtest::WriteForm(combo);
    for (const char* name : { "AutoCloseUp", "CharCase", "TextHint" })
        EXPECT_FALSE(wtest::Written(comboForm, QString::fromLatin1(name))) << name;

    // A frame controller that supplies the frame colour keeps FrameColor out; a disabled box keeps its
    // Color out (it shows DisabledColor); FocusColor only goes in when it differs from Color.
    TRzFrameController controller(nullptr);
    TRzComboBox box(nullptr);
    box.SetFrameColor(clRed);
    box.SetFrameStyle(TFrameStyleEx::fsLowered);
    box.SetColor(clYellow);
    box.SetFocusColor(clYellow);
    QByteArray bytes = wtest::WriteForm(box);
    EXPECT_TRUE(wtest::Written(bytes, QStringLiteral("FrameColor")));
    EXPECT_TRUE(wtest::Written(bytes, QStringLiteral("Color")));
    EXPECT_FALSE(wtest::Written(bytes, QStringLiteral("FocusColor")));
    box.SetFrameControllerNotifications({ TRzFrameControllerProperty::fcpFrameColor });
    box.SetFrameController(&controller);
    box.SetEnabled(false);
    bytes = wtest::WriteForm(box);
    EXPECT_FALSE(wtest::Written(bytes, QStringLiteral("FrameColor")));
    EXPECT_TRUE(wtest::Written(bytes, QStringLiteral("FrameStyle")));
    EXPECT_FALSE(wtest::Written(bytes, QStringLiteral("Color")));
    box.SetFrameController(nullptr);
}

TEST(ControlFormStream, AnchorsSizeLimitsTabOrderAndCtl3DReadBackAndDefaultsStayOut)
{
    wtest::App();
    struct Control
    {
        const char* what;
        std::function<TControl*()> make;
        bool tabOrder; // publishes TabOrder
        bool ctl3D;    // publishes Ctl3D and ParentCtl3D
    };
    const Control controls[] = {
        { "fader", [] { return new TAdvTrackBar(nullptr); }, true, true },
        { "panel", [] { return new TRzPanel(nullptr); }, true, true },
        { "group box", [] { return new TRzGroupBox(nullptr); }, true, true },
        { "push button", [] { return new TRzButton(nullptr); }, true, false },
        { "shape button", [] { return new TRzShapeButton(nullptr); }, false, false },
        { "progress bar", [] { return new TAdvProgressBar(nullptr); }, false, false },
    };
    // A host with two windowed controls before the one that is written or read.
    auto host = [] {
        auto h = std::make_unique<TRzPanel>(nullptr);
        for (int i = 0; i < 2; ++i)
            (new TRzPanel(h.get()))->SetParent(h.get());
        return h;
    };
    const char* const defaults[] = { "Anchors", "Constraints.MinWidth", "Constraints.MaxWidth",
                                     "Constraints.MinHeight", "Constraints.MaxHeight", "TabOrder", "Ctl3D",
                                     "ParentCtl3D" };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.what);
        const auto sourceHost = host();
        const std::unique_ptr<TControl> source(c.make());
        for (const char* name : defaults)
            EXPECT_FALSE(wtest::Written(wtest::WriteForm(*source), QString::fromLatin1(name))) << name;

        source->SetAnchors({ TAnchorKind::akRight, TAnchorKind::akBottom });
        source->Constraints()->SetMinWidth(20);
        source->Constraints()->SetMaxHeight(300);
        auto* windowed = dynamic_cast<TWinControl*>(source.get());
        if (windowed) {
            source->SetParent(sourceHost.get());
            windowed->SetTabOrder(1);
            windowed->SetCtl3D(false);
        }
        const QByteArray bytes = wtest::WriteForm(*source);
        EXPECT_TRUE(wtest::Written(bytes, QStringLiteral("Constraints.MinWidth")));
        EXPECT_FALSE(wtest::Written(bytes, QStringLiteral("Constraints.MaxWidth")));
        EXPECT_EQ(wtest::Written(bytes, QStringLiteral("TabOrder")), c.tabOrder);
        EXPECT_EQ(wtest::Written(bytes, QStringLiteral("Ctl3D")), c.ctl3D);

        const std::unique_ptr<TControl> target(c.make());
        wtest::ReadForm(bytes, *target);
        EXPECT_EQ(target->Anchors(), (TAnchors { TAnchorKind::akRight, TAnchorKind::akBottom }));
        EXPECT_EQ(target->Constraints()->MinWidth(), 20);
        EXPECT_EQ(target->Constraints()->MaxHeight(), 300);
        EXPECT_EQ(target->Constraints()->MaxWidth(), 0);
        if (auto* read = dynamic_cast<TWinControl*>(target.get())) {
            EXPECT_EQ(read->Ctl3D(), !c.ctl3D);
            EXPECT_EQ(read->ParentCtl3D(), !c.ctl3D);
            const auto targetHost = host();
            target->SetParent(targetHost.get()); // the place read comes with the parent
            EXPECT_EQ(read->TabOrder(), c.tabOrder ? 1 : 2);
            target->SetParent(nullptr);
        }
        source->SetParent(nullptr);
    }

    // Ctl3D is the control's own once ParentCtl3D is off, whatever its value.
    TRzPanel own(nullptr);
    own.SetParentCtl3D(false);
    TRzPanel read(nullptr);
    wtest::ReadForm(wtest::WriteForm(own), read);
    EXPECT_FALSE(read.ParentCtl3D());
    EXPECT_TRUE(read.Ctl3D());
}

TEST(ControlFormStream, OlderFormsPropertiesAreReadAndNeverWritten)
{
    wtest::App();
    auto form = [](const QString& cls, const QString& name, const std::function<void(TWriter&)>& value) {
        return wtest::HandMadeForm(cls, [&](TWriter& w) {
            w.WritePropName(name);
            value(w);
        });
    };
    auto sides = [](TWriter& w) { w.WriteSet(0x3, { "sdLeft", "sdTop", "sdRight", "sdBottom" }); };
    auto yes = [](TWriter& w) { w.WriteBoolean(true); };
    auto no = [](TWriter& w) { w.WriteBoolean(false); };
    auto lowered = [](TWriter& w) { w.WriteIdent(QStringLiteral("fsLowered")); };

    {
        TRzPanel panel(nullptr);
        wtest::ReadForm(form(QStringLiteral("TRzPanel"), QStringLiteral("FrameSides"), sides), panel);
        EXPECT_EQ(panel.BorderSides(), sdAllSides); // dropped
        wtest::ReadForm(form(QStringLiteral("TRzPanel"), QStringLiteral("ThemeAware"), no), panel);
        EXPECT_EQ(panel.VisualStyle(), TRzVisualStyle::vsWinXP);
        wtest::ReadForm(form(QStringLiteral("TRzPanel"), QStringLiteral("UseGradients"), no), panel);
        EXPECT_EQ(panel.VisualStyle(), TRzVisualStyle::vsWinXP);
        wtest::ReadForm(form(QStringLiteral("TRzPanel"), QStringLiteral("UseGradients"), yes), panel);
        EXPECT_EQ(panel.VisualStyle(), TRzVisualStyle::vsGradient);
        // The group box inherits the readers.
        TRzGroupBox group(nullptr);
        wtest::ReadForm(form(QStringLiteral("TRzGroupBox"), QStringLiteral("UseGradients"), yes), group);
        EXPECT_EQ(group.VisualStyle(), TRzVisualStyle::vsGradient);
        for (const char* name : { "FrameSides", "ThemeAware", "UseGradients" })
            EXPECT_FALSE(wtest::Written(wtest::WriteForm(panel), QString::fromLatin1(name))) << name;
    }
    {
        TRzLabel label(nullptr);
        wtest::ReadForm(form(QStringLiteral("TRzLabel"), QStringLiteral("FrameSides"), sides), label);
        EXPECT_EQ(label.BorderSides(), sdAllSides);
    }
    {
        TRzComboBox box(nullptr);
        wtest::ReadForm(form(QStringLiteral("TRzComboBox"), QStringLiteral("FrameFlat"), yes), box);
        EXPECT_TRUE(box.FrameHotTrack());
        EXPECT_EQ(box.FrameStyle(), TFrameStyleEx::fsStatus);
        EXPECT_EQ(box.FrameHotStyle(), TFrameStyleEx::fsLowered);
        TRzComboBox other(nullptr);
        wtest::ReadForm(form(QStringLiteral("TRzComboBox"), QStringLiteral("FrameFocusStyle"),
                             [](TWriter& w) { w.WriteIdent(QStringLiteral("fsGroove")); }),
                        other);
        EXPECT_EQ(other.FrameHotStyle(), TFrameStyleEx::fsGroove);
        wtest::ReadForm(form(QStringLiteral("TRzComboBox"), QStringLiteral("FrameFlatStyle"), lowered), other);
        EXPECT_EQ(other.FrameStyle(), TFrameStyleEx::fsFlat);
        EXPECT_FALSE(other.FrameHotTrack());
        for (const char* name : { "FrameFlat", "FrameFocusStyle", "FrameFlatStyle" })
            EXPECT_FALSE(wtest::Written(wtest::WriteForm(box), QString::fromLatin1(name))) << name;
    }
    {
        TRzButton button(nullptr);
        wtest::ReadForm(form(QStringLiteral("TRzButton"), QStringLiteral("FrameFlat"), yes), button);
        EXPECT_TRUE(button.HotTrack());
        EXPECT_FALSE(wtest::Written(wtest::WriteForm(button), QStringLiteral("FrameFlat")));
    }
    // An unknown property is still an error.
    TRzPanel panel(nullptr);
    EXPECT_THROW(wtest::ReadForm(form(QStringLiteral("TRzPanel"), QStringLiteral("NoSuchThing"), yes), panel),
                 EReadError);
}

TEST(ControlFormStream, ShapeButtonKeepsItsBuiltImagesAsBmpFiles)
{
    wtest::App();
    TRzShapeButton source(nullptr);
    source.SetAutoSize(false);
    source.SetBevelWidth(0);
    source.SetBorderStyle(TRzBorderStyle::bsNone);
    source.SetEnabled(false);
    TBitmap picture;
    Square(picture);
    source.SetBitmap(&picture);
    source.SetBounds(0, 0, 69, 230);
    const QByteArray bytes = wtest::WriteForm(source);
    // Each image is a complete BMP file right after its 4-byte length: "BM", then the file size.
    for (const char* name : { "BitmapUp", "BitmapDown" }) {
        const QByteArray key = char(qstrlen(name)) + QByteArray(name);
        const qsizetype at = bytes.indexOf(key);
        ASSERT_GE(at, 0) << name;
        const QByteArray data = bytes.mid(at + key.size() + 1 + 4);
        EXPECT_TRUE(data.startsWith("BM")) << name;
    }

    TRzShapeButton target(nullptr);
    wtest::ReadForm(bytes, target);
    EXPECT_EQ(target.BitmapUp()->Image(), source.BitmapUp()->Image());
    EXPECT_EQ(target.BitmapDown()->Image(), source.BitmapDown()->Image());
    EXPECT_EQ(target.Bitmap()->Image(), source.Bitmap()->Image());
    EXPECT_EQ(target.BoundsRect(), TRect(0, 0, 69, 230));
    EXPECT_FALSE(target.Enabled());
    // The loaded mask takes clicks on the shape only.
    EXPECT_TRUE(target.PtInMask(10, 10));
    EXPECT_FALSE(target.PtInMask(1, 1));

    // An empty image writes no data.
    TRzShapeButton empty(nullptr);
    const QByteArray none = wtest::WriteForm(empty);
    EXPECT_FALSE(wtest::Written(none, QStringLiteral("BitmapUp")));
    EXPECT_FALSE(wtest::Written(none, QStringLiteral("BitmapDown")));
}

TEST(ControlFormStream, ShapeButtonShowsTheHourglassWhileItRebuildsItsImages)
{
    wtest::App();
    TRzShapeButton button(nullptr);
    std::vector<int> shapes;
    button.BitmapUp()->OnChange = [&](TObject*) {
        const QCursor* c = QApplication::overrideCursor();
        shapes.push_back(c ? int(c->shape()) : -1);
    };
    TBitmap picture;
    Square(picture);
    button.SetBitmap(&picture);
    ASSERT_FALSE(shapes.empty());
    for (int s : shapes)
        EXPECT_EQ(s, int(Qt::WaitCursor));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // restored afterwards
}

TEST(ControlFormStream, FrameControllerIsKeptByNameAndFoundOnTheReadingWindow)
{
    wtest::App();
    struct Case
    {
        const char* what;
        std::function<TComponent*(TComponent* owner)> make;
        std::function<TRzFrameController*(TComponent&)> controller;
        std::function<void(TComponent&, TRzFrameController*)> setController;
    };
    const Case cases[] = {
        { "panel", [](TComponent* o) -> TComponent* { return new TRzPanel(o); },
          [](TComponent& c) { return As<TRzPanel>(c).FrameController(); },
          [](TComponent& c, TRzFrameController* f) { As<TRzPanel>(c).SetFrameController(f); } },
        { "group box", [](TComponent* o) -> TComponent* { return new TRzGroupBox(o); },
          [](TComponent& c) { return As<TRzGroupBox>(c).FrameController(); },
          [](TComponent& c, TRzFrameController* f) { As<TRzGroupBox>(c).SetFrameController(f); } },
        { "combo box", [](TComponent* o) -> TComponent* { return new TRzComboBox(o); },
          [](TComponent& c) { return As<TRzComboBox>(c).FrameController(); },
          [](TComponent& c, TRzFrameController* f) { As<TRzComboBox>(c).SetFrameController(f); } },
        { "label", [](TComponent* o) -> TComponent* { return new TRzLabel(o); },
          [](TComponent& c) { return As<TRzLabel>(c).FrameController(); },
          [](TComponent& c, TRzFrameController* f) { As<TRzLabel>(c).SetFrameController(f); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TComponent window(nullptr);
        auto* controller = new TRzFrameController(&window);
        controller->SetName(QStringLiteral("fcMain"));
        TComponent* source = c.make(&window);
        c.setController(*source, controller);
        const QByteArray bytes = wtest::WriteForm(*source);
        EXPECT_TRUE(bytes.contains(QByteArray("\x0f" "FrameController\x07\x06" "fcMain"))) << c.what;

        // Found on the reading window, also when it is created after the control.
        TComponent other(nullptr);
        TComponent* target = c.make(&other);
        auto* otherController = new TRzFrameController(&other);
        otherController->SetName(QStringLiteral("fcMain"));
        wtest::ReadForm(bytes, *target);
        EXPECT_EQ(c.controller(*target), otherController);

        // Nothing of that name there: no controller.
        TComponent bare(nullptr);
        TComponent* lonely = c.make(&bare);
        wtest::ReadForm(bytes, *lonely);
        EXPECT_EQ(c.controller(*lonely), nullptr);
        c.setController(*source, nullptr);
        EXPECT_FALSE(wtest::Written(wtest::WriteForm(*source), QStringLiteral("FrameController")));
        delete source;
        delete target;
        delete lonely;
    }
}
