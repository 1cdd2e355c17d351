// The main window's side of its block editors: what the editors ask of the window, and the entries
// the dialogs and the device view call, each passed to its editor while every control the editors
// were handed is still there.

#include "ui/FMain.h"

#include "platform/ui/TLabel.h"
#include "ui/FMainLayoutParts.h"
#include "ui/FPeqRst.h"
#include "ui/RefreshDialogs.h"
#include "ui/Skin.h"
#include "ui/editors/EditorSet.h"

using namespace editors;

namespace {

class MainEditorWindow final : public EditorWindow
{
public:
    explicit MainEditorWindow(TfmMain& form) : Form(form) {}

    QString Text(const QString& key) const override { return Form.GetSidText(key); }
    int CurrentPage() const override { return Form.CurPage; }
    bool InStartupRefresh() const override { return Form.StartupRefresh; }
    int ExtraHeight() const override { return Form.ExtraHeight; }
    int LinkMaskOf(int ch) const override { return Form.LinkMaskOf(ch); }
    void ShowPreset(const QString& number, const QString& name) override
    {
        Form.lbPstNum->SetCaption(number);
        Form.lbPstName->SetCaption(name);
    }
    void RefreshAll() override { Form.RefreshAll(); }
    // A dragged cut-off's box shows its frequency in green, then the value boxes' own text colour;
    // both read on the dark field.
    vcl::TColor CutTextColour(bool dragged) const override
    {
        return dragged ? skin::Colour(skin::Legible(skin::Rgb { 0, 128, 0 }, skin::FieldBack)) : skin::Colour(skin::FieldText);
    }
    void ShowChannelLinks(int ch, int mask) override { RefreshDialogs::ShowChannelLinks(ch, mask); }
    void ShowWorkMode(int mode, int sineIndex) override { RefreshDialogs::ShowWorkMode(mode, sineIndex); }
    void ApplyLinks() override { RefreshDialogs::ApplyLinks(); }
    void AskPeqReset(int ch) override
    {
        if (!fmPeqRst)
            return;
        fmPeqRst->SetChannel(ch);
        fmPeqRst->ShowModal();
    }
    bool IsLinked() const override { return Form.Controller.IsLinked(); }
    int CurrentPreset() const override { return Form.Controller.CurrentPreset(); }
    void CopyOnDevice(int src, int dst, bool reread) override { Form.Controller.CopyChannel(src, dst, reread); }
    void RereadFromDevice() override
    {
        Form.Controller.StartReread();
        // A hidden or disabled window cannot take the focus; the re-read goes on regardless.
        if (Form.rzbMenuLink && Form.rzbMenuLink->CanFocus())
            Form.rzbMenuLink->SetFocus();
    }

private:
    TfmMain& Form;
};

} // namespace

void TfmMain::MakeEditors()
{
    m_editorWindow = std::make_unique<MainEditorWindow>(*this);
    const EditorContext context { *m_editorWindow, Controller, SuppressSend, Plots, StaleMarks,
                                  { tmEqCurve, tmHpLpCurve, tmCompDisp, tmMouseEqCurve } };
    m_editors = std::make_unique<EditorSet>(context, layout::CollectEditorControls(*this));
    m_editors->BindHandlers();
}

bool TfmMain::EditorsIntact() const
{
    return m_editors && m_editors->Intact();
}

int TfmMain::GroupMaskOf(int ch) const { return editors::GroupMaskOf(Controller.Model(), ch); }
void TfmMain::SetLinkMask(int ch, int mask) { if (EditorsIntact()) Editors().Links().SetLinkMask(ch, mask); }
void TfmMain::SetMenuCaption(int master, int ch) { if (EditorsIntact()) Editors().Links().SetMenuCaption(master, ch); }
void TfmMain::CopyChannel(int src, int dst, bool reread) { if (EditorsIntact()) Editors().Links().CopyChannel(src, dst, reread); }
void TfmMain::RereadAfterLink() { if (EditorsIntact()) Editors().Links().RereadAfterLink(); }
void TfmMain::ResetChannelPeq(int ch) { if (EditorsIntact()) Editors().Peq().ResetChannel(ch); }
void TfmMain::PlaceDelayLine(int ch) { if (EditorsIntact()) Editors().Delay().PlaceLine(ch); }
void TfmMain::RefreshGainPageCurves() { if (EditorsIntact()) Editors().Overlays().RefreshGainPageCurves(); }
void TfmMain::RefreshChannelOverlays(int page) { if (EditorsIntact()) Editors().Overlays().RefreshChannelOverlays(page); }
void TfmMain::ShowOverlayButtons(int ch, bool show) { if (EditorsIntact()) Editors().Overlays().ShowButtons(ch, show); }
void TfmMain::RefreshAll() { if (EditorsIntact()) Editors().Refresh().RefreshAll(); }
void TfmMain::ClearMeters() { if (EditorsIntact()) Editors().Meters().Clear(); }
void TfmMain::OnLevelReply(const BytePacket& payload) { if (EditorsIntact()) Editors().Meters().Show(payload); }
