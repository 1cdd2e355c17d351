#include "ui/FMain.h"

#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/LinkHost.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenus.h"
#include "response/ResponseView.h"
#include "response/Plot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/FMainLayoutParts.h"
#include "ui/FNetworkSetup.h"
#include "ui/editors/EditorSet.h"
#include "widgets/AdvSmoothSplashScreen.h"

#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringList>

#include <unistd.h>

TfmMain* fmMain = nullptr;

namespace {

constexpr int DevicePort = 9761;

QString& InstanceNameOverride()
{
    static QString name;
    return name;
}

// The model's view of the main window: the suppress flag and the curve marks. Its commands go
// straight to the device controller.
class MainModelHost : public LinkHost
{
public:
    explicit MainModelHost(TfmMain& form) : Form(form) {}
    bool IsSendSuppressed() const override { return Form.SuppressSend; }
    void MarkCurveStale(int channel) override { Form.MarkCurveStale(channel); }

private:
    TfmMain& Form;
};

// "a.b.c.d" with the first octet in the most significant byte; 0 when it is not an address.
std::uint32_t DottedToIp(const std::string& text)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('.'));
    if (parts.size() != 4)
        return 0;
    std::uint32_t ip = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const unsigned v = part.toUInt(&ok);
        if (!ok || v > 255)
            return 0;
        ip = (ip << 8) | v;
    }
    return ip;
}

} // namespace

struct TfmMain::CreatedParts
{
    std::unique_ptr<LUnitControl> Model;
    std::unique_ptr<MainModelHost> ModelHost;
    std::array<std::unique_ptr<Plot>, editors::PlotCount> Plots;
    std::unique_ptr<QLocalServer> InstanceServer;
};

TfmMain::TfmMain(vcl::TComponent* owner) : vcl::TForm(owner)
{
    asScreen = new TAdvSmoothSplashScreen(this);
    asScreen->FreeNotification(this);
    asScreen->Loading();
    ConfigureSplash();
    SetName(QStringLiteral("fmMain"));
    SetPosition(vcl::TPosition::poScreenCenter);
    SetBounds(0, 0, 1118, 720);
    OnCreate = vcl::Method(this, &TfmMain::FormCreate);
    Created = { new CreatedParts, [](CreatedParts* parts) { delete parts; } };

    auto* idLabel = new vcl::TLabel(this); // shows the device ID (SetDeviceId)
    idLabel->SetName(QStringLiteral("lbShowIdNumber"));
    idLabel->SetParent(this);

    BuildMenus();
    BuildLayout();
    MakeEditors();
    asScreen->Loaded();
}

TfmMain::~TfmMain()
{
    // Nothing of a transport may outlive what it reports to and writes through.
    Controller.CloseTransports();
    if (asScreen)
        asScreen->Hide(); // an open splash window refers back to its component
    BeforeDestruction();
    if (fmMain == this) // nothing reaches a window that is gone
        fmMain = nullptr;
}

void TfmMain::SetInstanceName(const QString& name)
{
    InstanceNameOverride() = name;
}

bool TfmMain::ClaimSingleInstance()
{
    QString name = InstanceNameOverride();
    if (name.isEmpty()) {
        // Nothing of an offscreen run is visible, so there is no window another instance could show.
        if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
            return true;
        name = QStringLiteral("zq9-editor-%1-%2%3")
                   .arg(getuid())
                   .arg(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
    }
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500)) {
            probe.write("raise\n");
            probe.waitForBytesWritten(500);
            probe.disconnectFromServer();
            return false;
        }
    }
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        QLocalServer::removeServer(name); // left behind by an instance that did not end cleanly
        server->listen(name);
    }
    QLocalServer* raw = server.get();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw]() {
        while (QLocalSocket* peer = raw->nextPendingConnection())
            peer->deleteLater();
        if (WindowState() == vcl::TWindowState::wsMinimized)
            SetWindowState(vcl::TWindowState::wsNormal);
        raise();
        activateWindow();
    });
    Created->InstanceServer = std::move(server);
    return true;
}

void TfmMain::FormCreate(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
    if (!ClaimSingleInstance()) {
        OtherInstanceFound = true;
        if (vcl::Application)
            vcl::Application->Terminate();
        return;
    }
    SetDeviceId(1);

    CurPage = editors::GainPage;
    Editors().Comp().Select(editors::FirstOutput);
    Editors().Gate().Select(0);
    for (vcl::TControl* box : { Shell().PageUppers[0] /* InA */, Shell().PageLowers[editors::GainPage] })
        if (box)
            box->SetVisible(true);
    SetBounds(Left(), Top(), 1118, 720);
    ExtraHeight = 0;

    // Each curve set draws on its plot control: the eight channel plots, then the Gain page's two.
    for (std::size_t i = 0; i < Plots.size(); ++i) {
        const bool gainIn = i == std::size_t { editors::GainInPlot };
        ResponseView* view = i < Shell().Channels.size() ? Shell().Channels[i].Plot
                             : gainIn                    ? Shell().GainInPlot
                                                         : Shell().GainOutPlot;
        Created->Plots[i] = std::make_unique<Plot>(view);
        Created->Plots[i]->SetPhaseMode(false);
        Plots[i] = Created->Plots[i].get();
    }
    Language = QStringLiteral("English");
    for (std::size_t i = 0; i < Shell().LanguageItems.size(); ++i)
        if (vcl::TMenuItem* m = Shell().LanguageItems[i])
            m->SetChecked(i + 1 == Shell().LanguageItems.size()); // English
    ApplyLanguage();

    Created->Model = std::make_unique<LUnitControl>();
    Created->ModelHost = std::make_unique<MainModelHost>(*this);
    Created->Model->SetLinkHost(Created->ModelHost.get());
    Controller.SetModel(Created->Model.get());
    Editors().SetModel(Created->Model.get());

    StartupRefresh = true;
    SuppressSend = true;
    RefreshAll();
    SuppressSend = false;
    StartupRefresh = false;
    for (vcl::TControl* box : { Shell().PageUppers[editors::GainPage], Shell().PageLowers[editors::GainPage] })
        if (box)
            box->BringToFront();
    tmStartConnect->SetEnabled(true);
    // The Gain page starts with InA's and Out1's totals shown.
    Plots[editors::GainInPlot]->DrawCurve(0, ChannelColors[0]);
    Plots[editors::GainOutPlot]->DrawCurve(editors::FirstOutput, ChannelColors[editors::FirstOutput]);

    Controller.NetworkLink().SetEndpoint(DEFAULT_DEVICE_IP, DevicePort);
    DeviceIp = DottedToIp(DEFAULT_DEVICE_IP);
    if (vcl::TMenuItem* item = Shell().NetworkSetup)
        item->SetVisible(true);

    SetUpUsb();
}

void TfmMain::NetworkSetupClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (!fmNetworkSetup)
        return;
    const bool online = rzbMenuLink && rzbMenuLink->Caption() == GetSidText(QStringLiteral("SID_ONLINE"));
    fmNetworkSetup->LockEntries(online);
    fmNetworkSetup->ShowModal();
}
