#pragma once
// The plot control: owns the master manager that holds every plot object, offers adding, finding,
// counting and deleting objects of each kind, and publishes the control-level settings.

#include "plot/iCustomComponent.h"
#include "plot/iPlotDecorationEvents.h"
#include "plot/iPlotMasterManager.h"
#include "plot/iPlotTypes.h"

#include "platform/ui/TFont.h"
#include "platform/ui/TGraphics.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TMetafile.h"

#include <array>
#include <utility>
#include <vector>
#include <memory>

namespace vcl {
class TBitmap;
}
class TiComponentEditorSavePicker;

// An event about the object at an index of its kind's manager.
using TiPlotObjectEvent = std::function<void(vcl::TObject* Sender, int Index)>;
using TiPlotObjectMouseEvent =
    std::function<void(vcl::TObject* Sender, int Index, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseMoveEvent = std::function<void(vcl::TObject* Sender, int Index, vcl::TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseWheelEvent =
    std::function<void(vcl::TObject* Sender, int Index, int WheelDelta, vcl::TShiftState Shift, int X, int Y)>;
using TiPlotObjectGetMouseCursorEvent = std::function<void(vcl::TObject* Sender, int Index, vcl::TCursor& MouseCursor)>;
using TiPlotPopupMenuEvent =
    std::function<void(vcl::TObject* Sender, int Index, bool& Cancel, int ScreenX, int ScreenY)>;
using TiPlotDataPointMouseEvent = std::function<void(vcl::TObject* Sender, int ChannelIndex, int DataIndex,
                                                     vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMouseMoveEvent =
    std::function<void(vcl::TObject* Sender, int ChannelIndex, int DataIndex, vcl::TShiftState Shift, int X, int Y)>;
using TiPlotClickDataPointEvent = std::function<void(vcl::TObject* Sender, int ChannelIndex, int DataIndex)>;
using TiPlotDataPointMovedEvent = std::function<void(vcl::TObject* Sender, int ChannelIndex, int DataIndex, double OldX,
                                                     double OldY, double NewX, double NewY)>;
using TiPlotObjectDoubleValueChangeEvent =
    std::function<void(vcl::TObject* Sender, int Index, double OldValue, double NewValue)>;
using TiPlotAxesMinSpanChangeEvent = std::function<void(vcl::TObject* Sender, int Index, double OldMin, double OldSpan,
                                                        double NewMin, double NewSpan)>;
using TiPlotAxesCustomizeLabelEvent = std::function<void(vcl::TObject* Sender, int Index, double Value, QString& ALabel)>;
using TiPlotDataPointCustomizeTextEvent =
    std::function<void(vcl::TObject* Sender, int ChannelIndex, int DataPointIndex, QString& AText)>;

// The object kinds the per-object events are told apart by (the order the events are looked up in).
enum class TiPlotEventKind { Channel, XAxis, YAxis, DataCursor, DataView, Legend, Limit, Annotation, Count };

class TiPlotComponent : public TiCustomComponent, public IiPlotObjectHost, public TiPlotDecorationEvents
{
public:
    explicit TiPlotComponent(vcl::TComponent* AOwner);
    ~TiPlotComponent() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    TiPlotMasterManager* Master() const { return FMaster.get(); }
    TiPlotObjectManager* GetObjectManager() const { return FMaster->ObjectManager(); }
    TiPlotTranslationManager* GetTranslationManager() const { return FMaster->TranslationManager(); }
    // The translation table's replacement of Text (Text itself when it has none).
    QString TranslateString(const QString& Text) const override;

    // --- channels ---
    virtual int AddChannel();
    virtual void DeleteChannel(int Index);
    virtual void RemoveAllChannels();
    int ChannelCount() const { return FMaster->ChannelManager()->Count(); }
    TiPlotChannelCustom* Channel(int Index) const { return FMaster->ChannelManager()->Item(Index); }
    TiPlotChannelCustom* GetChannelByName(const QString& Name) const;
    int GetChannelIndexByName(const QString& Name) const;
    // --- X axes ---
    virtual int AddXAxis();
    virtual void DeleteXAxis(int Index);
    virtual void RemoveAllXAxes();
    int XAxisCount() const { return FMaster->XAxisManager()->Count(); }
    TiPlotXAxis* XAxis(int Index) const { return FMaster->XAxisManager()->Item(Index); }
    TiPlotXAxis* GetXAxisByName(const QString& Name) const;
    int GetXAxisIndexByName(const QString& Name) const;
    // --- Y axes ---
    virtual int AddYAxis();
    virtual void DeleteYAxis(int Index);
    virtual void RemoveAllYAxes();
    int YAxisCount() const { return FMaster->YAxisManager()->Count(); }
    TiPlotYAxis* YAxis(int Index) const { return FMaster->YAxisManager()->Item(Index); }
    TiPlotYAxis* GetYAxisByName(const QString& Name) const;
    int GetYAxisIndexByName(const QString& Name) const;
    // --- data views ---
    virtual int AddDataView();
    virtual void DeleteDataView(int Index);
    virtual void RemoveAllDataViews();
    int DataViewCount() const { return FMaster->DataViewManager()->Count(); }
    TiPlotDataView* DataView(int Index) const { return FMaster->DataViewManager()->Item(Index); }
    TiPlotDataView* GetDataViewByName(const QString& Name) const;
    int GetDataViewIndexByName(const QString& Name) const;
    // --- data cursors ---
    virtual int AddDataCursor();
    virtual void DeleteDataCursor(int Index);
    virtual void RemoveAllDataCursors();
    int DataCursorCount() const { return FMaster->DataCursorManager()->Count(); }
    TiPlotDataCursor* DataCursor(int Index) const { return FMaster->DataCursorManager()->Item(Index); }
    TiPlotDataCursor* GetDataCursorByName(const QString& Name) const;
    int GetDataCursorIndexByName(const QString& Name) const;
    // --- legends ---
    virtual int AddLegend();
    virtual void DeleteLegend(int Index);
    virtual void RemoveAllLegends();
    int LegendCount() const { return FMaster->LegendManager()->Count(); }
    TiPlotLegend* Legend(int Index) const { return FMaster->LegendManager()->Item(Index); }
    TiPlotLegend* GetLegendByName(const QString& Name) const;
    int GetLegendIndexByName(const QString& Name) const;
    // --- tables ---
    virtual int AddTable();
    virtual void DeleteTable(int Index);
    virtual void RemoveAllTables();
    int TableCount() const { return FMaster->TableManager()->Count(); }
    TiPlotTable* Table(int Index) const { return FMaster->TableManager()->Item(Index); }
    TiPlotTable* GetTableByName(const QString& Name) const;
    int GetTableIndexByName(const QString& Name) const;
    // --- toolbars ---
    virtual int AddToolBar();
    virtual void DeleteToolBar(int Index);
    virtual void RemoveAllToolBars();
    int ToolBarCount() const { return FMaster->ToolBarManager()->Count(); }
    TiPlotToolBar* ToolBar(int Index) const { return FMaster->ToolBarManager()->Item(Index); }
    TiPlotToolBar* GetToolBarByName(const QString& Name) const;
    int GetToolBarIndexByName(const QString& Name) const;
    // --- limits ---
    virtual int AddLimit();
    virtual void DeleteLimit(int Index);
    virtual void RemoveAllLimits();
    int LimitCount() const { return FMaster->LimitManager()->Count(); }
    TiPlotLimit* Limit(int Index) const { return FMaster->LimitManager()->Item(Index); }
    TiPlotLimit* GetLimitByName(const QString& Name) const;
    int GetLimitIndexByName(const QString& Name) const;
    // --- labels: label 0 is the title and cannot be deleted ---
    virtual int AddLabel();
    virtual void DeleteLabel(int Index);
    virtual void RemoveAllLabels();
    int LabelCount() const { return FMaster->LabelManager()->Count(); }
    TiPlotLabel* Label(int Index) const { return FMaster->LabelManager()->Item(Index); }
    TiPlotLabel* GetLabelByName(const QString& Name) const;
    int GetLabelIndexByName(const QString& Name) const;
    // --- annotations: a new one takes the annotation defaults ---
    virtual int AddAnnotation();
    virtual void DeleteAnnotation(int Index);
    virtual void RemoveAllAnnotations();
    // --- translations: entries of the master manager's table, the newest at index 0 ---
    int AddTranslation(const QString& OriginalString, const QString& ReplacementString);
    virtual void DeleteTranslation(int Index);
    virtual void RemoveAllTranslations();
    int TranslationCount() const;
    QString GetTranslationOriginalString(int Index) const;
    QString GetTranslationReplacementString(int Index) const;
    void LoadTranslationsFromFile(const QString& FileName);
    void SaveTranslationsToFile(const QString& FileName) const;

    // The picture lists 0, 1 and 2 of labels and annotations (24 x 24 when created); another
    // index raises "ImageList Index must be 0-2".
    vcl::TImageList* ImageList(int Index) const;
    // Empties a picture list and repaints.
    void ImageListClear(int ImageListIndex);
    // Adds a bitmap through AddImageToList; the resource forms load it first from the resources
    // under Instance (empty: the program's own), named by ResName or by the number ResID. A missing
    // resource raises "Resource <name> not found".
    void ImageListAdd(int ImageListIndex, const vcl::TBitmap* ABitmap);
    void ImageListLoadFromResourceID(int ImageListIndex, const QString& Instance, int ResID);
    void ImageListLoadFromResourceName(int ImageListIndex, const QString& Instance, const QString& ResName);
    // An empty list takes the bitmap's size; a bitmap smaller on both sides is centred on a picture
    // of the list's size filled with its transparent colour; one larger on both sides is cut into
    // list-sized pictures; a size that is neither, nor equal on a side, raises "Image Width and
    // Height must be the same as other images, or both smaller, or both larger". The bitmap's
    // transparent colour becomes see-through; the caller's bitmap stays as it was.
    void AddImageToList(int ImageListIndex, const vcl::TBitmap* Bitmap);

    // --- form streaming: the object collections and the placeholders' Z orders travel as defined
    // properties; reading and writing keep the layout manager off and an update block open until
    // the stream is done (Loaded, or the end of a write, also when it failed) ---
    void DefineProperties(vcl::TFiler& Filer) override;
    void Loaded() override;
    int AnnotationCount() const { return FMaster->AnnotationManager()->Count(); }
    TiPlotAnnotation* Annotation(int Index) const { return FMaster->AnnotationManager()->Item(Index); }
    TiPlotAnnotation* GetAnnotationByName(const QString& Name) const;
    int GetAnnotationIndexByName(const QString& Name) const;

    void DisableLayoutManager();
    void EnableLayoutManager();
    void RefreshLayoutManager();
    // Paints once into a throw-away bitmap so that every object has its place.
    void ReCalcLayout();
    double GetNow() const;
    // TrackingEnabled off (on) on every X axis, then every Y axis.
    void DisableAllTracking();
    void EnableAllTracking();
    // Appends points StartIndex..StopIndex of the source channel, with their Null and Empty flags, to
    // the destination channel; StopIndex below StartIndex copies nothing. Raises "Start Index Must
    // be 0 or Greater" or "StopIndex Must Out Of Range" (past the source's last point) first.
    void TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex, int StopIndex);

    // --- published settings ---
    int DataViewZHorz() const;
    void SetDataViewZHorz(int Value);
    int DataViewZVert() const;
    void SetDataViewZVert(int Value);
    bool XYAxesReverse() const { return FMaster->XYAxesReverse(); }
    void SetXYAxesReverse(bool Value) { FMaster->SetXYAxesReverse(Value); }
    bool UserCanEditObjects() const { return FMaster->UserCanEditObjects(); }
    void SetUserCanEditObjects(bool Value) { FMaster->SetUserCanEditObjects(Value); }
    bool UserCanAddRemoveChannels() const { return FUserCanAddRemoveChannels; }
    void SetUserCanAddRemoveChannels(bool Value) { FUserCanAddRemoveChannels = Value; }
    int OuterMarginLeft() const { return FOuterMarginLeft; }
    void SetOuterMarginLeft(int Value) { SetIntegerProperty(Value, FOuterMarginLeft, 0); }
    int OuterMarginTop() const { return FOuterMarginTop; }
    void SetOuterMarginTop(int Value) { SetIntegerProperty(Value, FOuterMarginTop, 0); }
    int OuterMarginRight() const { return FOuterMarginRight; }
    void SetOuterMarginRight(int Value) { SetIntegerProperty(Value, FOuterMarginRight, 0); }
    int OuterMarginBottom() const { return FOuterMarginBottom; }
    void SetOuterMarginBottom(int Value) { SetIntegerProperty(Value, FOuterMarginBottom, 0); }
    TPrinterOrientation PrintOrientation() const { return FPrintOrientation; }
    void SetPrintOrientation(TPrinterOrientation Value) { FPrintOrientation = Value; }
    double PrintMarginLeft() const { return FPrintMarginLeft; }
    void SetPrintMarginLeft(double Value) { FPrintMarginLeft = Value; }
    double PrintMarginTop() const { return FPrintMarginTop; }
    void SetPrintMarginTop(double Value) { FPrintMarginTop = Value; }
    double PrintMarginRight() const { return FPrintMarginRight; }
    void SetPrintMarginRight(double Value) { FPrintMarginRight = Value; }
    double PrintMarginBottom() const { return FPrintMarginBottom; }
    void SetPrintMarginBottom(double Value) { FPrintMarginBottom = Value; }
    bool PrintShowDialog() const { return FPrintShowDialog; }
    void SetPrintShowDialog(bool Value) { FPrintShowDialog = Value; }
    const QString& PrintDocumentName() const { return FPrintDocumentName; }
    void SetPrintDocumentName(const QString& Value) { FPrintDocumentName = Value; }
    const QString& PrinterName() const { return FPrinterName; }
    void SetPrinterName(const QString& Value) { FPrinterName = Value; }
    int HintsPause() const { return FHintsPause; }
    void SetHintsPause(int Value) { FHintsPause = Value; }
    int HintsHidePause() const { return FHintsHidePause; }
    void SetHintsHidePause(int Value) { FHintsHidePause = Value; }
    bool HintsShow() const { return FHintsShow; }
    void SetHintsShow(bool Value) { FHintsShow = Value; }
    vcl::TFont* HintsFont() const { return FHintsFont.get(); }
    void SetHintsFont(const vcl::TFont* Value);
    TiPlotFormStyle EditorFormStyle() const { return FEditorFormStyle; }
    void SetEditorFormStyle(TiPlotFormStyle Value) { FEditorFormStyle = Value; }
    TiPlotExportFormat CopyToClipBoardFormat() const { return FCopyToClipBoardFormat; }
    void SetCopyToClipBoardFormat(TiPlotExportFormat Value) { FCopyToClipBoardFormat = Value; }
    // The title is label 0: without a label these read False, empty, the control's font and 0.
    bool TitleVisible() const;
    void SetTitleVisible(bool Value);
    QString TitleText() const;
    void SetTitleText(const QString& Value);
    vcl::TFont* TitleFont() const;
    void SetTitleFont(const vcl::TFont* Value);
    double TitleMargin() const;
    void SetTitleMargin(double Value);
    const QString& LogFileName() const { return FLogFileName; }
    // Raises while logging is active.
    void SetLogFileName(const QString& Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    vcl::TFont* AnnotationDefaultFont() const { return FAnnotationDefaultFont.get(); }
    void SetAnnotationDefaultFont(const vcl::TFont* Value);
    vcl::TBrushStyle AnnotationDefaultBrushStlye() const { return FAnnotationDefaultBrushStlye; }
    void SetAnnotationDefaultBrushStlye(vcl::TBrushStyle Value) { FAnnotationDefaultBrushStlye = Value; }
    vcl::TColor AnnotationDefaultBrushColor() const { return FAnnotationDefaultBrushColor; }
    void SetAnnotationDefaultBrushColor(vcl::TColor Value) { FAnnotationDefaultBrushColor = Value; }
    vcl::TPenStyle AnnotationDefaultPenStlye() const { return FAnnotationDefaultPenStlye; }
    void SetAnnotationDefaultPenStlye(vcl::TPenStyle Value) { FAnnotationDefaultPenStlye = Value; }
    vcl::TColor AnnotationDefaultPenColor() const { return FAnnotationDefaultPenColor; }
    void SetAnnotationDefaultPenColor(vcl::TColor Value) { FAnnotationDefaultPenColor = Value; }
    int AnnotationDefaultPenWidth() const { return FAnnotationDefaultPenWidth; }
    void SetAnnotationDefaultPenWidth(int Value) { FAnnotationDefaultPenWidth = Value; }
    TiPlotReferenceType AnnotationDefaultReference() const { return FAnnotationDefaultReference; }
    void SetAnnotationDefaultReference(TiPlotReferenceType Value) { FAnnotationDefaultReference = Value; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionX() const { return FAnnotationDefaultReferencePositionX; }
    void SetAnnotationDefaultReferencePositionX(TiPlotReferenceIndividual V) { FAnnotationDefaultReferencePositionX = V; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionY() const { return FAnnotationDefaultReferencePositionY; }
    void SetAnnotationDefaultReferencePositionY(TiPlotReferenceIndividual V) { FAnnotationDefaultReferencePositionY = V; }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeX() const { return FAnnotationDefaultReferenceSizeX; }
    void SetAnnotationDefaultReferenceSizeX(TiPlotReferenceIndividual V) { FAnnotationDefaultReferenceSizeX = V; }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeY() const { return FAnnotationDefaultReferenceSizeY; }
    void SetAnnotationDefaultReferenceSizeY(TiPlotReferenceIndividual V) { FAnnotationDefaultReferenceSizeY = V; }
    bool ClipAnnotationsToAxes() const { return FClipAnnotationsToAxes; }
    void SetClipAnnotationsToAxes(bool Value) { SetBooleanProperty(Value, FClipAnnotationsToAxes, 0); }
    bool BackGroundGradientEnabled() const { return FBackGroundGradientEnabled; }
    void SetBackGroundGradientEnabled(bool Value) { SetBooleanProperty(Value, FBackGroundGradientEnabled, 0); }
    TiFillDirection BackGroundGradientDirection() const { return FBackGroundGradientDirection; }
    void SetBackGroundGradientDirection(TiFillDirection Value);
    vcl::TColor BackGroundGradientStartColor() const { return FBackGroundGradientStartColor; }
    void SetBackGroundGradientStartColor(vcl::TColor Value) { SetColorProperty(Value, FBackGroundGradientStartColor, 0); }
    vcl::TColor BackGroundGradientStopColor() const { return FBackGroundGradientStopColor; }
    void SetBackGroundGradientStopColor(vcl::TColor Value) { SetColorProperty(Value, FBackGroundGradientStopColor, 0); }
    TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
    // Raises for a different value while logging is active.
    void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator Value);
    TiPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }
    // Raises while logging is active, even for the current value.
    void SetDataFileFormat(TiPlotDataFileFormat Value);
    const QString& DefaultSaveImageDirectory() const { return FDefaultSaveImageDirectory; }
    void SetDefaultSaveImageDirectory(const QString& Value) { FDefaultSaveImageDirectory = Value; }
    const QString& DefaultPropertyDirectory() const { return FDefaultPropertyDirectory; }
    void SetDefaultPropertyDirectory(const QString& Value) { FDefaultPropertyDirectory = Value; }
    const QString& DefaultDataDirectory() const { return FDefaultDataDirectory; }
    void SetDefaultDataDirectory(const QString& Value) { FDefaultDataDirectory = Value; }
    const QString& DefaultAnnotationDirectory() const { return FDefaultAnnotationDirectory; }
    void SetDefaultAnnotationDirectory(const QString& Value) { FDefaultAnnotationDirectory = Value; }
    TiPlotImageFormatStyle DefaultSaveImageFormat() const { return FDefaultSaveImageFormat; }
    void SetDefaultSaveImageFormat(TiPlotImageFormatStyle Value) { FDefaultSaveImageFormat = Value; }
    bool DifferentialPropertySave() const { return FDifferentialPropertySave; }
    void SetDifferentialPropertySave(bool Value) { FDifferentialPropertySave = Value; }
    vcl::TPopupMenu* ObjectPopupMenu() const { return FPopupMenu; }
    bool PaintingActive() const { return FPaintingActive; }
    // True while the plot reads itself from a stream: it fires no object events then.
    using TiComponent::IsLoading;

    // --- paper, clipboard and pictures (iPlotPrinting.cpp) ---
    // The plot as one picture on the clipboard in the form of CopyToClipBoardFormat, drawn
    // without toolbars or selections.
    void CopyToClipBoard();
    // The plot recorded as a vector picture kept by the control (the caller does not free it).
    vcl::TMetafile* GetSnapShotPicture();
    // Asks for a file name with the control's one save dialog (DefaultSaveImageDirectory is offered
    // on its first use only) and saves the image in the format its extension names ("bmp", "emf",
    // "jpg", "png", letter case as given).
    void Save();
    // Prints X axis 0's visible range; failures raise "Error Printing : <reason>".
    void PrintChart();
    // Shows the print preview through TiPlotOutputHooks::ShowPreview.
    void PreviewChart();
    // Height to the paper's proportions of the last print job (nothing before the first one).
    void PrintSizeToFillPage();
    void PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter);
    double PrintXStart() const { return FPrintXStart; }
    void SetPrintXStart(double Value) { FPrintXStart = Value; }
    double PrintXStop() const { return FPrintXStop; }
    void SetPrintXStop(double Value) { FPrintXStop = Value; }
    double PrinterPaperWidthInches() const { return FPrinterPaperWidthInches; }
    double PrinterPaperHeightInches() const { return FPrinterPaperHeightInches; }
    double PrinterPaperWidthCentimeters() const { return FPrinterPaperWidthInches * 2.54; }
    double PrinterPaperHeightCentimeters() const { return FPrinterPaperHeightInches * 2.54; }
    int PrinterPaperWidthPixels() const { return FPrinterPaperWidthPixels; }
    int PrinterPaperHeightPixels() const { return FPrinterPaperHeightPixels; }
    vcl::TNotifyEvent OnBeforePrint;
    vcl::TNotifyEvent OnAfterPrint;
    std::function<void(vcl::TObject* Sender, int PageIndex, bool LastPage)> OnBeforePrintPage;

    // --- configuration and annotation files (iPlotConfigFiles.cpp) ---
    // Every object of every kind with its published properties, then the control's own, as
    // property lines after "File Type = Plot Config" and the object counts.
    void SavePropertiesToFile(const QString& FileName) override;
    // Rebuilds the objects from such a file; a failed load still leaves the layout manager on and
    // the update block closed. Failures raise "Error Loading Properties - <reason>".
    void LoadPropertiesFromFile(const QString& FileName) override;
    void SaveAnnotationsToFile(const QString& FileName);
    void LoadAnnotationsFromFile(const QString& FileName);
    const QString& LastPropertiesFileName() const { return FLastPropertiesFileName; }
    vcl::TNotifyEvent OnBeforeLoadProperties;
    vcl::TNotifyEvent OnAfterLoadProperties;
    vcl::TNotifyEvent OnAfterSaveProperties;

    // --- the paint pass ---
    // Rectangles that cartesian axes reserve during one pass so that their labels do not overlap.
    void AddCollisionRect(const vcl::TRect& Rect);
    // Accepts Rect when it meets no reserved rectangle and lies inside data view 0 (an empty list
    // accepts any rectangle), and then reserves it.
    bool TryAddCollisionRect(const vcl::TRect& Rect);
    void ClearCollisionRects();
    // Whether the last paint pass drew the hover hint.
    bool HintShowing() const { return FHintShowing; }
    // Fires at the end of every complete paint pass.
    vcl::TNotifyEvent OnAfterPaint;
    // The property editor: opened (Sender: the master manager) and about to be freed (Sender: the editor).
    vcl::TNotifyEvent OnAfterOpenEditor;
    vcl::TNotifyEvent OnAfterCloseEditor;

    // --- data files and the plot's log (iPlotDataFiles.cpp) ---
    // Writes every channel's points as a text table or in the compact binary form of DataFileFormat;
    // the file is replaced only once complete. Failures raise "Error Saving Data - <reason>".
    void SaveDataToFile(const QString& FileName);
    // Appends the points of a text or compact binary data file to the channels inside one update
    // block. Failures raise "Error Loading Data - <reason>"; points read before stay.
    void LoadDataFromFile(const QString& FileName);
    // One row (one-dimensional Data: element k to channel k - low bound, XValue its X) or several
    // (two-dimensional [channel, row]: XValue is the step after each channel's last X).
    void AddDataArray(double XValue, const vcl::TVariant& Data);
    void LogActivate(bool Append);
    void LogDeactivate();
    // Stops logging, then clears every channel.
    void ClearAllData();
    const QString& LastDataFileName() const { return FLastDataFileName; }
    int LogBufferCount() const { return FLogBufferCount; }
    QChar GetColumnSeparatorChar() const;
    vcl::TNotifyEvent OnAfterSaveData;
    vcl::TNotifyEvent OnAfterLoadData;

    // --- events: the object's index in the manager of its kind ---
    TiPlotObjectEvent OnAddChannel, OnAddXAxis, OnAddYAxis, OnAddDataCursor, OnAddDataView, OnAddLegend, OnAddLimit,
        OnAddTable, OnAddAnnotation;
    TiPlotObjectEvent OnRemoveChannel, OnRemoveXAxis, OnRemoveYAxis, OnRemoveDataCursor, OnRemoveDataView,
        OnRemoveLegend, OnRemoveLimit, OnRemoveTable, OnRemoveAnnotation;

    // --- per-object events (index in the manager of the object's kind), none while loading ---
    TiPlotObjectMouseEvent OnMouseDownChannel, OnMouseDownXAxis, OnMouseDownYAxis, OnMouseDownDataCursor,
        OnMouseDownDataView, OnMouseDownLegend, OnMouseDownLimit, OnMouseDownAnnotation;
    TiPlotObjectMouseMoveEvent OnMouseMoveChannel, OnMouseMoveXAxis, OnMouseMoveYAxis, OnMouseMoveDataCursor,
        OnMouseMoveDataView, OnMouseMoveLegend, OnMouseMoveLimit, OnMouseMoveAnnotation;
    TiPlotObjectMouseEvent OnMouseUpChannel, OnMouseUpXAxis, OnMouseUpYAxis, OnMouseUpDataCursor, OnMouseUpDataView,
        OnMouseUpLegend, OnMouseUpLimit, OnMouseUpAnnotation;
    TiPlotObjectMouseWheelEvent OnMouseWheelChannel, OnMouseWheelXAxis, OnMouseWheelYAxis, OnMouseWheelDataCursor,
        OnMouseWheelDataView, OnMouseWheelLegend, OnMouseWheelLimit, OnMouseWheelAnnotation;
    TiPlotObjectEvent OnClickChannel, OnClickXAxis, OnClickYAxis, OnClickDataCursor, OnClickDataView, OnClickLegend,
        OnClickLimit, OnClickAnnotation;
    TiPlotObjectEvent OnDblClickChannel, OnDblClickXAxis, OnDblClickYAxis, OnDblClickDataCursor, OnDblClickDataView,
        OnDblClickLegend, OnDblClickLimit, OnDblClickAnnotation;
    // (the legend's, data cursor's, limit's and annotation's are the decorations' own)
    TiPlotObjectGetMouseCursorEvent OnGetMouseCursorChannel, OnGetMouseCursorXAxis, OnGetMouseCursorYAxis,
        OnGetMouseCursorDataView;
    TiPlotObjectEvent OnGotFocusChannel, OnGotFocusXAxis, OnGotFocusYAxis, OnGotFocusDataCursor, OnGotFocusDataView,
        OnGotFocusLegend, OnGotFocusAnnotation;
    TiPlotObjectEvent OnLostFocusChannel, OnLostFocusXAxis, OnLostFocusYAxis, OnLostFocusDataCursor,
        OnLostFocusDataView, OnLostFocusLegend, OnLostFocusAnnotation;
    TiPlotPopupMenuEvent OnPopupMenuChannel, OnPopupMenuXAxis, OnPopupMenuYAxis, OnPopupMenuDataCursor,
        OnPopupMenuDataView, OnPopupMenuLegend, OnPopupMenuLimit, OnPopupMenuAnnotation;
    TiPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
    TiPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
    TiPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
    TiPlotDataPointMovedEvent OnDataPointMoved;
    TiPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
    TiPlotIndexTextEvent OnXAxisCustomizeHint, OnYAxisCustomizeHint;
    TiPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
    TiPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnYAxisMinChange, OnXAxisSpanChange, OnYAxisSpanChange;
    TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnYAxisMinSpanChange, OnXAxisMinSpanChangeFinished,
        OnYAxisMinSpanChangeFinished;

    // --- firing the events (iPlotComponentInput.cpp); objects call these ---
    void DoObjectMouseDown(TiPlotObject* AObject, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void DoObjectMouseMove(TiPlotObject* AObject, vcl::TShiftState Shift, int X, int Y);
    void DoObjectMouseUp(TiPlotObject* AObject, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void DoObjectMouseWheel(TiPlotObject* AObject, int WheelDelta, vcl::TShiftState Shift, int X, int Y);
    // OnDblClick of the kind while a double click is under way, else OnClick; ends the double click.
    void DoObjectClick(TiPlotObject* AObject);
    // The same for objects that carry the double-click flag in their mouse record.
    void ObjectClick(TiPlotObject* Object, bool DblClickActive) override;
    void DoObjectGetMouseCursor(TiPlotObject* AObject, vcl::TCursor& MouseCursor);
    void DoObjectGotFocus(TiPlotObject* AObject);
    void DoObjectLostFocus(TiPlotObject* AObject);
    void DoObjectPopupMenu(TiPlotObject* AObject, bool& Cancel, int ScreenX, int ScreenY);
    void DoDataPointClick(TiPlotChannelCustom* Channel, int DataIndex);
    void DoDataPointMouseDown(TiPlotChannelCustom* Channel, int DataIndex, const TiPlotMouseData& MouseData);
    void DoDataPointMouseMove(TiPlotChannelCustom* Channel, int DataIndex, const TiPlotMouseData& MouseData);
    void DoDataPointMouseUp(TiPlotChannelCustom* Channel, int DataIndex, const TiPlotMouseData& MouseData);
    void DoDataPointMoved(TiPlotChannelCustom* Channel, int DataIndex, double OldX, double OldY, double NewX,
                          double NewY);
    void DoAxisCustomizeLabel(TiPlotAxis* Axis, QString& Text, double Value);
    // For a customize-label handler: the text DoAxisCustomizeLabel hands back.
    void SetCustomizeLabelText(const QString& Value) { FTempCustomLabel = Value; }
    void DoXAxisCustomizeHint(TiPlotObject* AObject, QString& AText);
    void DoYAxisCustomizeHint(TiPlotObject* AObject, QString& AText);
    void DoDataCursorCustomizeHint(TiPlotObject* AObject, QString& AText);
    void DoDataPointCustomizeHint(TiPlotChannelCustom* Channel, int DataPointIndex, QString& AText);
    void DoToolBarButtonClick(TiPlotObject* ToolBar, TiPlotToolBarButtonType ButtonType);
    void DoBeforeToolBarButtonClick(TiPlotObject* ToolBar, TiPlotToolBarButtonType ButtonType, bool& Cancel);
    void DoBeforeDataCursorUpdate(TiPlotObject* Cursor);
    // Fires also while loading.
    void DoDataCursorChange(TiPlotObject* Cursor);
    void DoAnnotationCoordinatesChange(TiPlotObject* Annotation);
    void DoAnnotationMoveUser(TiPlotObject* Annotation);
    void DoAnnotationResizeUser(TiPlotObject* Annotation);
    void DoAnnotationCoordinatesChangeFinished(TiPlotObject* Annotation);
    void DoLimitLine1PositionChange(TiPlotObject* Limit, double OldValue, double NewValue);
    void DoLimitLine2PositionChange(TiPlotObject* Limit, double OldValue, double NewValue);
    void DoAxisMinChange(TiPlotAxis* Axis, double OldValue, double NewValue);
    void DoAxisSpanChange(TiPlotAxis* Axis, double OldValue, double NewValue);
    void DoAxisMinSpanChange(TiPlotAxis* Axis, double OldMin, double OldSpan, double NewMin, double NewSpan);
    void DoAxisMinSpanChangeFinished(TiPlotAxis* Axis, double OldMin, double OldSpan, double NewMin, double NewSpan);

    // --- routing (iPlotComponentInput.cpp) ---
    // The object under the mouse: selected objects first, then any, then data views and legends.
    TiPlotObject* FindObjectAt(const TiPlotMouseData& MouseData);
    void FillAxisPixels(TiPlotMouseData& MouseData) const;
    void HideHint();
    // Input an axis with MasterUIInput hands to the other axes of its kind, each once.
    void MasterAxisMouseLeft(TiPlotAxis* Axis, const TiPlotMouseData& MouseData);
    void MasterAxisMouseMove(TiPlotAxis* Axis, const TiPlotMouseData& MouseData);
    void MasterAxisMouseUp(TiPlotAxis* Axis, const TiPlotMouseData& MouseData);
    void MasterAxisMouseWheel(TiPlotAxis* Axis, int WheelDelta, vcl::TShiftState Shift, vcl::TPoint MousePos);
    void MasterAxisKeyDown(TiPlotAxis* Axis, vcl::WORD& Key, vcl::TShiftState Shift);
    // Whether the user picks data points: toolbar 0's Select button is down.
    bool GetSelectActive() const;
    void SetSelectActive(bool Value);
    bool DblClickActive() const { return FDBLClickActive; }
    const TiHintData& HintData() const { return FHintData; }
    TiPlotObject* MouseDownObject() const { return FMouseDownObject; }
    TiPlotObject* LastMouseClickObject() const { return FLastMouseClickObject; }
    // The window that took the mouse capture: this control, another one, or none.
    void CaptureChanged(const QWidget* NewCapture);
    bool HoldsCapture() const { return FCaptureHeld; }

protected:
    void iMouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void iMouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void iMouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void iDoubleClick() override;
    bool iMouseWheel(int WheelDelta, vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void iWantSpecialKey(vcl::WORD& CharCode, vcl::LRESULT& Result) override;
    bool event(QEvent* Event) override;
    void HintTimerTick();

    // Lays out and paints every object; a plot without a toolbar, a legend or a data view paints nothing.
    void iPaintTo(vcl::TCanvas* Canvas) override;

    virtual void DoObjectInsert(vcl::TObject* AObject);
    virtual void DoObjectRemove(vcl::TObject* AObject);
    virtual void DoObjectChange(vcl::TObject* Sender);

    // Runs Fn with the layout manager disabled and enables it again on every exit path.
    template <typename Fn>
    void WithLayoutManagerDisabled(Fn&& fn);

    std::unique_ptr<TiPlotMasterManager> FMaster;
    TiPlotObject* FMouseDownObject { nullptr };
    TiPlotObject* FLastMouseOverObject { nullptr };
    TiPlotObject* FLastMouseClickObject { nullptr };

private:
    void PrintPages();
    void PrintPage(const vcl::TRect& Rect);
    // Appends the last LogBufferCount rows to the log; a point a channel lacks gives empty fields.
    void FlushLog();
    TiPlotEventKind EventKind(const TiPlotObject* AObject) const;
    int KindIndex(TiPlotEventKind Kind, const TiPlotObject* AObject) const;
    // Fires Family[kind of AObject] with the object's index and Args, unless loading.
    template <typename Event, typename... Args>
    void FireKind(const Event* const (&Family)[int(TiPlotEventKind::Count)], TiPlotObject* AObject, Args&&... args);
    int ChannelIndex(const TiPlotChannelCustom* Channel) const;
    vcl::TPoint ScreenPoint(int X, int Y) const;
    void RunHintStateMachine(TiPlotObject* Over, const TiHintData& Local, int X, int Y);
    void CaptureMouse();
    void ReleaseMouseCapture();
    template <typename Fn>
    void ForwardToOtherAxes(TiPlotAxis* Axis, Fn&& fn);

    bool FMouseDown { false };
    vcl::TShiftState FShiftState;
    bool FSelectingActive { false };
    bool FDBLClickActive { false };
    const QWidget* FCaptureWindowHandle { nullptr };
    bool FCaptureHeld { false };
    bool FJustReleasedCapture { false };
    bool FMasterAxisBlock { false };
    vcl::TMouseButton FLastMouseClickButton { vcl::TMouseButton::mbLeft };
    vcl::TShiftState FLastMouseClickShift;
    int FLastMouseClickX { 0 };
    int FLastMouseClickY { 0 };
    int FLastMouseClickScreenX { 0 };
    int FLastMouseClickScreenY { 0 };
    TiHintData FHintData;
    int FLastHintX { 0 };
    int FLastHintY { 0 };
    vcl::TRect FLastHintShowRect;
    TiPlotObject* FLastHintObject { nullptr };
    bool FHintShowing { false };
    QString FTempCustomLabel;

    void BuildAllTicks(vcl::TCanvas* Canvas);
    void LayoutPass(vcl::TCanvas* Canvas);
    void UpdateDataCursors();
    void PaintBackground(vcl::TCanvas* Canvas);
    // Queues the layered objects in drawing order: before the equal keys, so among objects of one
    // layer the first queued is drawn last, on top.
    void QueueLayerObject(const QString& Key, TiPlotObject* Object);
    void QueueLayeredObjects();
    void DrawFrameObjects(vcl::TCanvas* Canvas);
    void DrawHint(vcl::TCanvas* Canvas);

    std::vector<std::pair<QString, TiPlotObject*>> FLayerList;
    std::vector<vcl::TRect> FAxesCollisionList;

    // Fires the event of the object's kind with its index, each kind tested on its own.
    void FireKindEvent(vcl::TObject* AObject, bool Added);
    void DeleteFrom(TiPlotObjectManagerCustom* Manager, int Index);
    void RemoveAllFrom(TiPlotObjectManagerCustom* Manager);

    std::unique_ptr<vcl::TFont> FHintsFont;
    std::array<std::unique_ptr<vcl::TImageList>, 3> FImageLists { std::make_unique<vcl::TImageList>(24, 24),
                                                                  std::make_unique<vcl::TImageList>(24, 24),
                                                                  std::make_unique<vcl::TImageList>(24, 24) };
    vcl::TPopupMenu* FPopupMenu { nullptr };
    bool FUserCanAddRemoveChannels { false };
    TPrinterOrientation FPrintOrientation { TPrinterOrientation::poLandscape };
    double FPrintMarginTop { 1.0 };
    double FPrintMarginLeft { 1.0 };
    double FPrintMarginRight { 1.0 };
    double FPrintMarginBottom { 1.0 };
    bool FPrintShowDialog { true };
    QString FPrintDocumentName { QStringLiteral("Untitled") };
    QString FPrinterName;
    int FOuterMarginTop { 5 };
    int FOuterMarginLeft { 5 };
    int FOuterMarginRight { 5 };
    int FOuterMarginBottom { 5 };
    TiPlotFormStyle FEditorFormStyle { TiPlotFormStyle::ipfsModal };
    TiPlotExportFormat FCopyToClipBoardFormat { TiPlotExportFormat::ipefMetaFile };
    bool FClipAnnotationsToAxes { true };
    bool FHintsShow { true };
    int FHintsPause { 500 };
    int FHintsHidePause { 2500 };
    bool FLoggingActive { false };
    int FLogBufferCount { 0 };
    QString FLastDataFileName;
    QString FLastPropertiesFileName;
    double FPrintXStart { 0.0 };
    double FPrintXStop { 0.0 };
    double FPrinterPaperWidthInches { 0.0 };
    double FPrinterPaperHeightInches { 0.0 };
    int FPrinterPaperWidthPixels { 0 };
    int FPrinterPaperHeightPixels { 0 };
    std::unique_ptr<vcl::TMetafile> FSnapShotPicture;
    TiComponentEditorSavePicker* FSaveDialog { nullptr }; // owned as a component, made by the first Save
    QChar FLoadingSeparator { u'\t' };
    int FLogBufferSize { 0 };
    QString FLogFileName;
    std::unique_ptr<vcl::TFont> FAnnotationDefaultFont;
    vcl::TBrushStyle FAnnotationDefaultBrushStlye { vcl::TBrushStyle::bsSolid };
    vcl::TColor FAnnotationDefaultBrushColor { vcl::clWhite };
    vcl::TPenStyle FAnnotationDefaultPenStlye { vcl::TPenStyle::psSolid };
    vcl::TColor FAnnotationDefaultPenColor { vcl::clWhite };
    int FAnnotationDefaultPenWidth { 1 };
    TiPlotReferenceType FAnnotationDefaultReference { TiPlotReferenceType::iprtDataView };
    TiPlotReferenceIndividual FAnnotationDefaultReferencePositionX { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FAnnotationDefaultReferencePositionY { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FAnnotationDefaultReferenceSizeX { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FAnnotationDefaultReferenceSizeY { TiPlotReferenceIndividual::ipriAuto };
    bool FBackGroundGradientEnabled { false };
    vcl::TColor FBackGroundGradientStartColor { vcl::clBlue };
    vcl::TColor FBackGroundGradientStopColor { vcl::clBlack };
    TiFillDirection FBackGroundGradientDirection { TiFillDirection::ifdTopBottom };
    bool FPaintingActive { false };
    TiPlotDataFileColumnSeparator FDataFileColumnSeparator { TiPlotDataFileColumnSeparator::ipdfcsTab };
    TiPlotDataFileFormat FDataFileFormat { TiPlotDataFileFormat::ipdffText };
    QString FDefaultSaveImageDirectory;
    QString FDefaultPropertyDirectory;
    QString FDefaultDataDirectory;
    QString FDefaultAnnotationDirectory;
    TiPlotImageFormatStyle FDefaultSaveImageFormat { TiPlotImageFormatStyle::ipifBitmap };
    bool FDifferentialPropertySave { false };
};

template <typename Fn>
void TiPlotComponent::WithLayoutManagerDisabled(Fn&& fn)
{
    struct Enable
    {
        TiPlotLayoutManager* manager;
        ~Enable()
        {
            if (manager)
                manager->SetEnabled(true);
        }
    } enable { FMaster->LayoutManager() };
    if (enable.manager)
        enable.manager->SetEnabled(false);
    fn();
}
