// The published properties of the plot-library controls and of the plot control, in declaration
// order: what properties files and form streams save and load.

#include "plot/iPlotComponent.h"

#include "platform/core/PublishedProperties.h"

using namespace vcl;

const TPropertyTable* TiComponent::PublishedProperties() const
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TiComponent>(QStringLiteral("TiComponent"), TPersistent::PublishedProperties())
            .String(QStringLiteral("Name"), &TComponent::Name, &TComponent::SetName)
            .Integer(QStringLiteral("Left"), &TControl::Left, &TControl::SetLeft)
            .Integer(QStringLiteral("Top"), &TControl::Top, &TControl::SetTop)
            .Integer(QStringLiteral("Width"), &TControl::Width, &TControl::SetWidth)
            .Integer(QStringLiteral("Height"), &TControl::Height, &TControl::SetHeight)
            .Enum(QStringLiteral("Align"), { "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom" },
                  &TControl::Align, &TControl::SetAlign)
            .Default(TAlign::alNone)
            .Set(QStringLiteral("Anchors"), ZQ9_ANCHOR_KINDS, &TControl::Anchors, &TControl::SetAnchors)
            .Default(DefaultAnchors)
            .Object(QStringLiteral("Constraints"), &TControl::Constraints)
            .Integer(QStringLiteral("Cursor"), &TControl::Cursor, &TControl::SetCursor).Default(crDefault)
            .String(QStringLiteral("Hint"), &TControl::Hint, &TControl::SetHint)
            .Boolean(QStringLiteral("ShowHint"), &TControl::ShowHint, &TControl::SetShowHint)
            .Integer(QStringLiteral("Tag"), &TComponent::Tag, &TComponent::SetTag).Default(0)
            .Boolean(QStringLiteral("Visible"), &TControl::Visible, &TControl::SetVisible).Default(true)
            .Boolean(QStringLiteral("Enabled"), &TiComponent::Enabled, &TiComponent::SetEnabled).Default(true)
            .Boolean(QStringLiteral("OptionSaveAllProperties"), &TiComponent::OptionSaveAllProperties,
                     &TiComponent::SetOptionSaveAllProperties)
            .Default(false)
            .Boolean(QStringLiteral("AutoFrameRate"), &TiComponent::AutoFrameRate, &TiComponent::SetAutoFrameRate)
            .Default(false)
            .Integer(QStringLiteral("UpdateFrameRate"), &TiComponent::UpdateFrameRate, &TiComponent::SetUpdateFrameRate)
            .Default(60)
            .Build();
    return &table;
}

#define ZQ9_REFERENCE_INDIVIDUAL { "ipriDataView", "ipriChannel", "ipriAuto" }

const TPropertyTable* TiPlotComponent::PublishedProperties() const
{
    using P = TiPlotComponent;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TiPlotComponent"), TiComponent::PublishedProperties())
            .Integer(QStringLiteral("DataViewZHorz"), &P::DataViewZHorz, &P::SetDataViewZHorz)
            .Integer(QStringLiteral("DataViewZVert"), &P::DataViewZVert, &P::SetDataViewZVert)
            .Boolean(QStringLiteral("XYAxesReverse"), &P::XYAxesReverse, &P::SetXYAxesReverse).Default(false)
            .Boolean(QStringLiteral("UserCanEditObjects"), &P::UserCanEditObjects, &P::SetUserCanEditObjects)
            .Default(true)
            .Boolean(QStringLiteral("UserCanAddRemoveChannels"), &P::UserCanAddRemoveChannels,
                     &P::SetUserCanAddRemoveChannels)
            .Default(false)
            .Integer(QStringLiteral("OuterMarginLeft"), &P::OuterMarginLeft, &P::SetOuterMarginLeft).Default(5)
            .Integer(QStringLiteral("OuterMarginTop"), &P::OuterMarginTop, &P::SetOuterMarginTop).Default(5)
            .Integer(QStringLiteral("OuterMarginRight"), &P::OuterMarginRight, &P::SetOuterMarginRight).Default(5)
            .Integer(QStringLiteral("OuterMarginBottom"), &P::OuterMarginBottom, &P::SetOuterMarginBottom).Default(5)
            .Enum(QStringLiteral("PrintOrientation"), { "poPortrait", "poLandscape" }, &P::PrintOrientation,
                  &P::SetPrintOrientation)
            .Default(TPrinterOrientation::poLandscape)
            .Float(QStringLiteral("PrintMarginLeft"), &P::PrintMarginLeft, &P::SetPrintMarginLeft)
            .Float(QStringLiteral("PrintMarginTop"), &P::PrintMarginTop, &P::SetPrintMarginTop)
            .Float(QStringLiteral("PrintMarginRight"), &P::PrintMarginRight, &P::SetPrintMarginRight)
            .Float(QStringLiteral("PrintMarginBottom"), &P::PrintMarginBottom, &P::SetPrintMarginBottom)
            .Boolean(QStringLiteral("PrintShowDialog"), &P::PrintShowDialog, &P::SetPrintShowDialog).Default(true)
            .String(QStringLiteral("PrintDocumentName"), &P::PrintDocumentName, &P::SetPrintDocumentName)
            .String(QStringLiteral("PrinterName"), &P::PrinterName, &P::SetPrinterName)
            .Integer(QStringLiteral("HintsPause"), &P::HintsPause, &P::SetHintsPause).Default(500)
            .Integer(QStringLiteral("HintsHidePause"), &P::HintsHidePause, &P::SetHintsHidePause).Default(2500)
            .Boolean(QStringLiteral("HintsShow"), &P::HintsShow, &P::SetHintsShow).Default(true)
            .Object(QStringLiteral("HintsFont"), &P::HintsFont)
            .Enum(QStringLiteral("EditorFormStyle"), { "ipfsModal", "ipfsStayOnTop" }, &P::EditorFormStyle,
                  &P::SetEditorFormStyle)
            .Enum(QStringLiteral("CopyToClipBoardFormat"), { "ipefMetaFile", "ipefBitmap", "ipefJPEG" },
                  &P::CopyToClipBoardFormat, &P::SetCopyToClipBoardFormat)
            .Boolean(QStringLiteral("TitleVisible"), &P::TitleVisible, &P::SetTitleVisible).Default(true)
            .String(QStringLiteral("TitleText"), &P::TitleText, &P::SetTitleText)
            .Object(QStringLiteral("TitleFont"), &P::TitleFont)
            .Float(QStringLiteral("TitleMargin"), &P::TitleMargin, &P::SetTitleMargin)
            .String(QStringLiteral("LogFileName"), &P::LogFileName, &P::SetLogFileName)
            .Integer(QStringLiteral("LogBufferSize"), &P::LogBufferSize, &P::SetLogBufferSize).Default(0)
            .Object(QStringLiteral("AnnotationDefaultFont"), &P::AnnotationDefaultFont)
            .Enum(QStringLiteral("AnnotationDefaultBrushStlye"),
                  { "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
                    "bsDiagCross" },
                  &P::AnnotationDefaultBrushStlye, &P::SetAnnotationDefaultBrushStlye)
            .Color(QStringLiteral("AnnotationDefaultBrushColor"), &P::AnnotationDefaultBrushColor,
                   &P::SetAnnotationDefaultBrushColor)
            .Enum(QStringLiteral("AnnotationDefaultPenStlye"),
                  { "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame" },
                  &P::AnnotationDefaultPenStlye, &P::SetAnnotationDefaultPenStlye)
            .Color(QStringLiteral("AnnotationDefaultPenColor"), &P::AnnotationDefaultPenColor,
                   &P::SetAnnotationDefaultPenColor)
            .Integer(QStringLiteral("AnnotationDefaultPenWidth"), &P::AnnotationDefaultPenWidth,
                     &P::SetAnnotationDefaultPenWidth)
            .Enum(QStringLiteral("AnnotationDefaultReference"),
                  { "iprtDataView", "iprtChannel", "iprtXChannelYDataView", "iprtXDataViewYChannel" },
                  &P::AnnotationDefaultReference, &P::SetAnnotationDefaultReference)
            .Enum(QStringLiteral("AnnotationDefaultReferencePositionX"), ZQ9_REFERENCE_INDIVIDUAL,
                  &P::AnnotationDefaultReferencePositionX, &P::SetAnnotationDefaultReferencePositionX)
            .Enum(QStringLiteral("AnnotationDefaultReferencePositionY"), ZQ9_REFERENCE_INDIVIDUAL,
                  &P::AnnotationDefaultReferencePositionY, &P::SetAnnotationDefaultReferencePositionY)
            .Enum(QStringLiteral("AnnotationDefaultReferenceSizeX"), ZQ9_REFERENCE_INDIVIDUAL,
                  &P::AnnotationDefaultReferenceSizeX, &P::SetAnnotationDefaultReferenceSizeX)
            .Enum(QStringLiteral("AnnotationDefaultReferenceSizeY"), ZQ9_REFERENCE_INDIVIDUAL,
                  &P::AnnotationDefaultReferenceSizeY, &P::SetAnnotationDefaultReferenceSizeY)
            .Boolean(QStringLiteral("ClipAnnotationsToAxes"), &P::ClipAnnotationsToAxes, &P::SetClipAnnotationsToAxes)
            .Boolean(QStringLiteral("BackGroundGradientEnabled"), &P::BackGroundGradientEnabled,
                     &P::SetBackGroundGradientEnabled)
            .Enum(QStringLiteral("BackGroundGradientDirection"),
                  { "ifdTopBottom", "ifdBottomTop", "ifdLeftRight", "ifdRightLeft", "ifdTopLeftBottomRight",
                    "ifdBottomRightTopLeft", "ifdBottomLeftTopRight", "ifdTopRightBottomLeft", "ifdRectangleOut",
                    "ifdRectangleIn", "ifdCircleOut", "ifdCircleIn" },
                  &P::BackGroundGradientDirection, &P::SetBackGroundGradientDirection)
            .Color(QStringLiteral("BackGroundGradientStartColor"), &P::BackGroundGradientStartColor,
                   &P::SetBackGroundGradientStartColor)
            .Color(QStringLiteral("BackGroundGradientStopColor"), &P::BackGroundGradientStopColor,
                   &P::SetBackGroundGradientStopColor)
            .Enum(QStringLiteral("DataFileColumnSeparator"), { "ipdfcsTab", "ipdfcsComma" }, &P::DataFileColumnSeparator,
                  &P::SetDataFileColumnSeparator)
            .Enum(QStringLiteral("DataFileFormat"), { "ipdffText", "ipdffCompactInterval" }, &P::DataFileFormat,
                  &P::SetDataFileFormat)
            .String(QStringLiteral("DefaultSaveImageDirectory"), &P::DefaultSaveImageDirectory,
                    &P::SetDefaultSaveImageDirectory)
            .Enum(QStringLiteral("DefaultSaveImageFormat"), { "ipifBitmap", "ipifEnhancedMetaFile", "ipifJPEG", "ipifPNG" },
                  &P::DefaultSaveImageFormat, &P::SetDefaultSaveImageFormat)
            .String(QStringLiteral("DefaultPropertyDirectory"), &P::DefaultPropertyDirectory,
                    &P::SetDefaultPropertyDirectory)
            .String(QStringLiteral("DefaultDataDirectory"), &P::DefaultDataDirectory, &P::SetDefaultDataDirectory)
            .String(QStringLiteral("DefaultAnnotationDirectory"), &P::DefaultAnnotationDirectory,
                    &P::SetDefaultAnnotationDirectory)
            .Boolean(QStringLiteral("DifferentialPropertySave"), &P::DifferentialPropertySave,
                     &P::SetDifferentialPropertySave)
            .Default(false)
            .Color(QStringLiteral("BackGroundColor"), &P::BackGroundColor, &P::SetBackGroundColor).Default(clBlack)
            .Enum(QStringLiteral("BorderStyle"), { "ibsNone", "ibsRaised", "ibsLowered" }, &P::BorderStyle,
                  &P::SetBorderStyle)
            .Default(TiBevelStyle::ibsLowered)
            .Boolean(QStringLiteral("AutoFrameRate"), &P::AutoFrameRate, &P::SetAutoFrameRate).Default(true)
            .Boolean(QStringLiteral("TabStop"), &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false)
            .Integer(QStringLiteral("TabOrder"), &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1)
            .Build();
    return &table;
}
