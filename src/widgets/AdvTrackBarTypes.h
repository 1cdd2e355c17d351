#pragma once
// Enumerations and event types shared by the fader and its appearance objects.

#include "platform/core/Events.h"
#include "platform/core/TColor.h"
#include "platform/core/Types.h"

#include <QString>

#include <functional>

namespace vcl {
class TCanvas;
}

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TMoveOnClick { mcStep, mcMove, mcMoveSlide };
enum class TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
enum class TThumbShape {
    tsPointer,
    tsRectangle,
    tsRoundRect,
    tsRound,
    tsLine,
    tsPointerLeftUp,
    tsPointerRightUp,
    tsTriangle,
    tsTriangleLeft,
    tsTriangleRight
};
enum class TThumbPointer { tpLeft, tpCenter, tpRight };
enum class TThumbStyle { tstOffice2007, tstCustom };
enum class TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };
enum class TTrackButtonShape { bsRound, bsRectangle };
enum class TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };

using TDrawTickEvent =
    std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas, vcl::TPoint Location, int Position,
                       TTickMark TickPos, int& Length, vcl::TColor& Color, vcl::TColor& TextColor, QString& Text,
                       bool& DefaultDraw)>;
using TGetTrackHintEvent = std::function<void(vcl::TObject* Sender, int Position, QString& HintStr)>;
using TGetTrackLabelEvent = std::function<void(vcl::TObject* Sender, int Position, QString& value)>;
using TGetTickMarkTextEvent = std::function<void(vcl::TObject* Sender, int Index, QString& value)>;
