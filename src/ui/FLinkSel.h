#pragma once
// Joins the channels of one side into link groups: per side a triangle of buttons, one row per
// channel, in which the row's channel picks the channel it follows or itself. Set stores the masks,
// copies each master's settings into its new followers and reads the device again; Exit forgets the clicks.

#include "platform/ui/TForm.h"

#include <array>

namespace rz { class TRzBmpButton; }
namespace vcl { class TGroupBox; }

class TfmLinkSel : public vcl::TForm
{
public:
    explicit TfmLinkSel(vcl::TComponent* owner);
    ~TfmLinkSel() override;

    void FormShow(vcl::TObject* Sender);
    // Row handlers: input row B, output rows 2..6.
    void rzbBLinkInAClick(vcl::TObject* Sender);
    void rzb2LinkOut1Click(vcl::TObject* Sender);
    void rzb3LinkOut1Click(vcl::TObject* Sender);
    void rzb4LinkOut1Click(vcl::TObject* Sender);
    void rzb5LinkOut1Click(vcl::TObject* Sender);
    void rzb6LinkOut1Click(vcl::TObject* Sender);
    // Published but used by no button: each only notes a change.
    void rzbCLinkInAClick(vcl::TObject* Sender);
    void rzb7LinkOut1Click(vcl::TObject* Sender);
    void rzbDLinkInDClick(vcl::TObject* Sender);
    void rzb8LinkOut8Click(vcl::TObject* Sender);
    void bnSetClick(vcl::TObject* Sender);
    void bnExitClick(vcl::TObject* Sender);
    // Every way out but Set (Exit, the title bar, Esc) forgets the clicks.
    void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);

    // Presses the buttons of column ch for the set bits of mask (each pressed button is clicked).
    void ShowChannelLinks(int ch, int mask);
    // The leaders' state to the main window's overlay toggles and page captions.
    void ApplyLinkButtons();
    // Every channel's page caption from the buttons.
    void ApplyNewLinks();

    // The button of the row of channel row in the column of channel col (both ChannelIndex values of
    // one side, col <= row); nullptr when there is none.
    rz::TRzBmpButton* LinkButton(int row, int col) const;
    static QString LinkButtonName(int row, int col);

    int Changed { 0 };

    vcl::TGroupBox* rzgLinkSelIn { nullptr };
    vcl::TGroupBox* rzgLinkSelOut { nullptr };
    rz::TRzBmpButton* bnSet { nullptr };
    rz::TRzBmpButton* bnExit { nullptr };

private:
    void RowClick(int row, vcl::TObject* Sender);

    // The buttons by row and column, as LinkButton hands them out.
    std::array<std::array<rz::TRzBmpButton*, 8>, 8> m_linkButtons {};
};

extern TfmLinkSel* fmLinkSel;
