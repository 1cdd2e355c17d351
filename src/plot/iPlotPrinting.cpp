// The plot on paper, on the clipboard and in pictures: every output is the plot's own drawing,
// recorded or painted off screen at the control's size.

#include "plot/iPlotComponent.h"
#include "plot/iEditorPickers.h"
#include "plot/iGPGeometry.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotOutputHooks.h"
#include "plot/iPlotPrintLayout.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/TUpdateGuard.h"
#include "platform/images/JpegCodec.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TJPEGImage.h"
#include "platform/ui/TPrinter.h"

#include <QPainter>

#include <algorithm>

using namespace vcl;

double iPrintScale(const TiPrintPageGeometry& Page, int Width, int Height)
{
    if (Width <= 0 || Height <= 0)
        return 0.0;
    const double sx = (Page.PaperWidthPixels - (Page.MarginLeft + Page.MarginRight) * Page.DpiX) / Width;
    const double sy = (Page.PaperHeightPixels - (Page.MarginTop + Page.MarginBottom) * Page.DpiY) / Height;
    return std::min(sx, sy);
}

TRect iPrintPageRect(const TiPrintPageGeometry& Page, int Width, int Height)
{
    const double s = iPrintScale(Page, Width, Height);
    const double left = Page.DpiX * Page.MarginLeft - Page.OffsetX;
    const double top = Page.DpiY * Page.MarginTop - Page.OffsetY;
    return TRect(RoundToInt(left), RoundToInt(top), RoundToInt(left + Width * s), RoundToInt(top + Height * s));
}

namespace {

// Toolbars hidden and selections cleared inside an update block; toolbar visibility and the
// update come back on every exit path.
class PlainPlotScope
{
public:
    explicit PlainPlotScope(TiPlotComponent& Plot)
        : m_plot(Plot), m_toolBarsVisible(Plot.ToolBarCount() > 0 && Plot.ToolBar(0)->Visible())
    {
        m_plot.BeginUpdate();
        m_plot.Master()->ShowToolBars(false);
        m_plot.Master()->DeSelectAll();
    }
    ~PlainPlotScope()
    {
        m_plot.Master()->ShowToolBars(m_toolBarsVisible);
        m_plot.EndUpdate();
    }
    PlainPlotScope(const PlainPlotScope&) = delete;
    PlainPlotScope& operator=(const PlainPlotScope&) = delete;

private:
    TiPlotComponent& m_plot;
    bool m_toolBarsVisible;
};

} // namespace

void TiPlotComponent::CopyToClipBoard()
{
    PlainPlotScope plain(*this);
    switch (CopyToClipBoardFormat()) {
    case TiPlotExportFormat::ipefMetaFile: {
        TMetafile metafile;
        PaintToMetafile(metafile, QStringLiteral("Strip Chart"));
        Clipboard()->AssignMetafile(metafile);
        break;
    }
    case TiPlotExportFormat::ipefBitmap: {
        TBitmap bitmap;
        bitmap.SetImage(PaintToImage());
        Clipboard()->AssignBitmap(bitmap);
        break;
    }
    case TiPlotExportFormat::ipefJPEG: {
        const std::unique_ptr<TJPEGImage> jpeg = GetJPEGImage(100, false);
        Clipboard()->AssignJpeg(jpeg->Bytes(), jpeg->Pixels());
        break;
    }
    }
}

TMetafile* TiPlotComponent::GetSnapShotPicture()
{
    if (!FSnapShotPicture)
        FSnapShotPicture = std::make_unique<TMetafile>();
    TMetafile metafile;
    PaintToMetafile(metafile, QStringLiteral("iPlot"));
    FSnapShotPicture->Assign(&metafile);
    return FSnapShotPicture.get();
}

void TiPlotComponent::Save()
{
    // One dialog for the control's life: the default folder is offered on the first call only,
    // later calls start where the user left off.
    if (!FSaveDialog) {
        FSaveDialog = new TiComponentEditorSavePicker(this);
        FSaveDialog->SetVisible(false);
        FSaveDialog->SetParent(this);
    }
    FSaveDialog->SetDefaultDir(DefaultSaveImageDirectory());
    FSaveDialog->SetFilter(QStringLiteral(
        "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png"));
    FSaveDialog->SetFileName(QStringLiteral("Untitled"));
    FSaveDialog->SetFilterIndex(static_cast<int>(DefaultSaveImageFormat()) + 1);
    if (!FSaveDialog->Execute())
        return;
    const QString chosen = FSaveDialog->FileName();
    Master()->DeSelectAll();
    const QString ending = chosen.right(3);
    if (ending == QLatin1String("bmp"))
        SaveImageToBitmap(chosen);
    else if (ending == QLatin1String("emf"))
        SaveImageToMetaFile(chosen);
    else if (ending == QLatin1String("jpg"))
        SaveImageToJPEG(chosen, 100, true);
    else if (ending == QLatin1String("png"))
        SaveImageToPNG(chosen, 9);
}

void TiPlotComponent::PreviewChart()
{
    if (!TiPlotOutputHooks::ShowPreview)
        throw Exception(QStringLiteral("The print preview is not available"));
    TiPlotOutputHooks::ShowPreview(*this);
}

// ---------------------------------------------------------------- printing

void TiPlotComponent::PrintChart()
{
    TPrinter* printer = Printer();
    if (printer->Printing())
        printer->EndDoc();
    printer->SetOrientation(PrintOrientation() == TPrinterOrientation::poLandscape ? TPaperOrientation::poLandscape
                                                                                     : TPaperOrientation::poPortrait);
    printer->SetTitle(PrintDocumentName());
    if (PrintShowDialog() && !ExecutePrintDialog(*printer))
        return;
    TUpdateGuard<TiPlotComponent> update(this);
    try {
        FPrintXStart = XAxis(0)->Min();
        FPrintXStop = XAxis(0)->Max();
        PrintPages();
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Printing : ") + e.Message());
    }
}

void TiPlotComponent::PrintPages()
{
    TPrinter* printer = Printer();
    const QString wanted = PrinterName().trimmed();
    if (!wanted.isEmpty()) {
        const QStringList names = printer->Printers();
        for (int i = 0; i < names.size(); ++i)
            if (names[i].compare(wanted, Qt::CaseInsensitive) == 0)
                printer->SetPrinterIndex(i);
    }
    iGetPrinterPageSizeInches(FPrinterPaperWidthInches, FPrinterPaperHeightInches);
    TiPrintPageGeometry page;
    page.DpiX = printer->DpiX();
    page.DpiY = printer->DpiY();
    page.OffsetX = printer->PhysicalOffsetX();
    page.OffsetY = printer->PhysicalOffsetY();
    FPrinterPaperWidthPixels = RoundToInt(page.DpiX * FPrinterPaperWidthInches);
    FPrinterPaperHeightPixels = RoundToInt(page.DpiY * FPrinterPaperHeightInches);
    page.PaperWidthPixels = FPrinterPaperWidthPixels;
    page.PaperHeightPixels = FPrinterPaperHeightPixels;

    printer->BeginDoc();
    TiPlotAxis* axis = XAxis(0);
    // What a print may change for itself comes back afterwards, also when printing fails.
    struct Restore
    {
        TiPlotComponent& plot;
        TiPlotAxis* axis;
        bool toolBars = plot.ToolBarCount() > 0 && plot.ToolBar(0)->Visible();
        double min = axis->Min(), span = axis->Span();
        int width = plot.Width(), height = plot.Height();
        int left = plot.OuterMarginLeft(), right = plot.OuterMarginRight();
        int top = plot.OuterMarginTop(), bottom = plot.OuterMarginBottom();
        ~Restore()
        {
            if (Printer()->Printing())
                Printer()->EndDoc();
            plot.Master()->ShowToolBars(toolBars);
            axis->SetMin(min);
            axis->SetSpan(span);
            plot.SetWidth(width);
            plot.SetHeight(height);
            plot.SetOuterMarginLeft(left);
            plot.SetOuterMarginRight(right);
            plot.SetOuterMarginTop(top);
            plot.SetOuterMarginBottom(bottom);
        }
    } restore { *this, axis };

    Master()->DeSelectAll();
    Master()->ShowToolBars(false);
    if (OnBeforePrint)
        OnBeforePrint(this);
    page.MarginLeft = PrintMarginLeft();
    page.MarginTop = PrintMarginTop();
    page.MarginRight = PrintMarginRight();
    page.MarginBottom = PrintMarginBottom();
    int pageIndex = 1;
    axis->SetMin(FPrintXStart);
    while (axis->Min() < FPrintXStop) {
        if (OnBeforePrintPage)
            OnBeforePrintPage(this, pageIndex, axis->Max() >= FPrintXStop);
        const TRect rect = iPrintPageRect(page, Width(), Height());
        ReCalcLayout();
        PrintPage(rect);
        if (!(axis->Min() + axis->Span() > axis->Min()) || axis->Max() >= FPrintXStop)
            break;
        printer->NewPage();
        ++pageIndex;
        axis->SetMin(axis->Min() + axis->Span());
    }
    if (OnAfterPrint)
        OnAfterPrint(this);
}

void TiPlotComponent::PrintPage(const TRect& Rect)
{
    TMetafile metafile;
    PaintToMetafile(metafile, QString());
    if (QPainter* painter = Printer()->Painter())
        metafile.Play(*painter, QRectF(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top));
}

void TiPlotComponent::PrintSizeToFillPage()
{
    // Before the first print job there is no paper to take the proportions from.
    if (!(FPrinterPaperWidthInches > 0.0))
        return;
    SetHeight(RoundToInt(Width() * FPrinterPaperHeightInches / FPrinterPaperWidthInches));
    ReCalcLayout();
}

void TiPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter)
{
    ReCalcLayout();
    if (Height() <= 0)
        return;
    TiPlotAxis* axis = XAxis(0);
    const double length = std::abs(axis->MaxPixels() - axis->MinPixels());
    if (length <= 0)
        return;
    axis->SetSpan(length * ((FPrinterPaperHeightInches - PrintMarginTop() - PrintMarginBottom()) / Height()) * 25.4
                  * MinutesPerMillimeter / 1440.0);
}
