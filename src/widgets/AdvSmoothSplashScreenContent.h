#pragma once
// What the splash shows besides its background: program texts, free items, HTML list lines and
// top layers, each a persistent description owned by the splash component.

#include "platform/core/Events.h"
#include "platform/core/TCollection.h"
#include "platform/core/TPersistent.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TFont.h"
#include "widgets/AdvGDIP.h"
#include "widgets/AdvSmoothSplashScreenLayout.h"
#include "widgets/GDIPFill.h"

#include <functional>
#include <memory>

class TAdvSmoothSplashScreen;

// A heading text (program name or version) drawn with a gradient, hatch or texture brush.
class TSplashHeadingText : public vcl::TPersistent
{
public:
    TSplashHeadingText();
    ~TSplashHeadingText() override;

    void Assign(vcl::TPersistent* Source) override;

    int Angle() const { return m_angle; }
    void SetAngle(int value) { m_angle = value; }
    const QString& Text() const { return m_text; }
    void SetText(const QString& value);
    vcl::TFont* Font() const { return m_font.get(); }
    void SetFont(vcl::TFont* value) { m_font->Assign(value); }
    TItemLocation Location() const { return m_location; }
    void SetLocation(TItemLocation value) { m_location = value; }
    int PosX() const { return m_posX; }
    void SetPosX(int value) { m_posX = value; }
    int PosY() const { return m_posY; }
    void SetPosY(int value) { m_posY = value; }
    HatchStyle GetHatchStyle() const { return m_hatchStyle; }
    void SetHatchStyle(HatchStyle value) { m_hatchStyle = value; }
    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TAdvGDIPPicture* value);
    vcl::TColor ColorStart() const { return m_colorStart; }
    void SetColorStart(vcl::TColor value) { m_colorStart = value; }
    vcl::TColor ColorEnd() const { return m_colorEnd; }
    void SetColorEnd(vcl::TColor value) { m_colorEnd = value; }
    int OpacityStart() const { return m_opacityStart; }
    void SetOpacityStart(int value) { m_opacityStart = value & 0xFF; }
    int OpacityEnd() const { return m_opacityEnd; }
    void SetOpacityEnd(int value) { m_opacityEnd = value & 0xFF; }
    TAdvGradientType GradientType() const { return m_gradientType; }
    void SetGradientType(TAdvGradientType value) { m_gradientType = value; }

    vcl::TNotifyEvent OnChange; // only a new Text fires it

private:
    int m_angle { 0 };
    QString m_text;
    std::unique_ptr<vcl::TFont> m_font;
    TItemLocation m_location { TItemLocation::ilTopLeft };
    int m_posX { 10 };
    int m_posY { 100 };
    HatchStyle m_hatchStyle { HatchStyle::HatchStyleHorizontal };
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    vcl::TColor m_colorStart { 0 };
    vcl::TColor m_colorEnd { vcl::clNone };
    int m_opacityStart { 255 };
    int m_opacityEnd { 255 };
    TAdvGradientType m_gradientType { TAdvGradientType::gtVertical };
};

// Program name, program version and copyright.
class TBasicProgramInfo : public vcl::TPersistent
{
public:
    TBasicProgramInfo();
    ~TBasicProgramInfo() override;

    void Assign(vcl::TPersistent* Source) override;

    bool AutoLoad() const { return m_autoLoad; }
    void SetAutoLoad(bool value) { m_autoLoad = value; }
    TSplashHeadingText* ProgramName() const { return m_programName.get(); }
    void SetProgramName(TSplashHeadingText* value) { m_programName->Assign(value); }
    TSplashHeadingText* ProgramVersion() const { return m_programVersion.get(); }
    void SetProgramVersion(TSplashHeadingText* value) { m_programVersion->Assign(value); }
    const QString& CopyRight() const { return m_copyRight; }
    void SetCopyRight(const QString& value) { m_copyRight = value; }
    vcl::TFont* CopyRightFont() const { return m_copyRightFont.get(); }
    void SetCopyRightFont(vcl::TFont* value) { m_copyRightFont->Assign(value); }
    TItemLocation CopyRightLocation() const { return m_copyRightLocation; }
    void SetCopyRightLocation(TItemLocation value) { m_copyRightLocation = value; }
    int CopyRightPosX() const { return m_copyRightPosX; }
    void SetCopyRightPosX(int value) { m_copyRightPosX = value; }
    int CopyRightPosY() const { return m_copyRightPosY; }
    void SetCopyRightPosY(int value) { m_copyRightPosY = value; }

    vcl::TNotifyEvent OnChange;

private:
    bool m_autoLoad { true };
    std::unique_ptr<TSplashHeadingText> m_programName;
    std::unique_ptr<TSplashHeadingText> m_programVersion;
    QString m_copyRight;
    std::unique_ptr<vcl::TFont> m_copyRightFont;
    TItemLocation m_copyRightLocation { TItemLocation::ilTopLeft };
    int m_copyRightPosX { 10 };
    int m_copyRightPosY { 130 };
};

using TOnDeleteItemEvent = std::function<void(vcl::TObject* Sender, int Index)>;

// A collection that tells when one of its items goes and when it is emptied as a whole.
class TSplashCollection : public vcl::TCollection
{
public:
    TSplashCollection(ItemFactory Factory, TAdvSmoothSplashScreen* Owner);
    TAdvSmoothSplashScreen* SplashScreen() const { return m_splash; }

    vcl::TNotifyEvent OnChange;
    TOnDeleteItemEvent OnDeleteItem;

protected:
    void Update(vcl::TCollectionItem* Item) override;

private:
    TAdvSmoothSplashScreen* m_splash;
};

// A free text with an optional picture or image-list image.
class TSplashItem : public vcl::TCollectionItem
{
public:
    explicit TSplashItem(vcl::TCollection* Collection);
    ~TSplashItem() override;

    void Assign(vcl::TPersistent* Source) override;

    const QString& Text() const { return m_text; }
    void SetText(const QString& value) { m_text = value; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value) { m_imageIndex = value; }
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TAdvGDIPPicture* value);
    int PosX() const { return m_posX; }
    void SetPosX(int value) { m_posX = value; }
    int PosY() const { return m_posY; }
    void SetPosY(int value) { m_posY = value; }
    vcl::TFont* Font() const { return m_font.get(); }
    void SetFont(vcl::TFont* value) { m_font->Assign(value); }
    bool Visible() const { return m_visible; }

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    // Redraws the splash window when the splash shows.
    void Refresh();

private:
    QString m_text;
    int m_imageIndex { -1 };
    int m_tag { 0 };
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    int m_posX { 80 };
    int m_posY { 130 };
    std::unique_ptr<vcl::TFont> m_font;
    bool m_visible { true };
    int m_updateCount { 0 };
};

class TSplashItems : public TSplashCollection
{
public:
    explicit TSplashItems(TAdvSmoothSplashScreen* Owner);
    TSplashItem* Add() { return static_cast<TSplashItem*>(TCollection::Add()); }
    TSplashItem* Insert(int Index) { return static_cast<TSplashItem*>(TCollection::Insert(Index)); }
    TSplashItem* Items(int Index) const { return static_cast<TSplashItem*>(TCollection::Items(Index)); }
};

// One line of HTML text in the splash's list.
class TSplashListItem : public vcl::TCollectionItem
{
public:
    explicit TSplashListItem(vcl::TCollection* Collection);
    ~TSplashListItem() override;

    void Assign(vcl::TPersistent* Source) override;

    const QString& HTMLText() const { return m_htmlText; }
    void SetHTMLText(const QString& value) { m_htmlText = value; }
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    int ImageIndex() const { return m_imageIndex; }
    const vcl::TRect& DisplayRect() const { return m_displayRect; }
    void SetDisplayRect(const vcl::TRect& value) { m_displayRect = value; }

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    // Tells the collection's OnChange (the splash then redraws).
    void Refresh();

private:
    QString m_htmlText;
    int m_tag { 0 };
    int m_imageIndex { -1 };
    vcl::TRect m_displayRect { -1, -1, -1, -1 };
    int m_updateCount { 0 };
};

class TSplashListItems : public TSplashCollection
{
public:
    explicit TSplashListItems(TAdvSmoothSplashScreen* Owner);
    TSplashListItem* Add() { return static_cast<TSplashListItem*>(TCollection::Add()); }
    TSplashListItem* Insert(int Index) { return static_cast<TSplashListItem*>(TCollection::Insert(Index)); }
    TSplashListItem* Items(int Index) const { return static_cast<TSplashListItem*>(TCollection::Items(Index)); }
};

// Where the list lines go.
class TListItemsRect : public vcl::TPersistent
{
public:
    void Assign(vcl::TPersistent* Source) override;

    int Left() const { return m_left; }
    void SetLeft(int value);
    int Top() const { return m_top; }
    void SetTop(int value);
    int Width() const { return m_width; }
    void SetWidth(int value);
    int Height() const { return m_height; }
    void SetHeight(int value);
    vcl::TRect GetRect() const { return { m_left, m_top, m_left + m_width, m_top + m_height }; }

    vcl::TNotifyEvent OnChange;

private:
    void Changed();
    int m_left { 30 };
    int m_top { 150 };
    int m_width { 300 };
    int m_height { 200 };
};

// Rectangle, spacing, font and colours of the list lines.
class TSplashListItemsSettings : public vcl::TPersistent
{
public:
    TSplashListItemsSettings();
    ~TSplashListItemsSettings() override;

    void Assign(vcl::TPersistent* Source) override;

    TListItemsRect* Rect() const { return m_rect.get(); }
    void SetRect(TListItemsRect* value) { m_rect->Assign(value); }
    int Space() const { return m_space; }
    void SetSpace(int value) { m_space = value; }
    vcl::TFont* HTMLFont() const { return m_htmlFont.get(); }
    void SetHTMLFont(vcl::TFont* value) { m_htmlFont->Assign(value); }
    vcl::TColor HTMLURLColor() const { return m_htmlURLColor; }
    void SetHTMLURLColor(vcl::TColor value) { m_htmlURLColor = value; }
    vcl::TColor HTMLShadowColor() const { return m_htmlShadowColor; }
    void SetHTMLShadowColor(vcl::TColor value) { m_htmlShadowColor = value; }
    int HTMLShadowOffset() const { return m_htmlShadowOffset; }
    void SetHTMLShadowOffset(int value) { m_htmlShadowOffset = value; }

    vcl::TNotifyEvent OnChange; // not fired by the setters

private:
    std::unique_ptr<TListItemsRect> m_rect;
    int m_space { 8 };
    std::unique_ptr<vcl::TFont> m_htmlFont;
    vcl::TColor m_htmlURLColor { vcl::clBlue };
    vcl::TColor m_htmlShadowColor { vcl::clGray };
    int m_htmlShadowOffset { 5 };
};

// The HTML text of a top layer and where it goes in the layer.
class TAdvSplashHTMLText : public vcl::TPersistent
{
public:
    explicit TAdvSplashHTMLText(std::function<void()> invalidate = {});
    ~TAdvSplashHTMLText() override;

    void Assign(vcl::TPersistent* Source) override;

    const QString& Text() const { return m_text; }
    void SetText(const QString& value);
    TAdvSmoothSplashScreenLocation Location() const { return m_location; }
    void SetLocation(TAdvSmoothSplashScreenLocation value);
    int Top() const { return m_top; }
    void SetTop(int value);
    int Left() const { return m_left; }
    void SetLeft(int value);
    vcl::TColor URLColor() const { return m_urlColor; }
    void SetURLColor(vcl::TColor value);
    vcl::TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(vcl::TColor value);
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int value);
    vcl::TFont* Font() const { return m_font.get(); }
    void SetFont(vcl::TFont* value) { m_font->Assign(value); }

    vcl::TNotifyEvent OnChange;

private:
    void Changed();

    std::function<void()> m_invalidate;
    QString m_text;
    TAdvSmoothSplashScreenLocation m_location { TAdvSmoothSplashScreenLocation::cpTopLeft };
    int m_top { 0 };
    int m_left { 0 };
    vcl::TColor m_urlColor { vcl::clBlue };
    vcl::TColor m_shadowColor { vcl::clGray };
    int m_shadowOffset { 5 };
    std::unique_ptr<vcl::TFont> m_font;
};

// A filled rectangle with HTML text, drawn above the content.
class TAdvSplashTopLayerItem : public vcl::TCollectionItem
{
public:
    explicit TAdvSplashTopLayerItem(vcl::TCollection* Collection);
    ~TAdvSplashTopLayerItem() override;

    void Assign(vcl::TPersistent* Source) override;

    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    int Top() const { return m_top; }
    void SetTop(int value);
    int Left() const { return m_left; }
    void SetLeft(int value);
    TAdvSplashHTMLText* HTMLText() const { return m_htmlText.get(); }
    void SetHTMLText(TAdvSplashHTMLText* value);
    TGDIPFill* Fill() const { return m_fill.get(); }
    void SetFill(TGDIPFill* value);
    vcl::TAlign Align() const { return m_align; }
    void SetAlign(vcl::TAlign value);
    int Width() const { return m_width; }
    void SetWidth(int value);
    int Height() const { return m_height; }
    void SetHeight(int value);

private:
    void InvalidateSplash();

    bool m_visible { true };
    int m_top { 0 };
    int m_left { 0 };
    std::unique_ptr<TAdvSplashHTMLText> m_htmlText;
    std::unique_ptr<TGDIPFill> m_fill;
    vcl::TAlign m_align { vcl::TAlign::alCustom };
    int m_width { 100 };
    int m_height { 100 };
};

class TAdvSplashTopLayerItems : public TSplashCollection
{
public:
    explicit TAdvSplashTopLayerItems(TAdvSmoothSplashScreen* Owner);
    TAdvSplashTopLayerItem* Add() { return static_cast<TAdvSplashTopLayerItem*>(TCollection::Add()); }
    TAdvSplashTopLayerItem* Insert(int Index)
    {
        return static_cast<TAdvSplashTopLayerItem*>(TCollection::Insert(Index));
    }
    TAdvSplashTopLayerItem* Items(int Index) const
    {
        return static_cast<TAdvSplashTopLayerItem*>(TCollection::Items(Index));
    }

protected:
    void Update(vcl::TCollectionItem* Item) override;
};
