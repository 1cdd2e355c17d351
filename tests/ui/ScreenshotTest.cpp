// Pictures of the window as a user sees it, against the device emulator: the link dialog after
// connecting, the Gain page after an edit, a channel page with overlays, both crossover filters
// bypassed, in English and Chinese. Runs only when ZQ9_SCREENSHOT_DIR names a folder to write to.
#include "FDialogsRig.h"

#include "controls/MyPEQAllpass.h"
#include "platform/ui/TMenus.h"

#include <QDir>
#include <QTest>
#include <QWindow>

using namespace dlgtest;

namespace {

void Click(TfmMain& form, const QString& name)
{
    auto* c = dynamic_cast<vcl::TControl*>(form.FindComponent(name));
    ASSERT_NE(c, nullptr) << name.toStdString();
    ASSERT_TRUE(c->isVisible()) << name.toStdString();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(&form, QPoint(c->width() / 2, c->height() / 2)));
    QApplication::processEvents();
}

void Save(QWidget& w, const QString& dir, const QString& name)
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

} // namespace

TEST(Screenshots, WindowAfterConnectingAndEditing)
{
    const QString dir = qEnvironmentVariable("ZQ9_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set ZQ9_SCREENSHOT_DIR to take the pictures";
    DialogRig r;
    // The device holds the built-in default preset, so the curves show real filters.
    const LUnitControl defaults;
    for (std::size_t i = 2; i < defaults.GetImage().size(); ++i)
        r.emu.SetProgramByte(i, defaults.GetImage()[i]);
    r.DeviceLinks({ 0b11, 0, 0b11, 0, 4, 8, 16, 32 }); // InB follows InA, Out2 follows Out1
    ASSERT_TRUE(r.ConnectAndUpload());
    r.form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.form));

    for (const char* language : { "English", "ChineseSimplified" }) {
        const QString tag = QLatin1String(language) == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("zh");
        r.form->ChineseSimplifiedClick(r.form->FindComponent(QString::fromLatin1(language)));

        // The device's links as the link dialog shows them after connecting.
        fmLinkSel->Show();
        Save(*fmLinkSel, dir, QStringLiteral("link-dialog-") + tag);
        fmLinkSel->Close();

        // An edit on Out3: band 2 lifted by 9 dB, then the Gain page.
        Click(*r.form, QStringLiteral("rzbMenuOut3"));
        Click(*r.form, QStringLiteral("rzbEq2Out3"));
        auto* peq = dynamic_cast<TMyPEQAllpass*>(r.form->FindComponent(QStringLiteral("peqPeqOut3")));
        ASSERT_NE(peq, nullptr);
        peq->SetGainValue(1, tag == QStringLiteral("en") ? 9.0 : -6.0);
        Click(*r.form, QStringLiteral("rzbMenuGain"));
        Click(*r.form, QStringLiteral("vrbShow3Gain"));
        Save(*r.form, dir, QStringLiteral("gain-page-after-edit-") + tag);

        // Out1's page with the overlays of Out3 and Out4.
        Click(*r.form, QStringLiteral("rzbMenuOut1"));
        for (const char* toggle : { "vrbShow3Out1", "vrbShow4Out1" })
            Click(*r.form, QString::fromLatin1(toggle));
        Save(*r.form, dir, QStringLiteral("channel-overlays-") + tag);
        for (const char* toggle : { "vrbShow3Out1", "vrbShow4Out1" })
            Click(*r.form, QString::fromLatin1(toggle));

        // Out4 with both crossover filters bypassed: a click on each bypass that is not down yet.
        Click(*r.form, QStringLiteral("rzbMenuOut4"));
        std::vector<QString> pressed;
        for (const char* bypass : { "rzbLowCutBypassOut4", "rzbHighCutBypassOut4" }) {
            auto* b = dynamic_cast<rz::TRzBmpButton*>(r.form->FindComponent(QString::fromLatin1(bypass)));
            ASSERT_NE(b, nullptr);
            if (!b->Down()) {
                Click(*r.form, QString::fromLatin1(bypass));
                pressed.push_back(QString::fromLatin1(bypass));
            }
            EXPECT_TRUE(b->Down()) << bypass;
        }
        EXPECT_EQ(r.unit->GetHpLp(5).HpSlope, 0);
        EXPECT_EQ(r.unit->GetHpLp(5).LpSlope, 0);
        Save(*r.form, dir, QStringLiteral("crossover-bypassed-") + tag);
        for (const QString& bypass : pressed)
            Click(*r.form, bypass);
        Click(*r.form, QStringLiteral("rzbMenuGain"));
        Click(*r.form, QStringLiteral("vrbShow3Gain"));
    }
}
