// The main menu and its commands: files and presets, the dialogs, the language items.

#include "ui/FMain.h"

#include "platform/ui/TLabel.h"
#include "platform/ui/TMenus.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/FAbout.h"
#include "ui/FChNameList.h"
#include "ui/FCopy.h"
#include "ui/FExit.h"
#include "ui/FFactory.h"
#include "ui/FHidData.h"
#include "ui/FInformation.h"
#include "ui/FLinkSel.h"
#include "ui/FLockSetup.h"
#include "ui/FMainLayoutNames.h"
#include "ui/FMemo.h"
#include "ui/FRecallPreset.h"
#include "ui/FRs232CodeDoc.h"
#include "ui/FRs232CodeDocEnglish.h"
#include "ui/FStorePreset.h"
#include "ui/FTest.h"

#include <cstring>

namespace {

const char* MenuKey(const char* item)
{
    // Captioned offline until the link state says otherwise.
    if (std::strcmp(item, "Connected") == 0)
        return "SID_CONNECT";
    for (const auto& m : layout::MenuTexts) {
        if (std::strcmp(m.item, item) == 0)
            return m.key;
    }
    return "";
}

template <class Form>
void ShowModalIf(Form* form)
{
    if (form)
        form->ShowModal();
}

} // namespace

void TfmMain::BuildMenus()
{
    auto* menu = new vcl::TMainMenu(this);
    menu->SetName(QStringLiteral("MainMenu"));
    auto item = [this](vcl::TMenuItem* parent, const char* name, bool visible, vcl::TNotifyEvent click = {}) {
        auto* it = new vcl::TMenuItem(this);
        if (name) {
            it->SetName(QString::fromLatin1(name));
            // The bar takes its height from the captions it holds when it is attached.
            it->SetCaption(GetSidText(QString::fromLatin1(MenuKey(name))));
        } else
            it->SetCaption(QStringLiteral("-"));
        it->SetVisible(visible);
        it->OnClick = std::move(click);
        parent->Add(it);
        return it;
    };
    vcl::TMenuItem* root = menu->Items();

    vcl::TMenuItem* file = item(root, "File", true);
    item(file, "Open", true, vcl::Method(this, &TfmMain::OpenClick));
    item(file, "Save", true, vcl::Method(this, &TfmMain::SaveClick));
    item(file, nullptr, true);
    item(file, "Upload", true, vcl::Method(this, &TfmMain::UploadClick));
    item(file, "Download", true, vcl::Method(this, &TfmMain::DownloadClick));
    item(file, nullptr, false);
    item(file, "FactoryDefault", false, vcl::Method(this, &TfmMain::FactoryDefaultClick));
    item(file, nullptr, true);
    item(file, "Exit", true, vcl::Method(this, &TfmMain::ExitClick));

    item(root, "Link", true, [](vcl::TObject*) { ShowModalIf(fmLinkSel); });
    item(root, "Copy", true, [](vcl::TObject*) { ShowModalIf(fmCopy); });
    item(root, "Lock", true, vcl::Method(this, &TfmMain::LockClick));
    item(root, "SettingID", false);
    item(root, "NetworkSetup", false, vcl::Method(this, &TfmMain::NetworkSetupClick));
    item(root, "TestTone", true, vcl::Method(this, &TfmMain::TestToneClick));
    item(root, "ChNameList", true, vcl::Method(this, &TfmMain::ChNameListClick));

    vcl::TMenuItem* language = item(root, "LanguageSel", true);
    item(language, "ChineseSimplified", true, vcl::Method(this, &TfmMain::ChineseSimplifiedClick))->SetTag(0);
    item(language, "ChineseTraditional", false)->SetTag(1);
    vcl::TMenuItem* english = item(language, "English", true, vcl::Method(this, &TfmMain::EnglishClick));
    english->SetTag(2);
    english->SetChecked(true);

    vcl::TMenuItem* help = item(root, "Help", true);
    item(help, "Rs232Code", true, vcl::Method(this, &TfmMain::Rs232CodeClick));
    item(help, nullptr, false);
    item(help, "MemoShow", false, vcl::Method(this, &TfmMain::MemoShowClick))->SetCaption(QStringLiteral("Memo Show"));
    item(help, "HidData", false, vcl::Method(this, &TfmMain::HidDataClick))->SetCaption(QStringLiteral("HidData"));
    item(help, "LockSetup", false, vcl::Method(this, &TfmMain::LockClick));

    item(root, "BlockDiagram", false);
    vcl::TMenuItem* connect = item(root, "Connect", false);
    item(connect, "Connected", false);
    item(connect, nullptr, false);
    item(connect, "ConnectHelp", false);
    item(root, "About", true, vcl::Method(this, &TfmMain::AboutClick));

    menu->AttachTo(this);
}

void TfmMain::ShowInformation(const QString& key)
{
    if (!fmInformation)
        return;
    fmInformation->SetMessage(GetSidText(key));
    fmInformation->ShowModal();
}

void TfmMain::OpenClick(vcl::TObject* Sender)
{
    (void)Sender;
    const bool was = SuppressSend;
    SuppressSend = true;
    OpenPresetFile();
    SuppressSend = was;
    for (const MainShellControls::Channel& c : Shell().Channels)
        if (c.Plot)
            c.Plot->Invalidate();
}

void TfmMain::SaveClick(vcl::TObject* Sender)
{
    (void)Sender;
    SavePresetFile();
}

void TfmMain::UploadClick(vcl::TObject* Sender)
{
    (void)Sender;
    UploadUnit();
}

void TfmMain::DownloadClick(vcl::TObject* Sender)
{
    (void)Sender;
    DownloadUnit();
}

void TfmMain::FactoryDefaultClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (Controller.IsLinked())
        ShowModalIf(fmFactory);
    else
        ShowInformation(QStringLiteral("SID_INFO_CON_FIRST"));
}

void TfmMain::ExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    ShowModalIf(fmExit);
}

void TfmMain::LockClick(vcl::TObject* Sender)
{
    (void)Sender;
    ShowModalIf(fmLockSetup);
}

void TfmMain::TestToneClick(vcl::TObject* Sender)
{
    (void)Sender;
    ShowModalIf(fmTest);
}

void TfmMain::ChNameListClick(vcl::TObject* Sender)
{
    (void)Sender;
    ShowModalIf(fmChNameList);
}

void TfmMain::Rs232CodeClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (Language == QLatin1String("English"))
        ShowModalIf(fmRs232CodeEnglish);
    else
        ShowModalIf(fmRs232Code);
}

void TfmMain::MemoShowClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (fmMemo)
        fmMemo->Show();
}

void TfmMain::HidDataClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (fmHidData)
        fmHidData->Show();
}

void TfmMain::AboutClick(vcl::TObject* Sender)
{
    (void)Sender;
    ShowModalIf(fmAbout);
}

void TfmMain::bStoreClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (!fmStorePreset)
        return;
    if (fmStorePreset->lPresetSelect)
        fmStorePreset->lPresetSelect->SetCaption(QStringLiteral("Store Preset"));
    fmStorePreset->ShowModal();
}

void TfmMain::bRecallClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (!fmRecallPreset)
        return;
    if (fmRecallPreset->lPresetSelect)
        fmRecallPreset->lPresetSelect->SetCaption(QStringLiteral("Recall Preset"));
    fmRecallPreset->ShowModal();
}

void TfmMain::FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action)
{
    (void)Sender;
    if (fmExit && !fmExit->Visible())
        fmExit->Show();
    if (!m_exitConfirmed) {
        Action = vcl::TCloseAction::caNone;
        return;
    }
    if (fmExit)
        fmExit->Hide();
    while (DropOpenTransport()) {
    }
}
