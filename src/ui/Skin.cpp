#include "ui/Skin.h"

#include "platform/core/SoftAssert.h"
#include "platform/images/PngCodec.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TBitmap.h"
#include "ui/SkinPictures.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"

#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace skin {

namespace {

const char* LitFace(Lamp lamp)
{
    switch (lamp) {
    case Lamp::Red: return "face-lit-red";
    case Lamp::Amber: return "face-lit-amber";
    case Lamp::Blue: return "face-lit-blue";
    case Lamp::Green: break;
    }
    return "face-lit-green";
}

struct FaceSet
{
    const char* up;
    const char* hot;
    const char* pressed;
    const char* latched;
    const char* disabled;
};

void Apply(rz::TRzBmpButton& b, const FaceSet& faces)
{
    rz::TRzButtonBitmaps* set = b.Bitmaps();
    b.SetButtonSize(rz::TBtnSize::bszStretchToButton);
    set->SetTransparentColor(Colour(Transparent));
    set->SetUp(const_cast<vcl::TBitmap*>(&Picture(faces.up)));
    set->SetHot(const_cast<vcl::TBitmap*>(&Picture(faces.hot)));
    set->SetDown(const_cast<vcl::TBitmap*>(&Picture(faces.pressed)));
    set->SetStayDown(const_cast<vcl::TBitmap*>(&Picture(faces.latched)));
    set->SetDisabled(const_cast<vcl::TBitmap*>(&Picture(faces.disabled)));
    b.SetShowFocus(false);
    b.SetCaptionDownOffset(0);
    // The caption is read on the up face and on the latched one.
    const Rgb text = RgbOf(b.Font()->Color());
    const bool readable = Contrast(text, FaceColour(faces.up)) >= ReadableContrast
                          && Contrast(text, FaceColour(faces.latched)) >= ReadableContrast;
    if (!readable)
        b.Font()->SetColor(Colour(Text));
}

} // namespace

Rgb RgbOf(vcl::TColor c)
{
    const vcl::TColor rgb = vcl::ColorToRGB(c);
    return { static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
             static_cast<std::uint8_t>((rgb >> 16) & 0xFF) };
}

QByteArray PictureFile(const char* name)
{
    for (const SkinPicture& p : SkinPictures()) {
        if (std::strcmp(p.name, name) == 0)
            return QByteArray::fromRawData(reinterpret_cast<const char*>(p.data), static_cast<qsizetype>(p.size));
    }
    return {};
}

const vcl::TBitmap& Picture(const char* name)
{
    // Kept until the program ends: every button copies its faces from here.
    static auto* decoded = new std::map<std::string, std::unique_ptr<vcl::TBitmap>>;
    auto& slot = (*decoded)[name];
    if (!slot) {
        slot = std::make_unique<vcl::TBitmap>();
        const QByteArray file = PictureFile(name);
        if (!file.isEmpty())
            slot->SetImage(vcl::PngCodec::Decode(file));
    }
    return *slot;
}

Rgb FaceColour(const char* name)
{
    // The middle half of the face's height across its middle half: where the caption sits.
    const QImage& img = Picture(name).Image();
    long long r = 0, g = 0, b = 0, n = 0;
    for (int y = img.height() / 4; y < img.height() * 3 / 4; ++y) {
        for (int x = img.width() / 4; x < img.width() * 3 / 4; ++x) {
            const QRgb px = img.pixel(x, y);
            r += qRed(px);
            g += qGreen(px);
            b += qBlue(px);
            ++n;
        }
    }
    if (n == 0)
        return FaceTop;
    return { static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n), static_cast<std::uint8_t>(b / n) };
}

void DressButton(rz::TRzBmpButton& button, Lamp lamp)
{
    Apply(button, { "face-up", "face-hot", "face-pressed", LitFace(lamp), "face-disabled" });
}

void DressPageButton(rz::TRzBmpButton& button)
{
    Apply(button, { "page-up", "page-hot", "page-pressed", "page-lit", "face-disabled" });
}

void DressPowerButton(vr::TVrPowerButton& button, Rgb lamp)
{
    button.SetColor(Colour(FaceBottom));
    button.SetHighlightColor(Colour(FaceBorder));
    button.SetShadowColor(Colour(PressedTop));
    button.SetOutlineColor(Colour(FormBack));
    button.Font()->SetColor(Colour(Text));
    button.Palette()->SetLow(Colour(LedOff));
    button.Palette()->SetHigh(Colour(lamp));
}

void DressDemoButton(vr::TVrDemoButton& button)
{
    button.SetColor(Colour(FaceBottom));
    button.SetHighlightColor(Colour(FaceBorder));
    button.SetShadowColor(Colour(PressedTop));
    button.SetOutlineColor(Colour(FormBack));
    button.Font()->SetColor(Colour(Text));
    button.FontLeave()->SetColor(Colour(Text));
    button.FontEnter()->SetColor(Colour(LitBlue.lamp));
    button.SetDisabledTextColor(Colour(Caption));
    // Regular weight: a made-up bold of the Chinese face, drawn without smoothing, fills its strokes in.
    for (vcl::TFont* f : { button.FontLeave(), button.FontEnter() }) {
        f->SetStyle({});
        f->SetSize(11);
    }
}

void DressCombo(rz::TRzComboBox& combo)
{
    combo.SetColor(Colour(FieldBack));
    combo.Font()->SetColor(Colour(FieldText));
}

void DressMenuBar(QWidget& form)
{
    auto* bar = form.findChild<QMenuBar*>();
    if (!bar)
        return;
    QPalette pal = bar->palette();
    for (auto role : { QPalette::Window, QPalette::Button, QPalette::Base })
        pal.setColor(role, QColor(BarBack.r, BarBack.g, BarBack.b));
    for (auto role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
        pal.setColor(role, QColor(Text.r, Text.g, Text.b));
    pal.setColor(QPalette::Highlight, QColor(LitBlue.top.r, LitBlue.top.g, LitBlue.top.b));
    pal.setColor(QPalette::HighlightedText, QColor(Text.r, Text.g, Text.b));
    bar->setPalette(pal);
    bar->setAutoFillBackground(true);
}

namespace {

QColor Q(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

void DressRadio(QWidget& radio)
{
    auto* inner = radio.findChild<QRadioButton*>();
    if (!ZQ9_EXPECT(inner))
        return;
    // The ring is drawn a shade darker than the window colour, the disc in the base colour and the dot
    // in the text colour, which follows the caption.
    QPalette pal = inner->palette();
    pal.setColor(QPalette::Window, Q(SwitchBack));
    pal.setColor(QPalette::Base, Q(FieldBack));
    inner->setPalette(pal);
}

void DressUpDown(QWidget& upDown)
{
    for (auto* b : upDown.findChildren<QToolButton*>()) {
        QPalette pal = b->palette();
        // The style lightens the face and softens the arrow: a deep face keeps the arrow clear.
        pal.setColor(QPalette::Button, Q(PressedTop));
        pal.setColor(QPalette::Window, Q(PressedTop));
        pal.setColor(QPalette::ButtonText, Q(Text));
        pal.setColor(QPalette::WindowText, Q(Text));
        b->setPalette(pal);
    }
}

void ShowLinkState(vcl::TButton& button, bool online)
{
    const Rgb face = online ? LitGreen.bottom : LitRed.bottom;
    button.SetColor(Colour(face));
    button.Font()->SetColor(Colour(Text));
    if (auto* inner = button.findChild<QPushButton*>()) {
        QPalette pal = inner->palette();
        pal.setColor(QPalette::Button, Q(face));
        pal.setColor(QPalette::Window, Q(face));
        pal.setColor(QPalette::ButtonText, Q(Text));
        inner->setPalette(pal);
    }
}

} // namespace skin
