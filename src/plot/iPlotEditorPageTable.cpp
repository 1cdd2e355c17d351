#include "plot/iPlotEditorPageTable.h"

#include <utility>

namespace ied {

namespace {

TiEditorControlSpec Make(TiEditorKind Kind, const QString& Property, const QString& Caption)
{
    TiEditorControlSpec spec;
    spec.Kind = Kind;
    spec.Property = Property;
    spec.Caption = Caption;
    return spec;
}

} // namespace

TiEditorControlSpec Check(const QString& Property, const QString& Caption)
{
    return Make(TiEditorKind::Check, Property, Caption);
}

TiEditorControlSpec Number(const QString& Property, const QString& Caption)
{
    return Make(TiEditorKind::Number, Property, Caption);
}

TiEditorControlSpec Integer(const QString& Property, const QString& Caption, std::optional<TiEditorUpDown> UpDown)
{
    TiEditorControlSpec spec = Make(TiEditorKind::Integer, Property, Caption);
    spec.UpDown = UpDown;
    return spec;
}

TiEditorControlSpec Text(const QString& Property, const QString& Caption)
{
    return Make(TiEditorKind::Text, Property, Caption);
}

TiEditorControlSpec List(const QString& Property, const QStringList& Items, const QString& Caption)
{
    TiEditorControlSpec spec = Make(TiEditorKind::List, Property, Caption);
    spec.Items = Items;
    return spec;
}

TiEditorControlSpec EditList(const QString& Property, const QStringList& Items, const QString& Caption)
{
    TiEditorControlSpec spec = Make(TiEditorKind::EditList, Property, Caption);
    spec.Items = Items;
    return spec;
}

TiEditorControlSpec NameList(const QString& Property, TiEditorNames Names, const QString& Caption)
{
    TiEditorControlSpec spec = Make(TiEditorKind::NameList, Property, Caption);
    spec.Names = Names;
    return spec;
}

TiEditorControlSpec Color(const QString& Property, const QString& Caption)
{
    return Make(TiEditorKind::Color, Property, Caption);
}

TiEditorControlSpec Font(const QString& Property, const QString& Caption)
{
    return Make(TiEditorKind::Font, Property, Caption);
}

TiEditorControlSpec Radio(const QString& Property, const QStringList& Items, const QString& Caption)
{
    TiEditorControlSpec spec = Make(TiEditorKind::Radio, Property, Caption);
    spec.Items = Items;
    return spec;
}

TiEditorControlSpec Group(const QString& Caption, std::vector<TiEditorControlSpec> Children)
{
    TiEditorControlSpec spec = Make(TiEditorKind::Group, QString(), Caption);
    spec.Children = std::move(Children);
    return spec;
}

TiEditorControlSpec Button(const QString& Name, const QString& Caption)
{
    return Make(TiEditorKind::Button, Name, Caption);
}

TiEditorControlSpec OpenPicker(const QString& Name, const QString& Caption)
{
    return Make(TiEditorKind::OpenPicker, Name, Caption);
}

TiEditorControlSpec SavePicker(const QString& Name, const QString& Caption)
{
    return Make(TiEditorKind::SavePicker, Name, Caption);
}

TiEditorControlSpec Display(const QString& Name, const QString& Caption)
{
    return Make(TiEditorKind::Display, Name, Caption);
}

TiEditorControlSpec Named(TiEditorControlSpec Spec, const QString& Name)
{
    Spec.Name = Name;
    return Spec;
}

TiEditorControlSpec Flagged(TiEditorControlSpec Spec, int Flags)
{
    Spec.Flags |= Flags;
    return Spec;
}

TiEditorControlSpec WithDateTime(TiEditorControlSpec Spec, TiEditorDateTimePage Page)
{
    Spec.DateTimePage = Page;
    return Spec;
}

TiEditorControlSpec WithOrdinals(TiEditorControlSpec Spec, std::vector<int> Ordinals)
{
    Spec.Ordinals = std::move(Ordinals);
    return Spec;
}

} // namespace ied

// The texts are the editor's own and stay exactly as they are, trailing blanks included.
namespace ieditems {
const QStringList BorderStyle { "None", "Raised", "Lowered" };
const QStringList CopyToClipBoardFormat { "Meta File", "Bitmap", "JPEG" };
const QStringList DataFileColumnSeparator { "Tab", "Comma" };
const QStringList GradientDirection { "Top/Bottom",           "Bottom/Top",           "Left/Right",
                                      "Right/Left",           "Top Left/Bottom Right", "Bottom Right/Top Left",
                                      "Bottom Left/Top Right", "Top Right/Bottom Left", "Rectangle Out",
                                      "Rectangle In",         "Circle Out",           "Circle In" };
const QStringList PrintOrientation { "Portrait", "Landscape" };
const QStringList BrushStyles { "Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross",
                                "DiagCross" };
const QStringList PenStyles { "Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame" };
const QStringList MarkerPenStyles { "Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame" };
const QStringList TraceLineStyle { "Solid", "Dash", "Dot", "DashDot", "DashDotDot" };
const QStringList AnnotationReference { "DataView", "Channel", "X-Channel Y-DataView", "Y-Channel X-DataView " };
const QStringList AnnotationReferenceIndividual { "DataView", "Channel", "Auto" };
const QStringList DataStyle { "Standard", "Compact", "Compact Interval", "Full Feature" };
const QStringList DataPointsMoveStyle { "X and Y", "X Only", "Y Only" };
const QStringList InterpolationStyle { "Straight Line", "Cubic Spline", "Polynomial",
                                       "Rational",      "Differential", "Differential Terminated" };
const QStringList MarkersStyle { "Circle",        "Square",         "Diamond",       "Cross",
                                 "Plus",          "Triangle Up",    "Triangle Down", "Triangle Left",
                                 "Triangle Right", "Vertical Line", "Horizontal Line", "Character" };
const QStringList HighLowStyle { "Open/Close", "Candlestick" };
const QStringList DigitalReferenceStyle { "Scale", "Percent" };
const QStringList CursorStyle { "Value XY", "Value X", "Value Y", "Delta X", "Delta Y", "Inverse Delta X" };
const QStringList HintOrientationSide { "Bottom-Right", "Top-Left" };
const QStringList LimitStyle { "Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y" };
const QStringList LabelAlignment { "Center", "Left", "Right" };
const QStringList ScaleType { "Linear", "Log10" };
const QStringList DateTimeFormats { "hh:nn:ss",
                                    "hh:nn:ss.zzz",
                                    "m/d hh:nn:ss",
                                    "d mmm h:nn:ss am/pm",
                                    "m/d/yy h:nn:ss am/pm",
                                    "m/d/yyyy h:nn:ss am/pm" };
const QStringList FormatStyles { "Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands" };
const QStringList PrecisionStyles { "Significant Digits", "Fixed Decimal Points" };
const QStringList LabelsRotation { "0", "90", "180", "270" };
const QStringList TrackingStyle { "Scale Min & Max", "Scale Max",           "Scale Min",
                                  "Scroll Smooth",   "Scroll Page",         "Expand Collapse",
                                  "Expand Collapse Fast", "Expand Min & Max" };
const QStringList TrackingAlignFirstStyle { "Min", "Max", "Auto", "None" };
const QStringList TrackingIncrementStyle { "Minimum", "Major", "Minor" };
const QStringList CartesianStyle { "None", "Master", "Child" };
const QStringList ChannelNameColorStyle { "Font", "ChannelColor", "XAxisFontColor ", "YAxisFontColor" };
const QStringList AxesControlStyle { "X-Axis", "Y-Axis", "Both", "None" };
const QStringList GridLineStyles { "Solid", "Dash", "Dot" };
} // namespace ieditems
