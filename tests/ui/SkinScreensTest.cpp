// The skinned windows as a user sees them on an X display (Xvfb), against the device emulator:
// every page and the dialogs in English and Chinese. From the pictures: every caption, value box and
// button text reads at 4.5:1 or better against what is drawn behind it, and each toggle's latched
// face stands apart from its up face. The longest values fit their boxes. The pictures are kept in
// ZQ9_SCREENSHOT_DIR; the test runs only on the xcb platform (tests/ui/run-under-xvfb starts it).
#include "FDialogsRig.h"
#include "ui/AppForms.h"

#include "controls/MyPEQAllpass.h"
#include "controls/PeqEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TRadioButton.h"
#include "ui/FMainLayoutNames.h"
#include "ui/SkinPalette.h"
#include "platform/ui/TextMetrics.h"
#include "widgets/AdvSmoothSplashScreen.h"
#include "widgets/AdvSmoothSplashScreenWindow.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"
#include "widgets/VrButtons.h"

#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <QTemporaryDir>

#include <cstdlib>
#include <map>

using namespace dlgtest;
using skin::Rgb;

void ClearFormPointers();

namespace {

// The program's own windows, made as the program makes them, connected over loopback to the
// device emulator holding the built-in default preset.
struct ScreensRig
{
    ScreensRig()
    {
        static QTemporaryDir emptyRoot;
        if (!std::getenv("ZQ9_HID_ROOT"))
            setenv("ZQ9_HID_ROOT", emptyRoot.path().toLocal8Bit().constData(), 1);
        if (!std::getenv("ZQ9_SERIAL_PORTS"))
            setenv("ZQ9_SERIAL_PORTS", "", 1);
        const LUnitControl defaults;
        for (std::size_t i = 2; i < defaults.GetImage().size(); ++i)
            emu.SetProgramByte(i, defaults.GetImage()[i]);
        app = std::make_unique<vcl::TApplication>(argc, argv);
        CreateAppForms(*app);
        form = fmMain;
        form->tmStartConnect->SetEnabled(false); // the test connects by itself, over loopback
    }
    ~ScreensRig()
    {
        for (auto* t : { form->tmInLevelDet, form->tmDisconnect, form->tmLinkBroken, form->tmUpload, form->tmLockPrompt,
                         form->tmProcessShow, form->tmComScan })
            t->SetEnabled(false);
        if (form->NetProc) {
            form->NetProc->Close();
            delete form->NetProc;
            form->NetProc = nullptr;
        }
        app.reset();
        ClearFormPointers();
    }
    bool Connect()
    {
        form->DeviceIp = 0x7F000001;
        form->ClientSocket.SetAddress("127.0.0.1");
        form->ClientSocket.SetPort(server.Port());
        form->PrepareNetwork();
        if (!seqtest::SpinUntil([&] { return server.HasClient() && form->ClientSocket.Connected(); }))
            return false;
        // The search dialog, made with the other windows, holds no result yet. Handing it one would arm
        // its verdict timer, which 100 ms later ends a connect that has not been answered by then.
        form->ConnectNet();
        return seqtest::SpinUntil([&] { return form->tmInLevelDet->Enabled() && !fmProcess->Visible(); });
    }

    int argc { 1 };
    char name[8] { "test_ui" };
    char* argv[2] { name, nullptr };
    DeviceEmulator emu;
    EmulatorTcpServer server { emu };
    std::unique_ptr<vcl::TApplication> app;
    TfmMain* form { nullptr };
};

Rgb At(const QImage& img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return { static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)), static_cast<std::uint8_t>(qBlue(p)) };
}

// The text's contrast in a region: the most frequent colour is what lies behind, the pixel that
// stands out most from it is the text's own colour (glyph stems are drawn in it whole).
struct TextReading
{
    double contrast { 1.0 };
    Rgb back {}, text {};
};

TextReading ReadText(const QImage& img, const QRect& region)
{
    const QRect r = region.intersected(img.rect());
    std::map<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[img.pixel(x, y) | 0xFF000000u];
    TextReading out;
    if (counts.empty())
        return out;
    QRgb back = counts.begin()->first;
    int most = 0;
    for (const auto& [c, n] : counts)
        if (n > most) {
            most = n;
            back = c;
        }
    out.back = { static_cast<std::uint8_t>(qRed(back)), static_cast<std::uint8_t>(qGreen(back)),
                 static_cast<std::uint8_t>(qBlue(back)) };
    out.text = out.back;
    for (const auto& [c, n] : counts) {
        const Rgb px { static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)), static_cast<std::uint8_t>(qBlue(c)) };
        const double k = skin::Contrast(px, out.back);
        if (k > out.contrast) {
            out.contrast = k;
            out.text = px;
        }
    }
    return out;
}

QString Describe(const TextReading& t)
{
    return QStringLiteral("%1:1, text (%2,%3,%4) on (%5,%6,%7)")
        .arg(t.contrast, 0, 'f', 2)
        .arg(t.text.r).arg(t.text.g).arg(t.text.b)
        .arg(t.back.r).arg(t.back.g).arg(t.back.b);
}

// Pixels of the window as the X server shows them.
QImage Grab(QWidget& w)
{
    for (int i = 0; i < 6; ++i) {
        QApplication::processEvents();
        QTest::qWait(15);
    }
    const QPoint origin = w.mapToGlobal(QPoint(0, 0));
    return w.screen()->grabWindow(0, origin.x(), origin.y(), w.width(), w.height()).toImage().convertToFormat(QImage::Format_RGB32);
}

void Keep(const QImage& img, const QString& name)
{
    const QString dir = qEnvironmentVariable("ZQ9_SCREENSHOT_DIR");
    QDir().mkpath(dir);
    EXPECT_TRUE(img.save(QDir(dir).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

// The part of a control that its ancestors leave visible, in the top-level window's coordinates.
QRect VisibleRect(QWidget& c, QWidget& top)
{
    QRect r(c.mapTo(&top, QPoint(0, 0)), c.size());
    for (QWidget* p = c.parentWidget(); p && p != &top; p = p->parentWidget())
        r &= QRect(p->mapTo(&top, QPoint(0, 0)), p->size());
    return r;
}

// Where a control's text is drawn: the inner field of a value box, the middle band of a button
// (clear of its frame and lamp strip), the whole of a label.
struct Sample
{
    QString name;
    QRect where;
};

std::vector<Sample> TextSamples(QWidget& top)
{
    std::vector<Sample> out;
    for (auto* c : top.findChildren<vcl::TControl*>()) {
        if (!c->isVisible() || !c->isEnabled())
            continue;
        QRect r = VisibleRect(*c, top);
        QString text;
        if (auto* lb = dynamic_cast<vcl::TLabel*>(c))
            text = lb->Caption();
        else if (auto* rl = dynamic_cast<rz::TRzLabel*>(c))
            text = rl->Caption();
        else if (auto* e = dynamic_cast<vcl::TEdit*>(c))
            text = e->Text();
        else if (auto* b = dynamic_cast<rz::TRzBmpButton*>(c)) {
            text = b->Caption();
            r = r.adjusted(4, r.height() / 4, -4, -r.height() / 4);
        } else if (auto* pb = dynamic_cast<rz::TRzButton*>(c)) {
            text = pb->Caption();
            r = r.adjusted(3, 3, -3, -3);
        } else if (auto* p = dynamic_cast<vr::TVrPowerButton*>(c)) {
            text = p->Caption();
            const vcl::TRect t = p->TextBounds();
            r = QRect(r.topLeft() + QPoint(t.Left, t.Top), QSize(t.Width(), t.Height())) & r;
        } else if (auto* d = dynamic_cast<vr::TVrDemoButton*>(c)) {
            text = d->Caption();
            r = r.adjusted(3, 3, -3, -3);
        } else if (auto* rb = dynamic_cast<vcl::TRadioButton*>(c)) {
            text = rb->Caption();
            r = r.adjusted(18, 0, 0, 0); // the text beside the indicator
        } else if (auto* combo = dynamic_cast<rz::TRzComboBox*>(c)) {
            text = combo->Text();
            r = r.adjusted(2, 2, -r.width() / 3, -2); // the text, not the arrow
        }
        if (text.trimmed().isEmpty() || r.width() < 4 || r.height() < 4)
            continue;
        out.push_back({ c->Name().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) + QLatin1Char(':') + text : c->Name(), r });
    }
    return out;
}

void ExpectReadable(const QImage& img, QWidget& top, const QString& shot)
{
    for (const Sample& s : TextSamples(top)) {
        const TextReading t = ReadText(img, s.where);
        EXPECT_GE(t.contrast, skin::ReadableContrast)
            << shot.toStdString() << ": " << s.name.toStdString() << " " << Describe(t).toStdString();
    }
}

template <class T = vcl::TControl>
T* Find(vcl::TComponent& owner, const QString& name)
{
    return dynamic_cast<T*>(owner.FindComponent(name));
}

void Click(TfmMain& form, const QString& name)
{
    auto* c = Find(form, name);
    ASSERT_NE(c, nullptr) << name.toStdString();
    ASSERT_TRUE(c->isVisible()) << name.toStdString();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(&form, QPoint(c->width() / 2, c->height() / 2)));
    QApplication::processEvents();
}

// Pixels that changed by more than a glance notices between two pictures of a region.
int ChangedPixels(const QImage& a, const QImage& b, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const Rgb p = At(a, x, y), q = At(b, x, y);
            if (std::hypot(double(p.r) - q.r, double(p.g) - q.g, double(p.b) - q.b) > 60.0)
                ++n;
        }
    return n;
}

// Runs a modal dialog opened by open; while it shows, its picture is taken and read, then it closes.
void ShotOfModal(vcl::TForm* dialog, const std::function<void()>& open, const QString& shot)
{
    ASSERT_NE(dialog, nullptr) << shot.toStdString();
    bool taken = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (taken || !dialog->Modal() || !dialog->isVisible())
            return;
        taken = true;
        poll.stop();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog)) << shot.toStdString();
        const QImage img = Grab(*dialog);
        Keep(img, shot);
        ExpectReadable(img, *dialog, shot);
        dialog->SetModalResult(vcl::mrCancel);
    });
    poll.start();
    open();
    EXPECT_TRUE(taken) << shot.toStdString();
}

struct ToggleCase
{
    const char* page;
    const char* toggle;
    const char* restore; // what puts it back: itself, or the group's first choice
};

} // namespace

TEST(SkinScreens, EveryPageAndDialogInBothLanguages)
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("ZQ9_SCREENSHOT_DIR"))
        GTEST_SKIP() << "runs on an X display with ZQ9_SCREENSHOT_DIR set (tests/ui/run-under-xvfb)";
    ScreensRig r;
    ASSERT_TRUE(r.Connect());
    TfmMain& form = *r.form;
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // The start-up picture with the program's name, version and loading line over it.
    ASSERT_NE(form.asScreen, nullptr);
    form.asScreen->Show(0, 0);
    ASSERT_NE(form.asScreen->SplashWindow(), nullptr);
    Keep(Grab(*form.asScreen->SplashWindow()), QStringLiteral("splash"));
    form.asScreen->Hide();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    for (const char* language : { "English", "ChineseSimplified" }) {
        const QString tag = QLatin1String(language) == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("zh");
        auto* item = Find<vcl::TMenuItem>(form, QString::fromLatin1(language));
        ASSERT_NE(item, nullptr);
        item->Click();

        for (int p = 0; p < layout::PageCount; ++p) {
            Click(form, layout::PageButtonName(p));
            const QString shot = QStringLiteral("page-") + layout::PageBoxSuffix(p) + QLatin1Char('-') + tag;
            const QImage img = Grab(form);
            Keep(img, shot);
            ExpectReadable(img, form, shot);
            if (p == 0) {
                auto* bar = form.findChild<QMenuBar*>();
                ASSERT_NE(bar, nullptr);
                const TextReading t = ReadText(img, VisibleRect(*bar, form));
                EXPECT_GE(t.contrast, skin::ReadableContrast) << "menu bar " << Describe(t).toStdString();
            }
        }

        // Each toggle: its latched face against its up face, from the screen.
        const ToggleCase toggles[] = {
            { "rzbMenuOut1", "rzbMuteOut1", "rzbMuteOut1" },
            { "rzbMenuOut1", "rzbPhaseOut1", "rzbPhaseOut1" },
            { "rzbMenuOut1", "rzbHighCutBypassOut1", "rzbHighCutBypassOut1" },
            { "rzbMenuOut1", "rzbEq3Out1", "rzbEq1Out1" },
            { "rzbMenuOut1", "vrbShow3Out1", "vrbShow3Out1" },
            { "rzbMenuInA", "rzbMuteInA", "rzbMuteInA" },
            { "rzbMenuGain", "rzbMuteBackupOut2", "rzbMuteBackupOut2" },
            { "rzbMenuMatrix", "rzbAMatrixOut3", "rzbAMatrixOut3" },
            { "rzbMenuDelay", "rzbUnit1", "rzbUnit0" },
        };
        for (const ToggleCase& t : toggles) {
            Click(form, QString::fromLatin1(t.page));
            auto* c = Find(form, QString::fromLatin1(t.toggle));
            ASSERT_NE(c, nullptr) << t.toggle;
            const QRect where = VisibleRect(*c, form);
            const QImage up = Grab(form);
            Click(form, QString::fromLatin1(t.toggle));
            // Away from the button, so the picture shows the latched face, not the hot one.
            QTest::mouseMove(form.windowHandle(), QPoint(2, form.height() - 2));
            const QImage down = Grab(form);
            if (QLatin1String(t.toggle) == QLatin1String("rzbMuteOut1"))
                Keep(down, QStringLiteral("toggle-latched-") + tag);
            // A lit lamp of 8 by 8 pixels at least, or a face that changes as a whole.
            EXPECT_GE(ChangedPixels(up, down, where), 60) << t.toggle << " looks the same up and latched";
            Click(form, QString::fromLatin1(t.restore));
        }

        // A bypassed band's switch in the band editor still reads.
        Click(form, QStringLiteral("rzbMenuOut1"));
        auto* peq = Find<TMyPEQAllpass>(form, QStringLiteral("peqPeqOut1"));
        ASSERT_NE(peq, nullptr);
        rz::TRzButton* bypass = peq->BypassButton(1);
        const QPoint centre = bypass->mapTo(&form, QPoint(bypass->width() / 2, bypass->height() / 2));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseMove(form.windowHandle(), QPoint(2, form.height() - 2));
        const QImage bypassed = Grab(form);
        Keep(bypassed, QStringLiteral("band-bypassed-") + tag);
        ExpectReadable(bypassed, form, QStringLiteral("band-bypassed-") + tag);
        EXPECT_TRUE(peq->GetBypassValue(1));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    }

    // The dialogs, as the menu and the preset buttons open them, in the language last chosen and
    // then in English.
    for (const char* language : { "ChineseSimplified", "English" }) {
        const QString tag = QLatin1String(language) == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("zh");
        Find<vcl::TMenuItem>(form, QString::fromLatin1(language))->Click();
        auto menu = [&form](const char* name) { return [&form, name] { Find<vcl::TMenuItem>(form, QString::fromLatin1(name))->Click(); }; };
        ShotOfModal(fmLinkSel, menu("Link"), QStringLiteral("dialog-link-") + tag);
        ShotOfModal(fmCopy, menu("Copy"), QStringLiteral("dialog-copy-") + tag);
        ShotOfModal(fmTest, menu("TestTone"), QStringLiteral("dialog-test-tone-") + tag);
        ShotOfModal(fmChNameList, menu("ChNameList"), QStringLiteral("dialog-channel-names-") + tag);
        ShotOfModal(fmLockSetup, menu("Lock"), QStringLiteral("dialog-lock-") + tag);
        ShotOfModal(fmAbout, menu("About"), QStringLiteral("dialog-about-") + tag);
        ShotOfModal(fmExit, menu("Exit"), QStringLiteral("dialog-exit-") + tag);
        ShotOfModal(fmStorePreset, [&] { Click(form, QStringLiteral("bStore")); }, QStringLiteral("dialog-store-") + tag);
        ShotOfModal(fmRecallPreset, [&] { Click(form, QStringLiteral("bRecall")); }, QStringLiteral("dialog-recall-") + tag);
    }
}

TEST(SkinScreens, LongestValuesFitTheirBoxes)
{
    ScreensRig r;
    struct Case { const char* box; const char* value; };
    const Case cases[] = {
        { "cvdCompThresholdOut1", "+20.0dB" }, { "cvdCompAttackOut1", "500ms" }, { "cvdCompReleaseOut1", "1000ms" },
        { "cvdGateThresholdInA", "-90.0dB" },  { "cvdGateHoldInA", "1000ms" },   { "cvdGateReleaseInB", "3000ms" },
        { "cvdHighCutFreqOut1", "20.16KHz" },  { "cvdLowCutFreqInA", "20.16KHz" }, { "cvdEqFreqOut6", "20.16KHz" },
        { "cvdEqGainInB", "+12.0dB" },         { "cvdGainOut3", "+12.0dB" },     { "cvdGainBackupOut6", "+12.0dB" },
        { "cvdDelayOut1", "680.00ms" },
    };
    for (const Case& c : cases) {
        auto* box = Find<TCurvyEdit>(*r.form, QString::fromLatin1(c.box));
        ASSERT_NE(box, nullptr) << c.box;
        auto* field = box->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr) << c.box;
        // The line edit keeps a margin of 2 pixels on each side.
        const int room = field->contentsRect().width() - 4;
        EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(QString::fromLatin1(c.value)), room) << c.box << " " << c.value;
    }
    for (const char* caption : { "lbCompThresholdOut1", "lbGateThresholdInA" }) {
        auto* lb = Find<vcl::TLabel>(*r.form, QString::fromLatin1(caption));
        ASSERT_NE(lb, nullptr) << caption;
        for (const char* text : { "Threshold", "Release" })
            EXPECT_LE(QFontMetrics(lb->font()).horizontalAdvance(QString::fromLatin1(text)), lb->width()) << caption << " " << text;
    }
}

TEST(SkinScreens, SplashNameEndsBeforeTheVersion)
{
    ScreensRig r;
    ASSERT_NE(r.form->asScreen, nullptr);
    TBasicProgramInfo* info = r.form->asScreen->BasicProgramInfo();
    TSplashHeadingText* name = info->ProgramName();
    const int nameRight = name->PosX() + vcl::TextMetrics().TextExtent(*name->Font(), name->Text()).cx;
    EXPECT_LE(nameRight + 10, info->ProgramVersion()->PosX()) << "the name runs into the version";
}
