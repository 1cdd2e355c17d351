#include "widgets/AdvSmoothSplashScreenContent.h"

#include "widgets/AdvSmoothSplashScreen.h"

using namespace vcl;

// ---------------------------------------------------------------- TSplashHeadingText

TSplashHeadingText::TSplashHeadingText()
    : m_font(std::make_unique<TFont>()), m_picture(std::make_unique<TAdvGDIPPicture>())
{
    m_font->SetName(QStringLiteral("Tahoma"));
}

TSplashHeadingText::~TSplashHeadingText() = default;

void TSplashHeadingText::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TSplashHeadingText*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_angle = s->m_angle;
    m_font->Assign(s->m_font.get());
    m_location = s->m_location;
    m_posX = s->m_posX;
    m_posY = s->m_posY;
    m_hatchStyle = s->m_hatchStyle;
    m_picture->Assign(s->m_picture.get());
    m_colorStart = s->m_colorStart;
    m_colorEnd = s->m_colorEnd;
    m_opacityStart = s->m_opacityStart;
    m_opacityEnd = s->m_opacityEnd;
    m_gradientType = s->m_gradientType;
    SetText(s->m_text);
}

void TSplashHeadingText::SetText(const QString& value)
{
    if (value == m_text)
        return;
    m_text = value;
    if (OnChange)
        OnChange(this);
}

void TSplashHeadingText::SetPicture(TAdvGDIPPicture* value)
{
    if (value != m_picture.get())
        m_picture->Assign(value);
}

// ---------------------------------------------------------------- TBasicProgramInfo

TBasicProgramInfo::TBasicProgramInfo()
    : m_programName(std::make_unique<TSplashHeadingText>()),
      m_programVersion(std::make_unique<TSplashHeadingText>()),
      m_copyRightFont(std::make_unique<TFont>())
{
    m_programName->Font()->SetSize(14);
    m_programName->Font()->SetStyle({ TFontStyle::fsBold });
    m_programVersion->Font()->SetSize(14);
    m_programVersion->SetPosX(80);
    m_programVersion->SetPosY(100);
    const auto notify = [this](TObject*) {
        if (OnChange)
            OnChange(this);
    };
    m_programName->OnChange = notify;
    m_programVersion->OnChange = notify;
}

TBasicProgramInfo::~TBasicProgramInfo() = default;

void TBasicProgramInfo::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TBasicProgramInfo*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_autoLoad = s->m_autoLoad;
    m_programName->Assign(s->m_programName.get());
    m_programVersion->Assign(s->m_programVersion.get());
    m_copyRight = s->m_copyRight;
    m_copyRightFont->Assign(s->m_copyRightFont.get());
    m_copyRightLocation = s->m_copyRightLocation;
    m_copyRightPosX = s->m_copyRightPosX;
    m_copyRightPosY = s->m_copyRightPosY;
}

// ---------------------------------------------------------------- collections

TSplashCollection::TSplashCollection(ItemFactory Factory, TAdvSmoothSplashScreen* Owner)
    : TCollection(std::move(Factory), Owner), m_splash(Owner)
{
}

void TSplashCollection::Update(TCollectionItem* Item)
{
    if (!Item && Count() == 0 && OnChange)
        OnChange(this);
}

namespace {

template <typename Item>
TCollection::ItemFactory Factory()
{
    return [](TCollection* c) -> TCollectionItem* { return new Item(c); };
}

TAdvSmoothSplashScreen* SplashOf(TCollection* c)
{
    auto* sc = dynamic_cast<TSplashCollection*>(c);
    return sc ? sc->SplashScreen() : nullptr;
}

void FireDelete(TCollectionItem* item)
{
    auto* sc = dynamic_cast<TSplashCollection*>(item->Collection());
    if (sc && sc->OnDeleteItem)
        sc->OnDeleteItem(sc, item->Index());
}

} // namespace

TSplashItems::TSplashItems(TAdvSmoothSplashScreen* Owner) : TSplashCollection(Factory<TSplashItem>(), Owner) {}
TSplashListItems::TSplashListItems(TAdvSmoothSplashScreen* Owner)
    : TSplashCollection(Factory<TSplashListItem>(), Owner)
{
}
TAdvSplashTopLayerItems::TAdvSplashTopLayerItems(TAdvSmoothSplashScreen* Owner)
    : TSplashCollection(Factory<TAdvSplashTopLayerItem>(), Owner)
{
}

void TAdvSplashTopLayerItems::Update(TCollectionItem* Item)
{
    TSplashCollection::Update(Item);
    if (SplashScreen())
        SplashScreen()->InvalidateWindow();
}

// ---------------------------------------------------------------- TSplashItem

TSplashItem::TSplashItem(TCollection* Collection)
    : TCollectionItem(Collection), m_picture(std::make_unique<TAdvGDIPPicture>()), m_font(std::make_unique<TFont>())
{
}

TSplashItem::~TSplashItem()
{
    FireDelete(this);
}

void TSplashItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TSplashItem*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_text = s->m_text;
    m_imageIndex = s->m_imageIndex;
    m_tag = s->m_tag;
    m_picture->Assign(s->m_picture.get());
    m_posX = s->m_posX;
    m_posY = s->m_posY;
    m_font->Assign(s->m_font.get());
}

void TSplashItem::SetPicture(TAdvGDIPPicture* value)
{
    if (value != m_picture.get())
        m_picture->Assign(value);
}

void TSplashItem::EndUpdate()
{
    if (m_updateCount > 0)
        --m_updateCount;
    if (m_updateCount == 0)
        Refresh();
}

void TSplashItem::Refresh()
{
    if (TAdvSmoothSplashScreen* splash = SplashOf(Collection()))
        splash->InvalidateWindow();
}

// ---------------------------------------------------------------- TSplashListItem

TSplashListItem::TSplashListItem(TCollection* Collection) : TCollectionItem(Collection) {}

TSplashListItem::~TSplashListItem()
{
    FireDelete(this);
}

void TSplashListItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TSplashListItem*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_htmlText = s->m_htmlText;
    m_tag = s->m_tag;
    m_imageIndex = s->m_imageIndex;
}

void TSplashListItem::EndUpdate()
{
    if (m_updateCount > 0)
        --m_updateCount;
    if (m_updateCount == 0)
        Refresh();
}

void TSplashListItem::Refresh()
{
    auto* sc = dynamic_cast<TSplashCollection*>(Collection());
    if (sc && sc->OnChange)
        sc->OnChange(sc);
}

// ---------------------------------------------------------------- list settings

void TListItemsRect::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TListItemsRect*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_left = s->m_left;
    m_top = s->m_top;
    m_width = s->m_width;
    m_height = s->m_height;
    Changed();
}

void TListItemsRect::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TListItemsRect::SetLeft(int value)
{
    if (value != m_left) {
        m_left = value;
        Changed();
    }
}

void TListItemsRect::SetTop(int value)
{
    if (value != m_top) {
        m_top = value;
        Changed();
    }
}

void TListItemsRect::SetWidth(int value)
{
    if (value != m_width) {
        m_width = value;
        Changed();
    }
}

void TListItemsRect::SetHeight(int value)
{
    if (value != m_height) {
        m_height = value;
        Changed();
    }
}

TSplashListItemsSettings::TSplashListItemsSettings()
    : m_rect(std::make_unique<TListItemsRect>()), m_htmlFont(std::make_unique<TFont>())
{
    m_htmlFont->SetName(QStringLiteral("Tahoma"));
}

TSplashListItemsSettings::~TSplashListItemsSettings() = default;

void TSplashListItemsSettings::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TSplashListItemsSettings*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_rect->Assign(s->m_rect.get());
    m_space = s->m_space;
    m_htmlFont->Assign(s->m_htmlFont.get());
    m_htmlURLColor = s->m_htmlURLColor;
    m_htmlShadowColor = s->m_htmlShadowColor;
    m_htmlShadowOffset = s->m_htmlShadowOffset;
}

// ---------------------------------------------------------------- TAdvSplashHTMLText

TAdvSplashHTMLText::TAdvSplashHTMLText(std::function<void()> invalidate)
    : m_invalidate(std::move(invalidate)), m_font(std::make_unique<TFont>())
{
    m_font->OnChange = [this](TObject*) { Changed(); };
}

TAdvSplashHTMLText::~TAdvSplashHTMLText()
{
    m_font->OnChange = nullptr;
}

void TAdvSplashHTMLText::Changed()
{
    if (m_invalidate)
        m_invalidate();
    if (OnChange)
        OnChange(this);
}

void TAdvSplashHTMLText::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TAdvSplashHTMLText*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_text = s->m_text;
    m_location = s->m_location;
    m_top = s->m_top;
    m_left = s->m_left;
    m_urlColor = s->m_urlColor;
    m_shadowColor = s->m_shadowColor;
    m_shadowOffset = s->m_shadowOffset;
    m_font->Assign(s->m_font.get());
}

#define SPLASH_HTML_SETTER(Name, member, Type)                                                                      \
    void TAdvSplashHTMLText::Set##Name(Type value)                                                                   \
    {                                                                                                                \
        if (value != member) {                                                                                       \
            member = value;                                                                                          \
            Changed();                                                                                               \
        }                                                                                                            \
    }
SPLASH_HTML_SETTER(Text, m_text, const QString&)
SPLASH_HTML_SETTER(Location, m_location, TAdvSmoothSplashScreenLocation)
SPLASH_HTML_SETTER(Top, m_top, int)
SPLASH_HTML_SETTER(Left, m_left, int)
SPLASH_HTML_SETTER(URLColor, m_urlColor, TColor)
SPLASH_HTML_SETTER(ShadowColor, m_shadowColor, TColor)
SPLASH_HTML_SETTER(ShadowOffset, m_shadowOffset, int)
#undef SPLASH_HTML_SETTER

// ---------------------------------------------------------------- TAdvSplashTopLayerItem

TAdvSplashTopLayerItem::TAdvSplashTopLayerItem(TCollection* Collection)
    : TCollectionItem(Collection),
      m_htmlText(std::make_unique<TAdvSplashHTMLText>([this] { InvalidateSplash(); })),
      m_fill(std::make_unique<TGDIPFill>())
{
    InvalidateSplash();
}

TAdvSplashTopLayerItem::~TAdvSplashTopLayerItem()
{
    FireDelete(this);
    InvalidateSplash();
}

void TAdvSplashTopLayerItem::InvalidateSplash()
{
    if (TAdvSmoothSplashScreen* splash = SplashOf(Collection()))
        splash->InvalidateWindow();
}

void TAdvSplashTopLayerItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TAdvSplashTopLayerItem*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    m_visible = s->m_visible;
    m_top = s->m_top;
    m_left = s->m_left;
    m_htmlText->Assign(s->m_htmlText.get());
    m_fill->Assign(s->m_fill.get());
    m_align = s->m_align;
    m_width = s->m_width;
    m_height = s->m_height;
    InvalidateSplash();
}

void TAdvSplashTopLayerItem::SetHTMLText(TAdvSplashHTMLText* value)
{
    if (value != m_htmlText.get()) {
        m_htmlText->Assign(value);
        InvalidateSplash();
    }
}

void TAdvSplashTopLayerItem::SetFill(TGDIPFill* value)
{
    if (value != m_fill.get()) {
        m_fill->Assign(value);
        InvalidateSplash();
    }
}

#define SPLASH_LAYER_SETTER(Name, member, Type)                                                                     \
    void TAdvSplashTopLayerItem::Set##Name(Type value)                                                               \
    {                                                                                                                \
        if (value != member) {                                                                                       \
            member = value;                                                                                          \
            InvalidateSplash();                                                                                      \
        }                                                                                                            \
    }
SPLASH_LAYER_SETTER(Visible, m_visible, bool)
SPLASH_LAYER_SETTER(Top, m_top, int)
SPLASH_LAYER_SETTER(Left, m_left, int)
SPLASH_LAYER_SETTER(Align, m_align, TAlign)
SPLASH_LAYER_SETTER(Width, m_width, int)
SPLASH_LAYER_SETTER(Height, m_height, int)
#undef SPLASH_LAYER_SETTER
