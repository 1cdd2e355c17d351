#pragma once
// The plot's events that its decorations fire (toolbar, data cursors, limits, annotations, legends),
// the output hooks its toolbar runs, and the enumerations they share with the plot.

#include "plot/iPlotObjects.h"

#include <functional>

enum class TiPlotToolBarButtonType {
    iptbbtResume,
    iptbbtPause,
    iptbbtScrollAxesMode,
    iptbbtZoomAxesMode,
    iptbbtSelect,
    iptbbtZoomBox,
    iptbbtZoomOut,
    iptbbtZoomIn,
    iptbbtCursor,
    iptbbtEdit,
    iptbbtCopy,
    iptbbtSave,
    iptbbtPrint,
    iptbbtPreview
};

enum class TiPlotDataCursorStyle { ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX };

using TiPlotToolBarButtonEvent = std::function<void(vcl::TObject* Sender, int Index, TiPlotToolBarButtonType Button)>;
using TiPlotBeforeToolBarButtonEvent =
    std::function<void(vcl::TObject* Sender, int Index, TiPlotToolBarButtonType Button, bool& Cancel)>;
using TiPlotToolBarHintEvent =
    std::function<void(vcl::TObject* Sender, int Index, TiPlotToolBarButtonType Button, TiHintData& Hint)>;
using TiPlotIndexEvent = std::function<void(vcl::TObject* Sender, int Index)>;
using TiPlotIndexTextEvent = std::function<void(vcl::TObject* Sender, int Index, QString& Text)>;
using TiPlotLimitPositionEvent =
    std::function<void(vcl::TObject* Sender, int Index, double OldValue, double NewValue)>;
using TiPlotMouseCursorEvent = std::function<void(vcl::TObject* Sender, int Index, vcl::TCursor& Cursor)>;
// Output that other parts of the plot provide (clipboard, files, printer, preview, property editor).
using TiPlotOutputHook = std::function<void()>;

class TiPlotDecorationEvents
{
public:
    TiPlotBeforeToolBarButtonEvent OnBeforeToolBarButtonClick;
    TiPlotToolBarButtonEvent OnToolBarButtonClick;
    TiPlotToolBarHintEvent OnToolBarCustomizeHint;
    TiPlotIndexEvent OnBeforeDataCursorUpdate;
    TiPlotIndexEvent OnDataCursorChange;
    TiPlotIndexTextEvent OnDataCursorCustomizeHint;
    TiPlotLimitPositionEvent OnLimitLine1PositionChange;
    TiPlotLimitPositionEvent OnLimitLine2PositionChange;
    TiPlotIndexEvent OnAnnotationCoordinatesChange;
    TiPlotIndexEvent OnAnnotationMoveUser;
    TiPlotIndexEvent OnAnnotationResizeUser;
    TiPlotIndexEvent OnAnnotationCoordinatesChangeFinished;
    TiPlotMouseCursorEvent OnGetMouseCursorLegend;
    TiPlotMouseCursorEvent OnGetMouseCursorDataCursor;
    TiPlotMouseCursorEvent OnGetMouseCursorLimit;
    TiPlotMouseCursorEvent OnGetMouseCursorAnnotation;

    // Installed by the plot's output and editor code; the toolbar's Copy, Save, Print, Preview and
    // Edit buttons run them.
    TiPlotOutputHook CopyToClipBoardHook;
    TiPlotOutputHook SaveHook;
    TiPlotOutputHook PrintChartHook;
    TiPlotOutputHook PreviewChartHook;
    TiPlotOutputHook EditPropertiesHook;

    // Runs Hook; raises Exception "<What> is not available in this plot" when none is installed.
    static void RunHook(const TiPlotOutputHook& Hook, const QString& What);

protected:
    ~TiPlotDecorationEvents() = default;
};
