#include "plot/iPlotPrintPreview.h"

#include "plot/iGPGeometry.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMetafile.h"

#include <utility>

using namespace vcl;

namespace {

int PaperCode(int PrintSize)
{
    switch (PrintSize) {
    case 1: return 5;  // Legal
    case 2: return 8;  // A3
    case 3: return 9;  // A4
    case 4: return 11; // A5
    default: return 1; // Letter
    }
}

// The form a control is placed on owns it, as a form resource would, so that translating the
// form reaches every text.
TComponent* FormOf(TWinControl* Parent)
{
    while (Parent->Parent())
        Parent = Parent->Parent();
    return Parent;
}

template <class Control>
Control* Make(TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* control = new Control(FormOf(Parent));
    control->SetParent(Parent);
    control->SetBounds(X, Y, W, H);
    return control;
}

TLabel* MakeLabel(TWinControl* Parent, int X, int Y, const QString& Text)
{
    auto* label = new TLabel(FormOf(Parent));
    label->SetParent(Parent);
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetCaption(Text);
    return label;
}

// The plot's first toolbar hidden while the page is drawn, shown again afterwards. A plot without
// a toolbar has nothing to hide.
class ToolBarHidden
{
public:
    explicit ToolBarHidden(TiPlotComponent* Plot)
        : m_toolBar(Plot && Plot->ToolBarCount() > 0 ? Plot->ToolBar(0) : nullptr)
    {
        if (!m_toolBar)
            return;
        m_wasVisible = m_toolBar->Visible();
        m_toolBar->SetVisible(false);
    }
    ~ToolBarHidden()
    {
        if (m_toolBar)
            m_toolBar->SetVisible(m_wasVisible);
    }
    ToolBarHidden(const ToolBarHidden&) = delete;
    ToolBarHidden& operator=(const ToolBarHidden&) = delete;

private:
    TiPlotToolBar* m_toolBar;
    bool m_wasVisible { false };
};

} // namespace

TiPreviewPage iPreviewPageGeometry(int W, int H, int PrintSize, TPrinterOrientation Orientation, double MarginLeft,
                                   double MarginTop, double MarginRight, double MarginBottom, int PictureWidth,
                                   int PictureHeight)
{
    TiPreviewPage result;
    double paperWidth = 0.0;
    double paperHeight = 0.0;
    iGetPaperSizeInches(PaperCode(PrintSize), paperWidth, paperHeight);
    if (Orientation == TPrinterOrientation::poLandscape)
        std::swap(paperWidth, paperHeight);

    const int aw = W - 20;
    const int ah = H - 20;
    int pageWidth = 0;
    int pageHeight = 0;
    if (static_cast<double>(ah) / paperHeight > static_cast<double>(aw) / paperWidth) {
        pageWidth = aw;
        pageHeight = RoundToInt(paperHeight * aw / paperWidth);
    } else {
        pageHeight = ah;
        pageWidth = RoundToInt(ah / paperHeight * paperWidth);
    }
    const int p = RoundToInt(pageWidth / paperWidth);
    result.PixelsPerInch = p;
    result.PrintableWidth = pageWidth - RoundToInt((MarginLeft + MarginRight) * p);
    result.PrintableHeight = pageHeight - RoundToInt((MarginTop + MarginBottom) * p);

    result.Page = TRect(W / 2 - pageWidth / 2 - 5, H / 2 - pageHeight / 2 - 5, W / 2 + pageWidth / 2 - 5,
                        H / 2 + pageHeight / 2 - 5);
    result.Shadow = TRect(result.Page.Left + 7, result.Page.Top + 7, result.Page.Right + 7, result.Page.Bottom + 7);

    int pictureWidth = result.PrintableWidth;
    int pictureHeight = result.PrintableHeight;
    if (PictureWidth > 0 && PictureHeight > 0) {
        if (static_cast<double>(result.PrintableWidth) / PictureWidth
            >= static_cast<double>(result.PrintableHeight) / PictureHeight) {
            pictureHeight = result.PrintableHeight;
            pictureWidth = RoundToInt(static_cast<double>(PictureWidth) * result.PrintableHeight / PictureHeight);
        } else {
            pictureWidth = result.PrintableWidth;
            pictureHeight = RoundToInt(static_cast<double>(PictureHeight) * result.PrintableWidth / PictureWidth);
        }
    }
    const int left = result.Page.Left + RoundToInt(p * MarginLeft);
    const int top = result.Page.Top + RoundToInt(p * MarginTop);
    result.Picture = TRect(left, top, left + pictureWidth, top + pictureHeight);
    return result;
}

// --- settings ---

TiPlotPreviewSettingsForm::TiPlotPreviewSettingsForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(QStringLiteral("Settings"));
    SetBounds(0, 0, 419, 237);
    auto* margins = Make<TiComponentEditorGroupBox>(this, 8, 8, 185, 130);
    margins->SetCaption(QStringLiteral("Margin"));
    const auto marginEdit = [&](int row, const QString& text) {
        MakeLabel(margins, 10, 22 + row * 26, text);
        return Make<TiComponentEditorEdit>(margins, 80, 20 + row * 26, 90, 21);
    };
    PrintMarginLeftEdit = marginEdit(0, QStringLiteral("Left"));
    PrintMarginTopEdit = marginEdit(1, QStringLiteral("Top"));
    PrintMarginRightEdit = marginEdit(2, QStringLiteral("Right"));
    PrintMarginBottomEdit = marginEdit(3, QStringLiteral("Bottom"));

    PrintOrientationRadioGroup = Make<TiComponentEditorRadioGroup>(this, 205, 8, 200, 60);
    PrintOrientationRadioGroup->SetCaption(QStringLiteral("Orientation"));
    PrintOrientationRadioGroup->Items()->Add(QStringLiteral("Portrait"));
    PrintOrientationRadioGroup->Items()->Add(QStringLiteral("Landscape"));

    MakeLabel(this, 205, 78, QStringLiteral("Document Name"));
    PrintDocumentNameEdit = Make<TiComponentEditorEdit>(this, 205, 94, 200, 21);
    MakeLabel(this, 205, 122, QStringLiteral("Paper Size"));
    PrintPaperSizeComboBox = Make<TiComponentEditorComboBox>(this, 205, 138, 200, 21);
    PrintPaperSizeComboBox->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* size : { "Letter", "Legal", "A3", "A4", "A5" })
        PrintPaperSizeComboBox->Items()->Add(QString::fromLatin1(size));

    OkButton = Make<TiComponentEditorButton>(this, 246, 198, 75, 25);
    OkButton->SetCaption(QStringLiteral("OK"));
    OkButton->SetModalResult(mrOk);
    OkButton->SetDefault(true);
    CancelButton = Make<TiComponentEditorButton>(this, 330, 198, 75, 25);
    CancelButton->SetCaption(QStringLiteral("Cancel"));
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
}

// --- preview ---

TiPlotPreviewForm::TiPlotPreviewForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption(QStringLiteral("Zarvik Plot Preview"));
    SetBounds(0, 0, 836, 563);
    Panel2 = Make<TPanel>(this, 0, 0, 836, 41);
    Panel2->SetAlign(TAlign::alTop);
    Panel2->SetCaption(QString());
    PrintButton = Make<TiComponentEditorButton>(Panel2, 8, 6, 60, 28);
    PrintButton->SetCaption(QStringLiteral("Print"));
    PrintButton->OnClick = [this](TObject*) { PrintButtonClick(); };
    SettingsButton = Make<TiComponentEditorButton>(Panel2, 76, 6, 75, 28);
    SettingsButton->SetCaption(QStringLiteral("Settings"));
    SettingsButton->OnClick = [this](TObject*) { SettingsButtonClick(); };
    CloseButton = Make<TiComponentEditorButton>(Panel2, 159, 6, 75, 28);
    CloseButton->SetCaption(QStringLiteral("Close"));
    CloseButton->OnClick = [this](TObject*) { CloseButtonClick(); };
    Preview = Make<TiPaintBox>(this, 0, 41, 836, 522);
    Preview->SetAlign(TAlign::alClient);
    Preview->OnPaint = [this](TObject*) { PreviewPaint(); };
}

void TiPlotPreviewForm::Fill(TiPlotComponent* Plot)
{
    iComponent = Plot;
    PrintMarginLeft = Plot->PrintMarginLeft();
    PrintMarginTop = Plot->PrintMarginTop();
    PrintMarginRight = Plot->PrintMarginRight();
    PrintMarginBottom = Plot->PrintMarginBottom();
    PrintOrientation = Plot->PrintOrientation();
    PrintDocumentName = Plot->PrintDocumentName();
    PrintSize = 0;
    SetCaption(PrintDocumentName + QStringLiteral(" (Preview)"));
}

void TiPlotPreviewForm::DoTranslation()
{
    if (iComponent)
        iComponent->Master()->TranslateForm(this);
}

void TiPlotPreviewForm::RenderPage(TCanvas* Canvas, int W, int H)
{
    TMetafile* picture = iComponent->GetSnapShotPicture();
    const TiPreviewPage page = iPreviewPageGeometry(
        W, H, PrintSize, iComponent->PrintOrientation(), iComponent->PrintMarginLeft(), iComponent->PrintMarginTop(),
        iComponent->PrintMarginRight(), iComponent->PrintMarginBottom(), picture->Width(), picture->Height());
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(TRect(0, 0, W, H));
    Canvas->Brush()->SetColor(clBlack);
    Canvas->Rectangle(page.Shadow);
    Canvas->Brush()->SetColor(clWhite);
    Canvas->Rectangle(page.Page);
    // Stretched into its place; the plot's own picture keeps its size.
    Canvas->StretchDraw(page.Picture, picture);
}

void TiPlotPreviewForm::PreviewPaint()
{
    if (!iComponent)
        return;
    const int W = Preview->Width();
    const int H = Preview->Height();
    TBitmap bitmap;
    bitmap.SetSize(W, H);
    {
        ToolBarHidden hidden(iComponent);
        if (iComponent->OnBeforePrint)
            iComponent->OnBeforePrint(this);
        RenderPage(bitmap.Canvas(), W, H);
        Preview->Canvas()->Draw(0, 0, &bitmap);
    }
    if (iComponent->OnAfterPrint)
        iComponent->OnAfterPrint(this);
}

void TiPlotPreviewForm::PrintButtonClick()
{
    iComponent->PrintChart();
    Preview->Invalidate();
}

void TiPlotPreviewForm::SettingsButtonClick()
{
    TiPlotPreviewSettingsForm settings(nullptr);
    settings.PrintMarginLeftEdit->SetAsFloat(PrintMarginLeft);
    settings.PrintMarginTopEdit->SetAsFloat(PrintMarginTop);
    settings.PrintMarginRightEdit->SetAsFloat(PrintMarginRight);
    settings.PrintMarginBottomEdit->SetAsFloat(PrintMarginBottom);
    settings.PrintOrientationRadioGroup->SetAsInteger(PrintOrientation == TPrinterOrientation::poLandscape ? 1 : 0);
    settings.PrintDocumentNameEdit->SetAsString(PrintDocumentName);
    settings.PrintPaperSizeComboBox->SetAsInteger(PrintSize);
    iComponent->Master()->TranslateForm(&settings);
    if (settings.ShowModal() != mrOk)
        return;
    PrintMarginLeft = settings.PrintMarginLeftEdit->AsFloat();
    PrintMarginTop = settings.PrintMarginTopEdit->AsFloat();
    PrintMarginRight = settings.PrintMarginRightEdit->AsFloat();
    PrintMarginBottom = settings.PrintMarginBottomEdit->AsFloat();
    PrintOrientation = settings.PrintOrientationRadioGroup->AsInteger() == 1 ? TPrinterOrientation::poLandscape
                                                                             : TPrinterOrientation::poPortrait;
    PrintDocumentName = settings.PrintDocumentNameEdit->AsString();
    PrintSize = settings.PrintPaperSizeComboBox->AsInteger();
    iComponent->SetPrintMarginLeft(PrintMarginLeft);
    iComponent->SetPrintMarginTop(PrintMarginTop);
    iComponent->SetPrintMarginRight(PrintMarginRight);
    iComponent->SetPrintMarginBottom(PrintMarginBottom);
    iComponent->SetPrintOrientation(PrintOrientation);
    iComponent->SetPrintDocumentName(PrintDocumentName);
    SetCaption(PrintDocumentName + QStringLiteral(" (Preview)"));
    Preview->Invalidate();
}

void TiPlotPreviewForm::CloseButtonClick()
{
    SetModalResult(mrOk);
}

void iShowPlotPreview(TiPlotComponent& Plot)
{
    TiPlotPreviewForm form(nullptr);
    form.Fill(&Plot);
    form.DoTranslation();
    form.ShowModal();
}
