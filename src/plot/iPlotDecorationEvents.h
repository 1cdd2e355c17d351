#pragma once
// The plot's events that its decorations fire (toolbar, data cursors, limits, annotations, legends),
// the editor hook its toolbar runs, and the enumerations they share with the plot.

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
// The property editor, which the editor forms provide.
using TiPlotEditorHook = std::function<void()>;

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

    // Opens the plot's property editor (the toolbar's Edit button): the master manager's
    // EditProperties unless replaced.
    TiPlotEditorHook EditPropertiesHook;

    // Runs Hook; raises Exception "<What> is not available in this plot" when none is installed.
    static void RunHook(const TiPlotEditorHook& Hook, const QString& What);

protected:
    ~TiPlotDecorationEvents() = default;
};
