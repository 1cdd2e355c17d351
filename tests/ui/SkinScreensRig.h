#pragma once
// What the screen tests of the skinned windows share: the program's windows against the device
// emulator over loopback, pictures taken from the X server, and the readings made on them (text
// contrast, changed pixels), each read at the picture's own pixels whatever its device pixel ratio.
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
#include <unistd.h>
#include <map>
#include "support/DeviceControllerProbe.h"


void ClearFormPointers();

namespace skinshots {

using namespace dlgtest;
using skin::Rgb;


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
        // Every X server started in a private network namespace is display :0, so the window's claim
        // on its display would meet any other test run on this machine: this run claims a name of its own.
        TfmMain::SetInstanceName(QStringLiteral("zq9-screens-%1").arg(getpid()));
        app = std::make_unique<vcl::TApplication>(argc, argv);
        CreateAppForms(*app);
        form = fmMain;
        EXPECT_FALSE(form->OtherInstanceFound) << "the window did not start: another instance holds its name";
        form->tmStartConnect->SetEnabled(false); // the test connects by itself, over loopback
    }
    ~ScreensRig()
    {
        for (auto* t : { form->tmInLevelDet, form->tmDisconnect, form->tmLinkBroken, form->tmUpload, form->tmLockPrompt,
                         form->tmProcessShow, form->tmComScan })
            t->SetEnabled(false);
        if (form->Controller.Net()) {
            form->Controller.Net()->Close();
            delete form->Controller.Net();
            DeviceControllerProbe(form->Controller).NetProc() = nullptr;
        }
        app.reset();
        ClearFormPointers();
        TfmMain::SetInstanceName(QString());
    }
    bool Connect()
    {
        if (form->OtherInstanceFound)
            return false;
        form->DeviceIp = 0x7F000001;
        form->Controller.NetworkLink().SetEndpoint("127.0.0.1", server.Port());
        form->PrepareNetwork();
        if (!seqtest::SpinUntil([&] { return server.HasClient() && form->Controller.NetworkLink().ClientSocket().Connected(); }))
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

inline Rgb At(const QImage& img, int x, int y)
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

// A region of the window in the picture's own pixels.
inline QRect Physical(const QImage& img, const QRect& region)
{
    const double d = img.devicePixelRatio();
    return QRect(QPoint(int(region.left() * d), int(region.top() * d)), QSize(int(region.width() * d), int(region.height() * d)));
}

inline TextReading ReadText(const QImage& img, const QRect& region)
{
    const QRect r = Physical(img, region).intersected(img.rect());
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

inline QString Describe(const TextReading& t)
{
    return QStringLiteral("%1:1, text (%2,%3,%4) on (%5,%6,%7)")
        .arg(t.contrast, 0, 'f', 2)
        .arg(t.text.r).arg(t.text.g).arg(t.text.b)
        .arg(t.back.r).arg(t.back.g).arg(t.back.b);
}

// Pixels of the window as the X server shows them.
inline QImage Grab(QWidget& w)
{
    for (int i = 0; i < 6; ++i) {
        QApplication::processEvents();
        QTest::qWait(15);
    }
    const QPoint origin = w.mapToGlobal(QPoint(0, 0));
    return w.screen()->grabWindow(0, origin.x(), origin.y(), w.width(), w.height()).toImage().convertToFormat(QImage::Format_RGB32);
}

inline void Keep(const QImage& img, const QString& name)
{
    const QString dir = qEnvironmentVariable("ZQ9_SCREENSHOT_DIR");
    QDir().mkpath(dir);
    EXPECT_TRUE(img.save(QDir(dir).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

// The part of a control that its ancestors leave visible, in the top-level window's coordinates.
inline QRect VisibleRect(QWidget& c, QWidget& top)
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

inline std::vector<Sample> TextSamples(QWidget& top)
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

inline void ExpectReadable(const QImage& img, QWidget& top, const QString& shot)
{
    for (const Sample& s : TextSamples(top)) {
        const TextReading t = ReadText(img, s.where);
        EXPECT_GE(t.contrast, skin::ReadableContrast)
            << shot.toStdString() << ": " << s.name.toStdString() << " " << Describe(t).toStdString();
    }
}

template <class T = vcl::TControl>
inline T* Find(vcl::TComponent& owner, const QString& name)
{
    return dynamic_cast<T*>(owner.FindComponent(name));
}

inline void Click(TfmMain& form, const QString& name)
{
    auto* c = Find(form, name);
    ASSERT_NE(c, nullptr) << name.toStdString();
    ASSERT_TRUE(c->isVisible()) << name.toStdString();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(&form, QPoint(c->width() / 2, c->height() / 2)));
    QApplication::processEvents();
}

// Pixels that changed by more than a glance notices between two pictures of a region.
inline int ChangedPixels(const QImage& a, const QImage& b, const QRect& region)
{
    const QRect r = Physical(a, region).intersected(a.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const Rgb p = At(a, x, y), q = At(b, x, y);
            if (std::hypot(double(p.r) - q.r, double(p.g) - q.g, double(p.b) - q.b) > 60.0)
                ++n;
        }
    return n;
}

// Runs a modal dialog opened by open, at once or later (from a timer of the program); while it
// shows, its picture is taken and read, then it closes.
inline void ShotOfModal(vcl::TForm* dialog, const std::function<void()>& open, const QString& shot)
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
    EXPECT_TRUE(seqtest::SpinUntil([&] { return taken && !dialog->isVisible(); })) << shot.toStdString();
}

} // namespace skinshots
