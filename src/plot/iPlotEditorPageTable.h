#pragma once
// What one page of the plot editor shows and edits, as data: its tabs, group boxes and controls,
// the published property each control edits, list items, spinner limits, and the order in which
// the page writes its properties back. One builder, loader and applier read these tables.

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

enum class TiEditorKind {
    Check,    // check box, a Boolean
    Number,   // edit read and written as a floating-point value
    Integer,  // edit read and written as an integer
    Text,     // edit read and written as a string
    List,     // drop-down list; the item index is the enumeration's ordinal
    EditList, // drop-down list whose text is the property (date-time format texts)
    NameList, // drop-down list of object names, read and written as text
    Color,    // colour picker
    Font,     // font picker; the object's font is copied from the picker's
    Radio,    // radio group; the item index is the ordinal
    Group,    // a group box holding Children
    Button,   // a push button (Property is the control's name)
    OpenPicker,
    SavePicker,
    Display,  // read-only text (Property is the control's name)
};

// The object names a NameList offers, and where "<All>" goes.
enum class TiEditorNames { None, XAxes, YAxes, Channels, XAxesThenAll, YAxesThenAll, AllThenChannels };

// The value converter page a date/time picker beside a number edit opens.
enum class TiEditorDateTimePage { None, DateTime, Interval };

struct TiEditorUpDown
{
    int Min { 0 };
    int Max { 0 }; // Min and Max both 0: no limit
    int Increment { 1 };
};

namespace TiEditorFlag {
// Shown, loaded and applied only for strip-chart channels.
inline constexpr int StripOnly = 1;
// Shown for every channel, but loaded and applied only for strip-chart channels.
inline constexpr int StripValueOnly = 2;
// Built but never shown (the Name of the pages whose object list is hidden).
inline constexpr int Hidden = 4;
} // namespace TiEditorFlag

struct TiEditorControlSpec
{
    TiEditorKind Kind { TiEditorKind::Text };
    // The published property edited (its name as published), or the control's name for buttons,
    // pickers and displays.
    QString Property;
    // The text beside (or on) the control; empty: the property's words.
    QString Caption;
    // The control's name when it is not page prefix + property + kind.
    QString Name;
    QStringList Items;
    // The enumeration ordinal of each list item, where it is not the item's index.
    std::vector<int> Ordinals;
    std::optional<TiEditorUpDown> UpDown;
    TiEditorDateTimePage DateTimePage { TiEditorDateTimePage::None };
    TiEditorNames Names { TiEditorNames::None };
    int Flags { 0 };
    std::vector<TiEditorControlSpec> Children; // of a group box
};

struct TiEditorTabSpec
{
    TiEditorTabSpec(QString Caption, std::vector<TiEditorControlSpec> Controls, std::vector<TiEditorTabSpec> Tabs = {},
                    QString PageControlName = {}, bool TabVisible = true, int Flags = 0)
        : Caption(std::move(Caption)), Controls(std::move(Controls)), Tabs(std::move(Tabs)),
          PageControlName(std::move(PageControlName)), TabVisible(TabVisible), Flags(Flags)
    {
    }

    QString Caption;
    std::vector<TiEditorControlSpec> Controls;
    // Tabs nested on this tab (shown below its own controls' area), and the name of their page control.
    std::vector<TiEditorTabSpec> Tabs;
    QString PageControlName;
    bool TabVisible { true };
    int Flags { 0 };
};

struct TiEditorPageSpec
{
    QString Caption;
    QString Prefix;
    // The page's own page control and its tabs; a page without a page control name puts the
    // controls of its one tab straight on the main sheet.
    QString PageControlName;
    std::vector<TiEditorTabSpec> Tabs;
    // The properties the page's apply handler writes, in this order, on every change.
    QStringList ApplyOrder;
    // Written after ApplyOrder, only for strip-chart channels.
    QStringList StripApplyOrder;
};

// --- the pages, each in its own source file ---
const TiEditorPageSpec& iEditorControlPage();
const TiEditorPageSpec& iEditorChannelPage();
const TiEditorPageSpec& iEditorDataCursorPage();
const TiEditorPageSpec& iEditorLimitPage();
const TiEditorPageSpec& iEditorLabelPage();
const TiEditorPageSpec& iEditorXAxisPage();
const TiEditorPageSpec& iEditorYAxisPage();
const TiEditorPageSpec& iEditorLegendPage();
const TiEditorPageSpec& iEditorTablePage();
const TiEditorPageSpec& iEditorToolBarPage();
const TiEditorPageSpec& iEditorDataViewPage();

// --- the control kinds' short forms, for the tables ---
namespace ied {
TiEditorControlSpec Check(const QString& Property, const QString& Caption = {});
TiEditorControlSpec Number(const QString& Property, const QString& Caption = {});
TiEditorControlSpec Integer(const QString& Property, const QString& Caption = {},
                            std::optional<TiEditorUpDown> UpDown = std::nullopt);
TiEditorControlSpec Text(const QString& Property, const QString& Caption = {});
TiEditorControlSpec List(const QString& Property, const QStringList& Items, const QString& Caption = {});
TiEditorControlSpec EditList(const QString& Property, const QStringList& Items, const QString& Caption = {});
TiEditorControlSpec NameList(const QString& Property, TiEditorNames Names, const QString& Caption = {});
TiEditorControlSpec Color(const QString& Property, const QString& Caption = {});
TiEditorControlSpec Font(const QString& Property, const QString& Caption = {});
TiEditorControlSpec Radio(const QString& Property, const QStringList& Items, const QString& Caption = {});
TiEditorControlSpec Group(const QString& Caption, std::vector<TiEditorControlSpec> Children);
TiEditorControlSpec Button(const QString& Name, const QString& Caption);
TiEditorControlSpec OpenPicker(const QString& Name, const QString& Caption);
TiEditorControlSpec SavePicker(const QString& Name, const QString& Caption);
TiEditorControlSpec Display(const QString& Name, const QString& Caption);
// The same control with another name, flags, date/time page or spinner.
TiEditorControlSpec Named(TiEditorControlSpec Spec, const QString& Name);
TiEditorControlSpec Flagged(TiEditorControlSpec Spec, int Flags);
TiEditorControlSpec WithDateTime(TiEditorControlSpec Spec, TiEditorDateTimePage Page);
TiEditorControlSpec WithOrdinals(TiEditorControlSpec Spec, std::vector<int> Ordinals);
inline constexpr TiEditorUpDown NoLimit { 0, 0, 1 };
inline constexpr TiEditorUpDown Upto100 { 0, 100, 1 };
} // namespace ied

// --- the drop-down and radio lists; item index = enumeration ordinal ---
namespace ieditems {
extern const QStringList BorderStyle, CopyToClipBoardFormat, DataFileColumnSeparator, GradientDirection,
    PrintOrientation, BrushStyles, PenStyles, MarkerPenStyles, TraceLineStyle, AnnotationReference,
    AnnotationReferenceIndividual, DataStyle, DataPointsMoveStyle, InterpolationStyle, MarkersStyle, HighLowStyle,
    DigitalReferenceStyle, CursorStyle, HintOrientationSide, LimitStyle, LabelAlignment, ScaleType,
    DateTimeFormats, FormatStyles, PrecisionStyles, LabelsRotation, TrackingStyle, TrackingAlignFirstStyle,
    TrackingIncrementStyle, CartesianStyle, ChannelNameColorStyle, AxesControlStyle, GridLineStyles;
} // namespace ieditems
