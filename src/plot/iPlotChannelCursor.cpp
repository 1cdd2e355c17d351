// What a channel measures for a data cursor at its pointers, and the texts it shows.

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"

#include <cmath>
#include <limits>

using namespace vcl;

QString TiPlotChannelCustom::GetXValueText(double Value)
{
    if (TiPlotXAxis* axis = XAxis())
        return axis->GetCursorText(Value);
    return TranslateString(QStringLiteral("No X-Axis"));
}

QString TiPlotChannelCustom::GetYValueText(double Value)
{
    if (TiPlotYAxis* axis = YAxis())
        return axis->GetCursorText(Value);
    return QStringLiteral("No Y-Axis");
}

void TiPlotChannelCustom::CalcDataCursor(TiPlotDataCursor* Cursor)
{
    double x = 0.0;
    double y = 0.0;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (xAxis && yAxis) {
        const double p1 = Cursor->Pointer1Position();
        const double p2 = Cursor->Pointer2Position();
        double x1 = xAxis->PercentToPosition(p1 / 100.0);
        double x2 = xAxis->PercentToPosition(p2 / 100.0);
        double y1 = yAxis->PercentToPosition(p1 / 100.0);
        double y2 = yAxis->PercentToPosition(p2 / 100.0);
        if (const TiPlotDataView* view = Cursor->DataView()) {
            if (xAxis->StartPercent() != 0.0 && xAxis->StopPercent() != 100.0) {
                x1 = xAxis->PixelsToPosition(iplot::PercentToPixelsX(*view, p1));
                x2 = xAxis->PixelsToPosition(iplot::PercentToPixelsX(*view, p2));
            }
            if (yAxis->StartPercent() != 0.0 && yAxis->StopPercent() != 100.0) {
                y1 = yAxis->PixelsToPosition(iplot::PercentToPixelsY(*view, p1));
                y2 = yAxis->PixelsToPosition(iplot::PercentToPixelsY(*view, p2));
            }
        }
        switch (Cursor->Style()) {
        case TiPlotDataCursorStyle::ipcsValueXY: x = x1; y = y2; break;
        case TiPlotDataCursorStyle::ipcsValueX: x = x1; break;
        case TiPlotDataCursorStyle::ipcsValueY: y = y2; break;
        case TiPlotDataCursorStyle::ipcsDeltaX: x = std::abs(x1 - x2); break;
        case TiPlotDataCursorStyle::ipcsDeltaY: y = std::abs(y1 - y2); break;
        case TiPlotDataCursorStyle::ipcsInverseDeltaX: {
            const double scaler = xAxis->CursorScaler();
            x = (x1 == x2 || scaler == 0.0) ? std::numeric_limits<double>::infinity()
                                            : std::abs(1.0 / (scaler * (x1 - x2)));
            break;
        }
        }
    }
    Cursor->SetValues(TiPlotDataPointStatus::ipdpsValid, x, y);
    Cursor->SetCursorDisplayText(CursorTexts(Cursor->Style(), TiPlotDataPointStatus::ipdpsValid, x, y));
}

QString TiPlotChannelCustom::CursorTexts(TiPlotDataCursorStyle Style, TiPlotDataPointStatus Status, double X, double Y)
{
    FDataCursorXText.clear();
    FDataCursorYText.clear();
    FDataCursorXValue = X;
    FDataCursorYValue = Y;
    FDataCursorStatus = Status;
    if (!XAxis()) {
        FDataCursorXText = TranslateString(QStringLiteral("No X-Axis"));
        return FDataCursorXText;
    }
    QString yText;
    if (!YAxis())
        yText = QStringLiteral("No Y-Axis");
    else if (Status == TiPlotDataPointStatus::ipdpsValid || Style == TiPlotDataCursorStyle::ipcsDeltaY)
        yText = GetYValueText(Y);
    else
        yText = TranslateString(Status == TiPlotDataPointStatus::ipdpsNull ? QStringLiteral("Null")
                                                                          : QStringLiteral("Empty"));
    switch (Style) {
    case TiPlotDataCursorStyle::ipcsValueXY:
        FDataCursorXText = GetXValueText(X);
        FDataCursorYText = yText;
        return FDataCursorXText + QStringLiteral(", ") + yText;
    case TiPlotDataCursorStyle::ipcsValueX:
    case TiPlotDataCursorStyle::ipcsDeltaX:
        FDataCursorXText = GetXValueText(X);
        return FDataCursorXText;
    case TiPlotDataCursorStyle::ipcsValueY:
    case TiPlotDataCursorStyle::ipcsDeltaY:
        FDataCursorYText = yText;
        return yText;
    case TiPlotDataCursorStyle::ipcsInverseDeltaX:
        FDataCursorXText = X < 1e301 ? GetXValueText(X) : TranslateString(QStringLiteral("Infinite"));
        return FDataCursorXText;
    }
    return QString();
}
