// The skinned windows as a user sees them on an X display (Xvfb), against the device emulator:
// every page and the dialogs in English and Chinese. From the pictures: every caption, value box and
// button text reads at 4.5:1 or better against what is drawn behind it, and each toggle's latched
// face stands apart from its up face. The longest values fit their boxes. The pictures are kept in
// ZQ9_SCREENSHOT_DIR; the test runs only on the xcb platform (tests/ui/run-under-xvfb starts it).
#include "SkinScreensRig.h"

using namespace skinshots;

namespace {

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
