#pragma once
// How a rectangle is filled with GDI+ (body colours and gradients, an optional mirrored lower
// half, rounded corners, border, shadow, glow, background and foreground pictures) and the painter
// that draws it; saved to ini sections and copied through the clipboard.

#include "platform/core/TPersistent.h"
#include "widgets/AdvGDIP.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

enum class TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum class TFillPicturePosition {
    ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
    ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum class TShadowType { stRightBottom, stBottom, stSurround };
enum class TFillPictureSize { psOriginal, psCustom };
enum class TFillPictureMode { pmInsideFill, pmOutsideFill };
enum class TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum class TPictureMode { pmStretch, pmNormal };

// A small ini file: sections and keys matched without regard to case, values kept as text; the
// file is written back by UpdateFile (and by the destructor when something changed).
class TFillIniFile
{
public:
    explicit TFillIniFile(const QString& fileName);
    ~TFillIniFile();
    TFillIniFile(const TFillIniFile&) = delete;
    TFillIniFile& operator=(const TFillIniFile&) = delete;

    // From text instead of a file (UpdateFile then does nothing).
    static std::unique_ptr<TFillIniFile> FromText(const QString& text);
    QString Text() const;

    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    bool ValueExists(const QString& section, const QString& key) const;
    // False when the file could not be written.
    bool UpdateFile();

private:
    TFillIniFile() = default;
    struct Section
    {
        QString name;
        QStringList keys;
        QStringList values;
    };
    Section* Find(const QString& section);
    const Section* Find(const QString& section) const;
    void Parse(const QString& text);

    QString m_fileName;
    QList<Section> m_sections;
    bool m_dirty { false };
};

// Rectangle size of a picture fitted into an area keeping its aspect ratio.
struct TFitSize
{
    double Width { 0 };
    double Height { 0 };
};
TFitSize FitPictureToRect(double pw, double ph, double rw, double rh, TPictureMode mode);

// The shape of an area: a closed figure with the chosen corners rounded by radius r (none when
// r is 0 or less).
std::unique_ptr<TGPGraphicsPath> CreateFillShapePath(const TGPRectF& area, int r, TFillRoundingType t);

// Where DrawPlacedPicture puts a picture of pw x ph in the rectangle (L, T, R, B); empty for ppTiled.
vcl::TRect PlacedPictureRect(int L, int T, int R, int B, int pw, int ph, TFillPicturePosition position, int customX,
                             int customY, bool aspectRatio, TPictureMode aspectMode);

class TGDIPFill : public vcl::TPersistent
{
public:
    TGDIPFill();
    ~TGDIPFill() override;

    vcl::TNotifyEvent OnChange;

    void Assign(vcl::TPersistent* Source) override;
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate()
    {
        if (m_updateCount > 0)
            --m_updateCount;
    }
    // Raises OnChange unless an update is open.
    void Changed();

    // Draws the fill and returns the area left after the shadow; 255 selects the property's opacity.
    TGPRectF Fill(TGPGraphics* Graphics, const TGPRectF& R, std::uint8_t ABorderOpacity = 255,
                  std::uint8_t AOpacity = 255, std::uint8_t AOpacityTo = 255, std::uint8_t AOpacityMirror = 255,
                  std::uint8_t AOpacityMirrorTo = 255);
    void DrawGradientBackGround(TGPGraphics* Graphics, const TGPRectF& R, bool Mirror, std::uint8_t oc,
                                std::uint8_t octo, std::uint8_t ocmr, std::uint8_t ocmrto);
    void DrawGlow(TGPGraphics* Graphics, const TGPRectF& R);

    void SaveToFile(const QString& FileName, const QString& Section);
    void LoadFromFile(const QString& FileName, const QString& Section);
    void SaveToFile(TFillIniFile& Ini, const QString& Section);
    // Raises vcl::EConvertError "No Hex-Number" for a picture text that is not hex.
    void LoadFromFile(TFillIniFile& Ini, const QString& Section);
    void SaveToClipBoard();
    void LoadFromClipBoard();

#define ZQ9_FILL_PROPERTY(Type, Name, member)                                                                          \
    Type Name() const { return member; }                                                                               \
    void Set##Name(Type value);
    ZQ9_FILL_PROPERTY(vcl::TColor, Color, m_color)
    ZQ9_FILL_PROPERTY(vcl::TColor, ColorTo, m_colorTo)
    ZQ9_FILL_PROPERTY(vcl::TColor, ColorMirror, m_colorMirror)
    ZQ9_FILL_PROPERTY(vcl::TColor, ColorMirrorTo, m_colorMirrorTo)
    ZQ9_FILL_PROPERTY(TAdvGradientType, GradientType, m_gradientType)
    ZQ9_FILL_PROPERTY(TAdvGradientType, GradientMirrorType, m_gradientMirrorType)
    ZQ9_FILL_PROPERTY(HatchStyle, HatchStyleMirror, m_hatchStyleMirror)
    ZQ9_FILL_PROPERTY(std::uint8_t, Opacity, m_opacity)
    ZQ9_FILL_PROPERTY(std::uint8_t, OpacityTo, m_opacityTo)
    ZQ9_FILL_PROPERTY(std::uint8_t, OpacityMirror, m_opacityMirror)
    ZQ9_FILL_PROPERTY(std::uint8_t, OpacityMirrorTo, m_opacityMirrorTo)
    ZQ9_FILL_PROPERTY(vcl::TColor, BorderColor, m_borderColor)
    ZQ9_FILL_PROPERTY(std::uint8_t, BorderOpacity, m_borderOpacity)
    ZQ9_FILL_PROPERTY(int, BorderWidth, m_borderWidth)
    ZQ9_FILL_PROPERTY(int, Rounding, m_rounding)
    ZQ9_FILL_PROPERTY(TFillRoundingType, RoundingType, m_roundingType)
    ZQ9_FILL_PROPERTY(vcl::TColor, ShadowColor, m_shadowColor)
    ZQ9_FILL_PROPERTY(int, ShadowOffset, m_shadowOffset)
    ZQ9_FILL_PROPERTY(TShadowType, ShadowType, m_shadowType)
    ZQ9_FILL_PROPERTY(int, Angle, m_angle)
    ZQ9_FILL_PROPERTY(TGlowMode, Glow, m_glow)
    ZQ9_FILL_PROPERTY(vcl::TColor, GlowGradientColor, m_glowGradientColor)
    ZQ9_FILL_PROPERTY(vcl::TColor, GlowRadialColor, m_glowRadialColor)
    ZQ9_FILL_PROPERTY(TFillPicturePosition, PicturePosition, m_picturePosition)
    ZQ9_FILL_PROPERTY(int, PictureLeft, m_pictureLeft)
    ZQ9_FILL_PROPERTY(int, PictureTop, m_pictureTop)
    ZQ9_FILL_PROPERTY(TFillPictureSize, PictureSize, m_pictureSize)
    ZQ9_FILL_PROPERTY(int, PictureWidth, m_pictureWidth)
    ZQ9_FILL_PROPERTY(int, PictureHeight, m_pictureHeight)
    ZQ9_FILL_PROPERTY(bool, PictureAspectRatio, m_pictureAspectRatio)
    ZQ9_FILL_PROPERTY(TPictureMode, PictureAspectMode, m_pictureAspectMode)
    ZQ9_FILL_PROPERTY(TFillPictureMode, BackGroundPictureMode, m_backGroundPictureMode)
    ZQ9_FILL_PROPERTY(TFillPicturePosition, BackGroundPicturePosition, m_backGroundPicturePosition)
    ZQ9_FILL_PROPERTY(int, BackGroundPictureLeft, m_backGroundPictureLeft)
    ZQ9_FILL_PROPERTY(int, BackGroundPictureTop, m_backGroundPictureTop)
    ZQ9_FILL_PROPERTY(bool, BackGroundPictureAspectRatio, m_backGroundPictureAspectRatio)
    ZQ9_FILL_PROPERTY(TPictureMode, BackGroundPictureAspectMode, m_backGroundPictureAspectMode)
#undef ZQ9_FILL_PROPERTY

    // The hatch style of the body (the property "HatchStyle").
    ::HatchStyle GetHatchStyle() const { return m_hatchStyle; }
    void SetHatchStyle(::HatchStyle value);

    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    // Copies the picture's content (nothing when it is the owned picture itself).
    void SetPicture(TAdvGDIPPicture* value);
    TAdvGDIPPicture* BackGroundPicture() const { return m_backGroundPicture.get(); }
    void SetBackGroundPicture(TAdvGDIPPicture* value);

    // Not copied by Assign, not saved.
    bool Focus { false };
    vcl::TColor FocusColor { 0 };
    TGPRectF FocusRect;

    // The name of the clipboard format.
    static const QString ClipboardFormat;

private:
    void FillRadialGradient(TGPGraphics* g, const TGPRectF& area, bool topForm, TFillRoundingType corners,
                            int radius, vcl::TColor A, vcl::TColor B, std::uint8_t a, std::uint8_t b);
    void DrawPlacedPicture(TGPGraphics* g, TAdvGDIPPicture* picture, int L, int T, int R, int B, int pw, int ph,
                           TFillPicturePosition position, int customX, int customY, bool aspect, TPictureMode mode);
    void WriteKeys(TFillIniFile& ini, const QString& section, bool everything);
    void ReadKeys(TFillIniFile& ini, const QString& section, bool everything);

    vcl::TColor m_color { 0xC0C0C0 };
    vcl::TColor m_colorTo { 0x808080 };
    vcl::TColor m_colorMirror { vcl::clNone };
    vcl::TColor m_colorMirrorTo { vcl::clNone };
    TAdvGradientType m_gradientType { TAdvGradientType::gtVertical };
    TAdvGradientType m_gradientMirrorType { TAdvGradientType::gtSolid };
    HatchStyle m_hatchStyle { HatchStyle::HatchStyleHorizontal };
    HatchStyle m_hatchStyleMirror { HatchStyle::HatchStyleHorizontal };
    std::uint8_t m_opacity { 255 };
    std::uint8_t m_opacityTo { 255 };
    std::uint8_t m_opacityMirror { 255 };
    std::uint8_t m_opacityMirrorTo { 255 };
    vcl::TColor m_borderColor { vcl::clNone };
    std::uint8_t m_borderOpacity { 255 };
    int m_borderWidth { 1 };
    int m_rounding { 0 };
    TFillRoundingType m_roundingType { TFillRoundingType::rtBoth };
    vcl::TColor m_shadowColor { 0x808080 };
    int m_shadowOffset { 0 };
    TShadowType m_shadowType { TShadowType::stRightBottom };
    int m_angle { 0 };
    TGlowMode m_glow { TGlowMode::gmNone };
    vcl::TColor m_glowGradientColor { 0xFFFFFF };
    vcl::TColor m_glowRadialColor { 0xFFFFFF };
    TFillPicturePosition m_picturePosition { TFillPicturePosition::ppTopLeft };
    int m_pictureLeft { 0 };
    int m_pictureTop { 0 };
    TFillPictureSize m_pictureSize { TFillPictureSize::psOriginal };
    int m_pictureWidth { 50 };
    int m_pictureHeight { 50 };
    bool m_pictureAspectRatio { false };
    TPictureMode m_pictureAspectMode { TPictureMode::pmStretch };
    TFillPictureMode m_backGroundPictureMode { TFillPictureMode::pmOutsideFill };
    TFillPicturePosition m_backGroundPicturePosition { TFillPicturePosition::ppTopLeft };
    int m_backGroundPictureLeft { 0 };
    int m_backGroundPictureTop { 0 };
    bool m_backGroundPictureAspectRatio { false };
    TPictureMode m_backGroundPictureAspectMode { TPictureMode::pmStretch };
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    std::unique_ptr<TAdvGDIPPicture> m_backGroundPicture;
    int m_updateCount { 0 };
};
