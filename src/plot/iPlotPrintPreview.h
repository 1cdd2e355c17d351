#pragma once
// The print preview: the page of the chosen paper, fitted to the window with a shadow, and the plot
// scaled into its print margins; print, settings and close buttons.

#include "plot/iEditorBasicComponents.h"
#include "plot/iPlotTypes.h"

#include "platform/ui/TPanel.h"

class TiPlotComponent;

// Where the preview puts the page in a W x H box. PrintSize: 0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5,
// anything else Letter. Margins in inches; the picture keeps its aspect inside the printable area.
struct TiPreviewPage
{
    vcl::TRect Page;
    vcl::TRect Shadow;
    int PixelsPerInch { 0 };
    int PrintableWidth { 0 };
    int PrintableHeight { 0 };
    vcl::TRect Picture;
};

TiPreviewPage iPreviewPageGeometry(int W, int H, int PrintSize, TPrinterOrientation Orientation, double MarginLeft,
                                   double MarginTop, double MarginRight, double MarginBottom, int PictureWidth,
                                   int PictureHeight);

class TiPlotPreviewSettingsForm : public vcl::TForm
{
public:
    explicit TiPlotPreviewSettingsForm(vcl::TComponent* AOwner);

    TiComponentEditorEdit* PrintMarginLeftEdit;
    TiComponentEditorEdit* PrintMarginTopEdit;
    TiComponentEditorEdit* PrintMarginRightEdit;
    TiComponentEditorEdit* PrintMarginBottomEdit;
    TiComponentEditorRadioGroup* PrintOrientationRadioGroup;
    TiComponentEditorEdit* PrintDocumentNameEdit;
    TiComponentEditorComboBox* PrintPaperSizeComboBox;
    TiComponentEditorButton* OkButton;
    TiComponentEditorButton* CancelButton;
};

class TiPlotPreviewForm : public vcl::TForm
{
public:
    explicit TiPlotPreviewForm(vcl::TComponent* AOwner);

    // Takes the plot's print settings; the caption becomes the document name and " (Preview)".
    void Fill(TiPlotComponent* Plot);
    // The plot's translation table applied to the form's texts.
    void DoTranslation();
    void RenderPage(vcl::TCanvas* Canvas, int W, int H);

    void PreviewPaint();
    void PrintButtonClick();
    void SettingsButtonClick();
    void CloseButtonClick();

    TiPlotComponent* iComponent { nullptr };
    double PrintMarginLeft { 0.0 };
    double PrintMarginTop { 0.0 };
    double PrintMarginRight { 0.0 };
    double PrintMarginBottom { 0.0 };
    TPrinterOrientation PrintOrientation { TPrinterOrientation::poPortrait };
    QString PrintDocumentName;
    int PrintSize { 0 };

    vcl::TPanel* Panel2;
    TiComponentEditorButton* PrintButton;
    TiComponentEditorButton* SettingsButton;
    TiComponentEditorButton* CloseButton;
    TiPaintBox* Preview;
};

// PreviewChart's form: filled from the plot and shown modally.
void iShowPlotPreview(TiPlotComponent& Plot);
