#include "ui/editors/TransferPlot.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iXYPlot.h"

namespace editors {

namespace {

void SetUpAxis(TiPlotAxis& Axis)
{
    Axis.SetRestoreValuesOnResume(false);
    Axis.SetTrackingEnabled(false);
    Axis.SetMinSpan(-100, 120);
    Axis.SetDesiredStart(20);
    Axis.SetLabelsPrecision(2);
    Axis.LabelsFont()->SetName(QStringLiteral("MS Sans Serif"));
    Axis.LabelsFont()->SetHeight(-11);
    Axis.LabelsFont()->SetColor(vcl::clYellow);
    Axis.SetScaleLinesShow(false);
    Axis.SetEnabled(false);
    Axis.SetPopupEnabled(false);
    Axis.SetCanFocus(false);
    Axis.SetGridLinesVisible(true);
    Axis.SetTitleShow(false);
    Axis.SetTitleMargin(1);
}

void SetUpXAxis(TiPlotAxis& Axis)
{
    SetUpAxis(Axis);
    Axis.SetDesiredIncrement(20);
    Axis.SetMinorCount(4);
    Axis.SetMajorLength(9);
    Axis.SetMinorLength(13);
    Axis.SetLabelSeparation(0);
    Axis.SetLabelsMinLength(5);
    Axis.SetStackingEndsMargin(1);
    Axis.SetScaleLinesColor(vcl::TColor(0x80FFFF));
    Axis.SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle::iptisMajor);
    Axis.SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsAuto);
}

void SetUpYAxis(TiPlotAxis& Axis)
{
    SetUpAxis(Axis);
    Axis.SetDesiredIncrement(10);
    Axis.SetMinorLength(8);
    Axis.SetLabelSeparation(1);
    Axis.SetLabelsMinLength(3);
    Axis.SetStackingEndsMargin(0.5);
    Axis.SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle::ipafsNone);
}

void SetUpMarkersFont(TiPlotChannelCustom& Channel, const QString& Face)
{
    vcl::TFont font;
    font.SetName(Face);
    font.SetColor(vcl::clWhite);
    font.SetStyle(vcl::TFontStyles { vcl::TFontStyle::fsBold });
    Channel.SetMarkersFont(&font);
}

void SetUpChannels(TiXYPlot& Plot)
{
    if (Plot.ChannelCount() < 2)
        Plot.AddChannel();
    TiXYPlotChannel* curve = Plot.Channel(0);
    curve->SetTitleText(QStringLiteral("Channel 1"));
    curve->SetColor(vcl::clWhite);
    curve->SetTraceLineWidth(2);
    curve->SetMarkersTurnOffLimit(0);
    SetUpMarkersFont(*curve, QStringLiteral("MS Sans Serif"));

    TiXYPlotChannel* dot = Plot.Channel(1);
    dot->SetTitleText(QStringLiteral("Channel 2"));
    dot->SetColor(vcl::TColor(8421631));
    dot->SetTraceLineStyle(TiPlotLineStyle::iplsDot);
    dot->SetTraceLineWidth(5);
    dot->SetMarkersAllowIndividual(true);
    dot->SetMarkersVisible(true);
    dot->SetMarkersSize(5);
    dot->SetMarkersPenWidth(3);
    SetUpMarkersFont(*dot, QStringLiteral("Tahoma"));
}

void SetUpDataView(TiPlotDataView& View)
{
    View.SetLayer(0);
    View.SetPopupEnabled(false);
    View.SetCanFocus(false);
    View.SetGridXAxisName(QStringLiteral("X-Axis 1"));
    View.SetGridYAxisName(QStringLiteral("Y-Axis 1"));
    View.SetAxesControlEnabled(false);
    View.SetAxesControlMouseStyle(TiPlotAxesControlStyle::ipacsBoth);
    View.SetAxesControlWheelStyle(TiPlotAxesControlStyle::ipacsXAxis);
}

} // namespace

TiXYPlot* CreateTransferPlot(vcl::TComponent* Owner, vcl::TWinControl* Parent, const QString& Name, int Left, int Top,
                             int Width, int Height)
{
    auto* plot = new TiXYPlot(Owner);
    plot->SetName(Name);
    plot->BeginUpdate();
    plot->SetParent(Parent);
    plot->SetBounds(Left, Top, Width, Height);
    plot->SetUserCanEditObjects(false);
    plot->SetBorderStyle(TiBevelStyle::ibsNone);
    plot->SetTitleVisible(false);
    plot->SetBackGroundColor(vcl::clBlack);
    plot->ToolBar(0)->SetVisible(false);
    plot->Legend(0)->SetVisible(false);
    plot->DataCursor(0)->SetVisible(false);
    SetUpXAxis(*plot->XAxis(0));
    SetUpYAxis(*plot->YAxis(0));
    SetUpChannels(*plot);
    SetUpDataView(*plot->DataView(0));
    plot->EndUpdate();
    return plot;
}

void RefillTransferPlot(TiXYPlot& Plot, const std::vector<XY>& Curve, XY Dot)
{
    TiXYPlotChannel* curve = Plot.Channel(0);
    TiXYPlotChannel* dot = Plot.Channel(1);
    if (curve->Count() > 0)
        curve->DeletePoints(curve->Count());
    for (const XY& point : Curve)
        curve->AddXY(point.first, point.second);
    if (dot->Count() > 0)
        dot->DeletePoints(dot->Count());
    dot->AddXY(Dot.first, Dot.second);
}

} // namespace editors
