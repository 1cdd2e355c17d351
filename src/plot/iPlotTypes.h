#pragma once
// Enumerations and small value types shared by the routines, the component base and the plot objects.

#include "platform/core/Events.h"
#include "platform/core/Types.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace vcl {
class TCanvas;
class TObject;
}

// 3-D border of a plot-library control.
enum class TiBevelStyle { ibsNone, ibsRaised, ibsLowered };

// Quarter turns of rotated text.
enum class TiRotationAngle { ira000, ira090, ira180, ira270 };

enum class TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };

// Directions of the gradient fill.
enum class TiFillDirection {
    ifdTopBottom,
    ifdBottomTop,
    ifdLeftRight,
    ifdRightLeft,
    ifdTopLeftBottomRight,
    ifdBottomRightTopLeft,
    ifdBottomLeftTopRight,
    ifdTopRightBottomLeft,
    ifdRectangleOut,
    ifdRectangleIn,
    ifdCircleOut,
    ifdCircleIn
};

// Bits of the text flags of iDrawText.
namespace iTextFlag {
inline constexpr std::uint16_t Left = 1u << 0;
inline constexpr std::uint16_t Center = 1u << 1;
inline constexpr std::uint16_t Right = 1u << 2;
inline constexpr std::uint16_t Top = 1u << 3;
inline constexpr std::uint16_t VCenter = 1u << 4;
inline constexpr std::uint16_t Bottom = 1u << 5;
inline constexpr std::uint16_t WordBreak = 1u << 6;
inline constexpr std::uint16_t SingleLine = 1u << 7;
inline constexpr std::uint16_t ExpandTabs = 1u << 8;
inline constexpr std::uint16_t NoClip = 1u << 9;
inline constexpr std::uint16_t Prefix = 1u << 10;
inline constexpr std::uint16_t CalcRect = 1u << 11;
inline constexpr std::uint16_t EndEllipsis = 1u << 12;
inline constexpr std::uint16_t PathEllipsis = 1u << 13;
inline constexpr std::uint16_t WordEllipsis = 1u << 14;
inline constexpr std::uint16_t ModifyString = 1u << 15;
} // namespace iTextFlag

using TiPaintEvent = std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas)>;
using TChangePropertyEvent = std::function<void(vcl::TObject* Sender, const QString& PropName)>;
using TRequestEditEvent = std::function<void(vcl::TObject* Sender, const QString& PropName, bool& CanEdit)>;
using TGetDesigningEvent = std::function<void(vcl::TObject* Sender, bool& Designing)>;
using TIndexObjectEvent = std::function<void(vcl::TObject* Sender, int Index)>;

// How an annotation places itself: on the data view, on a channel's axes, or mixed.
enum class TiPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum class TiPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };

// Trace line styles of a channel.
enum class TiPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };

// Plot-level settings.
enum class TPrinterOrientation { poPortrait, poLandscape };
enum class TiPlotFormStyle { ipfsModal, ipfsStayOnTop };
enum class TiPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };
enum class TiPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
enum class TiPlotDataFileFormat { ipdffText, ipdffCompactInterval };
enum class TiPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
