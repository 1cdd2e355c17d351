// Routing matrix toggles, the routing lines of the block diagram and its block labels.

#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorNames.h"

#include "device/LUnitControl.h"
#include "platform/ui/TPaintBox.h"
#include "widgets/RzBmpBtn.h"

using namespace editors;

namespace editors {

std::vector<MatrixLine> MatrixLines(const std::array<int, 6>& masks, int width, int extraHeight)
{
    static constexpr int start[2] = { 41, 166 };
    static constexpr int end[6] = { 0, 41, 83, 124, 166, 206 };
    std::vector<MatrixLine> lines;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 6; ++j)
            if (masks[static_cast<std::size_t>(j)] & (1 << i))
                lines.push_back({ i, 0, start[i] + i * (extraHeight / 2), width, (extraHeight / 7) * (j + 1) + end[j] });
    return lines;
}

} // namespace editors

void TfmMain::DrawMatrixLines()
{
    auto* box = Find<vcl::TPaintBox>(this, QStringLiteral("pbMatrix"));
    if (!box || !UnitControl || !box->Canvas())
        return;
    std::array<int, 6> masks {};
    for (int j = 0; j < 6; ++j)
        masks[static_cast<std::size_t>(j)] = UnitControl->GetMatrix(j + 2);
    vcl::TCanvas& canvas = *box->Canvas();
    canvas.Pen()->SetWidth(2);
    static constexpr vcl::TColor colours[2] = { 0x800080, 0x008080 };
    for (const MatrixLine& line : MatrixLines(masks, box->Width(), ExtraHeight)) {
        canvas.Pen()->SetColor(colours[line.Input]);
        canvas.MoveTo(line.X1, line.Y1);
        canvas.LineTo(line.X2, line.Y2);
    }
}

void TfmMain::OpenPageFromDiagram(const QString& pageButton)
{
    auto* page = Find<rz::TRzBmpButton>(this, pageButton);
    if (!page)
        return;
    page->Click();
    page->SetDown(true);
    if (auto* matrix = Find<rz::TRzBmpButton>(this, QStringLiteral("rzbMenuMatrix")))
        matrix->SetDown(false);
}

void TfmMain::lbMatrixHpLpInAClick(vcl::TObject* Sender)
{
    if (auto* label = dynamic_cast<vcl::TComponent*>(Sender))
        OpenPageFromDiagram(QStringLiteral("rzbMenu") + ChannelSuffix(static_cast<int>(label->Tag())));
}

void TfmMain::lbMatrixDelayInAClick(vcl::TObject*) { OpenPageFromDiagram(QStringLiteral("rzbMenuDelay")); }
void TfmMain::lbMatrixCompOut1Click(vcl::TObject*) { OpenPageFromDiagram(QStringLiteral("rzbMenuComp")); }
void TfmMain::lbMatrixGainInAClick(vcl::TObject*) { OpenPageFromDiagram(QStringLiteral("rzbMenuGain")); }
void TfmMain::lbMatrixGateInAClick(vcl::TObject*) { OpenPageFromDiagram(QStringLiteral("rzbMenuGate")); }

void TfmMain::lbMatrixChNameInAMouseMove(vcl::TObject* Sender, vcl::TShiftState, int, int)
{
    if (auto* label = dynamic_cast<vcl::TLabel*>(Sender))
        label->SetCursor(vcl::crHandPoint);
}

void TfmMain::lbMatrixChNameInAMouseLeave(vcl::TObject* Sender)
{
    if (auto* label = dynamic_cast<vcl::TLabel*>(Sender))
        label->SetCursor(vcl::crDefault);
}
