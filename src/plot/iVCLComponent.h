#pragma once
// The window layer of every plot-library control: the painting lock, one internal timer, focus and
// key notifications into the component-level operations, optional transparency over the parent's
// image, and painting into another canvas at an offset.

#include "plot/iComponent.h"
#include "plot/extras/iOPCItem.h"

#include "platform/core/TStringList.h"
#include "platform/core/Variant.h"

#include <QTimer>

#include <memory>
#include <vector>
#include <mutex>

namespace vcl {
class TJPEGImage;
class TMetafile;
}

class TiVCLComponent : public TiComponent
{
public:
    explicit TiVCLComponent(vcl::TComponent* AOwner);
    ~TiVCLComponent() override;

    // Re-entrant for the thread that holds it; nothing once the control is being destroyed.
    void Lock() override;
    void Unlock() override;

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    void RepaintAll() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Paints the control with its top-left corner at (X, Y) of Canvas and nothing outside its own
    // rectangle; with Transparent the background is left as Canvas has it (Canvas must be a bitmap's
    // then). Exceptions of the platform's class are swallowed.
    void iPaintToDC(int X, int Y, bool Transparent, vcl::TCanvas* Canvas);

    bool InternalTimerActive() const override { return m_internalTimer.isActive(); }
    // Nothing while running; first tick after FirstInterval (when not 0), then every Interval.
    void InternalTimerStart(int FirstInterval, int Interval) override;
    void InternalTimerStop() override;

    vcl::TNotifyEvent OnInternalTimer;

    // --- OPC items bound to published properties (iComponentOPC.cpp); an Index outside the
    // item list raises the list's index error ---
    TiOPCItemManager* OPCItemManager();
    int OPCAddItem();
    int OPCItemCount();
    void OPCRemoveAllItems();
    void OPCDeleteItem(int Index);
    void OPCItemActivate(int Index);
    void OPCItemDeactivate(int Index);
    void OPCItemUpdateResume(int Index);
    void OPCItemUpdateSuspend(int Index);
    void OPCItemLoaded(int Index);
    void SetOPCItemData(int Index, const iopc::Variant& Value);
    void SetOPCItemComputerName(int Index, const QString& Value);
    void SetOPCItemServerName(int Index, const QString& Value);
    void SetOPCItemItemName(int Index, const QString& Value);
    void SetOPCItemPropertyName(int Index, const QString& Value);
    void SetOPCItemAutoConnect(int Index, bool Value);
    void SetOPCItemUpdateRate(int Index, int Value);
    QString GetOPCItemComputerName(int Index);
    QString GetOPCItemServerName(int Index);
    QString GetOPCItemItemName(int Index);
    QString GetOPCItemPropertyName(int Index);
    bool GetOPCItemAutoConnect(int Index);
    int GetOPCItemUpdateRate(int Index);
    // The last value the item received (the caller owns the copy and clears it).
    iopc::Variant GetOPCItemData(int Index);
    std::uint16_t GetOPCItemQuality(int Index);
    double GetOPCItemTimeStamp(int Index);
    // Sends a changed property to every active item bound to it; false when none took it, or
    // when the change came from an incoming value (nothing is sent back then).
    bool OPCOutputData(const QString& PropertyName, const iopc::Variant& Value);
    // A derived control may take an incoming value itself and answer true.
    virtual bool OPCNewDataSpecial(const QString& PropertyName, const iopc::Variant& Value) { return false; }
    // Streams the item list as the stored property "OPCItems" when it holds items.
    void DefineProperties(vcl::TFiler& Filer) override;
    // The item list's notice of a new value: written into the item's property when its quality is good.
    void OPCNewData(TiOPCItem* Item);
    // The kind of the writable published property at PropertyName (any depth), or tkUnknown.
    TiOPCPropertyKind GetPropertyTypeKind(const QString& PropertyName);
    // Sender, item index.
    std::function<void(vcl::TObject* Sender, int Index)> OnNewOPCData;
    // Sender, item index, the value (which the handler may change).
    std::function<void(vcl::TObject* Sender, int Index, iopc::Variant& Data)> OnBeforeNewOPCData;

    // --- colour schemes (iComponentSchemes.cpp) ---
    // Replaces every loaded scheme with those of the library's and the user's scheme files, found
    // in the folders the settings store names under "SOFTWARE\Zarvik\Themes".
    void LoadThemes();
    int GetThemeCategoryCount() const;
    QString GetThemeCategoryName(int CategoryIndex) const;
    int GetThemeCategorySchemeCount(int CategoryIndex) const;
    QString GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const;
    bool GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const;
    // Writes the scheme's "path = value" lines into the published properties.
    void ApplyScheme(int CategoryIndex, int SchemeIndex);
    // Writes Value into the writable published property whose dotted path (below Prefix) is Path,
    // at any depth, converted by its kind; a value that does not convert raises EConvertError.
    static void SetPropertyByPath(vcl::TPersistent* Instance, const QString& Prefix, const QString& Value,
                                  const QString& Path);
    // The library's and the user's scheme folders, each ending in a separator when not empty.
    static void GetThemePaths(QString& LibraryPath, QString& UserPath);

    // --- images: the control painted off screen at its size, the window not involved ---
    // The recorded vector picture, written as SVG under FileName.
    void SaveImageToMetaFile(const QString& FileName);
    // Compression 1..100 (else "Compression must be in the range of 1-100", before anything is painted).
    void SaveImageToJPEG(const QString& FileName, int Compression, bool Progressive);
    // Compression 0..9 (else "Compression must be in the range of 0-9").
    void SaveImageToPNG(const QString& FileName, int Compression);
    // A complete JPEG or PNG file as a byte array with bounds 0 .. size - 1, made under the lock.
    vcl::TVariant GetBytesJPEG(int Compression, bool Progressive);
    vcl::TVariant GetBytesPNG(int Compression);
    // A new compressed JPEG picture; the caller owns it.
    std::unique_ptr<vcl::TJPEGImage> GetJPEGImage(int Compression, bool Progressive);
    // The control painted into a fresh bitmap, or recorded into Metafile (sized to the control).
    QImage PaintToImage();
    void PaintToMetafile(vcl::TMetafile& Metafile, const QString& Description);

protected:
    void DrawBackGround(vcl::TCanvas* Canvas, vcl::TColor Color) override;
    void RequestTransparentCapture();
    void CaptureTransparentBackGround();

    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;
    void ColorChanged() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void SizeChanged() override;

    bool FPaintDCTransparent { false };
    std::unique_ptr<vcl::TBitmap> FTransparentBitmap;
    bool FTransparent { false };
    bool FTimerFirstMessage { false };
    int FTimerInterval { 0 };
    bool FNeedsTransparentCapture { false };

private:
    // A scheme's "path = value" lines; the list's class (TiZarvikSchemeList or TiUserSchemeList)
    // tells which file it came from.
    struct ThemeScheme
    {
        QString Name;
        std::shared_ptr<vcl::TStringList> Properties;
    };
    struct ThemeCategory
    {
        QString Name;
        std::vector<ThemeScheme> Schemes;
    };
    void LoadSchemeFile(const QByteArray& Bytes, bool User);
    const ThemeScheme& SchemeAt(int CategoryIndex, int SchemeIndex) const;
    void InternalTimerTick();

    std::vector<ThemeCategory> FThemeCategoryList;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;
    bool FOPCIncomingActive { false };

    std::recursive_mutex m_dataCriticalSection;
    QTimer m_internalTimer;
};
