// Link groups and routing: the group of a channel, link masks, channel copy, the routing matrix
// toggles and lines of the block diagram and its block labels.

#include "ui/editors/LinkEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/LinkRules.h"

#include "device/LUnitControl.h"
#include "platform/ui/TPaintBox.h"
#include "widgets/RzBmpBtn.h"

namespace editors {

std::vector<MatrixLine> MatrixLines(const std::array<int, 6>& masks, int width, int extraHeight)
{
    static constexpr int start[InputCount] = { 41, 166 };
    static constexpr int end[OutputCount] = { 0, 41, 83, 124, 166, 206 };
    std::vector<MatrixLine> lines;
    for (int i = 0; i < InputCount; ++i)
        for (int j = 0; j < OutputCount; ++j)
            if (masks[static_cast<std::size_t>(j)] & (1 << i))
                lines.push_back({ i, 0, start[i] + i * (extraHeight / 2), width, (extraHeight / 7) * (j + 1) + end[j] });
    return lines;
}

int GroupMaskOf(const LUnitControl* model, int ch)
{
    if (!model || !IsChannel(ch))
        return 0;
    LinkMasks raw {};
    for (int c = 0; c < ChannelCount; ++c)
        raw[static_cast<std::size_t>(c)] = model->GetLink(c);
    return ValidLinkMask(raw, LinkLeader(raw, ch));
}

void LinkEditor::RouteClick(vcl::TObject* Sender, int ch)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    LUnitControl* model = Model();
    if (!ZQ9_EXPECT(button) || !model || !IsOutput(ch))
        return;
    const int bit = 1 << static_cast<int>(button->Tag());
    int mask = model->GetMatrix(ch);
    mask = button->Down() ? (mask | bit) : (mask & ~bit);
    model->SetMatrix(ch, static_cast<std::uint16_t>(mask));
    m_controls.Matrix->Repaint(); // its paint draws the lines
}

void LinkEditor::DrawMatrixLines()
{
    vcl::TPaintBox* box = m_controls.Matrix;
    if (!Model() || !box->Canvas())
        return;
    std::array<int, OutputCount> masks {};
    for (int j = 0; j < OutputCount; ++j)
        masks[static_cast<std::size_t>(j)] = Model()->GetMatrix(j + FirstOutput);
    vcl::TCanvas& canvas = *box->Canvas();
    canvas.Pen()->SetWidth(2);
    static constexpr vcl::TColor colours[InputCount] = { 0x800080, 0x008080 };
    for (const MatrixLine& line : MatrixLines(masks, box->Width(), m_ctx.Window.ExtraHeight())) {
        canvas.Pen()->SetColor(colours[line.Input]);
        canvas.MoveTo(line.X1, line.Y1);
        canvas.LineTo(line.X2, line.Y2);
    }
}

void LinkEditor::OpenPageFromDiagram(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    rz::TRzBmpButton* button = m_controls.PageButtons[static_cast<std::size_t>(page)];
    button->Click();
    button->SetDown(true);
    m_controls.PageButtons[MatrixPage]->SetDown(false);
}

void LinkEditor::SetLinkMask(int ch, int mask)
{
    if (Model())
        Model()->SetLink(ch, static_cast<std::uint16_t>(mask));
}

void LinkEditor::SetMenuCaption(int master, int ch)
{
    if (!IsChannel(ch))
        return;
    rz::TRzBmpButton* button = Of(ch).PageButton;
    if (master == ch)
        button->SetCaption(ChannelSuffix(ch));
    else
        button->SetCaption(QString(ChannelLetter(ch)) + QLatin1Char('=') + ChannelLetter(master));
}

void LinkEditor::CopyChannel(int src, int dst, bool reread)
{
    // A copy joins two different channels of one side; anything else is refused.
    LUnitControl* model = Model();
    if (src == dst || !model || !IsChannel(src) || !IsChannel(dst) || IsInput(src) != IsInput(dst))
        return;
    if (m_ctx.Window.IsLinked()) {
        m_ctx.Window.CopyOnDevice(src, dst, reread);
        return;
    }
    ForEachGroupMember(Model(), dst, [&](int m) { model->CopyChannel(src, m); });
    if (reread)
        m_ctx.Window.RefreshAll();
}

void LinkEditor::RereadAfterLink()
{
    if (m_ctx.Window.IsLinked()) {
        m_ctx.Window.RereadFromDevice();
        return;
    }
    m_ctx.Window.RefreshAll();
}

} // namespace editors
