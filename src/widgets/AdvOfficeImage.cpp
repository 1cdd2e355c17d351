#include "widgets/AdvOfficeImage.h"

#include "platform/ui/TCanvas.h"

namespace {
constexpr int MajVer = 1, MinVer = 1, RelVer = 0, BldVer = 0;
}

QString VersionNrToText(int versionNr)
{
    const auto v = unsigned(versionNr);
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

TAdvOfficeImage::TAdvOfficeImage(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner), m_officeHint(std::make_unique<TAdvHintInfo>()),
      m_picture(std::make_unique<TGDIPPicture>())
{
    m_picture->OnChange = [this](vcl::TObject*) { Invalidate(); };
    SetShowHint(false);
    SetBounds(Left(), Top(), 128, 128);
}

TAdvOfficeImage::~TAdvOfficeImage() = default;

void TAdvOfficeImage::SetPicture(TGDIPPicture* value)
{
    if (value != m_picture.get())
        m_picture->Assign(value);
    Invalidate();
}

void TAdvOfficeImage::SetOfficeHint(TAdvHintInfo* value)
{
    m_officeHint->Assign(value);
}

void TAdvOfficeImage::SetCenter(bool value)
{
    if (value == m_center)
        return;
    m_center = value;
    Invalidate();
}

void TAdvOfficeImage::SetStretch(bool value)
{
    if (value == m_stretch)
        return;
    m_stretch = value;
    Invalidate();
}

int TAdvOfficeImage::GetVersionNr() const
{
    return (MajVer << 24) | (MinVer << 16) | (RelVer << 8) | BldVer;
}

QString TAdvOfficeImage::Version() const
{
    return VersionNrToText(GetVersionNr());
}

void TAdvOfficeImage::Paint()
{
    vcl::TGraphicControl::Paint();
    DrawPicture(Canvas());
}

void TAdvOfficeImage::DrawPicture(vcl::TCanvas* ACanvas)
{
    if (m_picture && !m_picture->Empty()) {
        m_picture->GetImageSizes();
        if (m_stretch) {
            ACanvas->StretchDraw(ClientRect(), m_picture.get());
            return;
        }
        int x = 0, y = 0;
        if (m_center) {
            x = (Width() - m_picture->Width()) / 2;
            y = (Height() - m_picture->Height()) / 2;
        }
        ACanvas->StretchDraw(vcl::TRect(x, y, x + m_picture->Width(), y + m_picture->Height()), m_picture.get());
        return;
    }
    if (ComponentState().Contains(vcl::TComponentStateItem::csDesigning)) {
        ACanvas->Pen()->SetColor(vcl::clBlue);
        ACanvas->Pen()->SetStyle(vcl::TPenStyle::psDot);
        ACanvas->Brush()->SetStyle(vcl::TBrushStyle::bsClear);
        ACanvas->Rectangle(ClientRect());
    }
}

void TAdvOfficeImage::MouseEnter()
{
    if (ComponentState().Contains(vcl::TComponentStateItem::csDesigning))
        return;
    m_mouseInControl = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TAdvOfficeImage::MouseLeave()
{
    if (ComponentState().Contains(vcl::TComponentStateItem::csDesigning))
        return;
    m_mouseInControl = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}
