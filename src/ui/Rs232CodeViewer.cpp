#include "ui/Rs232CodeViewer.h"

#include "ui/Rs232CodeDocument.h"

#include "platform/ui/TQtHostControl.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/AdvOfficeImage.h"
#include "widgets/rtflabel.h"

#include <QBuffer>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int TextTop = 24;
constexpr int ColumnWidth = 630;
constexpr int TextHeight = 1400;
// Each page ends this far above the next one; the last page is as long as it needs.
constexpr int PageGap = 4;
constexpr int LastPageMaxHeight = 8000;
constexpr int ScrollStep = 30;
constexpr int BarSize = 17;

} // namespace

TRs232CodeViewer::TRs232CodeViewer(vcl::TComponent* owner, const QString& name, const QString& caption, int width,
                                   int height, const std::array<int, 10>& pictureTops, const QString& language)
    : vcl::TForm(owner), m_pictureTops(pictureTops), m_language(language)
{
    SetName(name);
    SetCaption(caption);
    SetBounds(0, 0, width, height); // before the handlers: the content is not there yet
    SetPosition(vcl::TPosition::poDesktopCenter);
    SetKeyPreview(true);
    OnResize = vcl::Method(this, &TRs232CodeViewer::FormResize);
    OnKeyDown = vcl::Method(this, &TRs232CodeViewer::FormKeyDown);
    OnClose = vcl::Method(this, &TRs232CodeViewer::FormClose);
    OnShow = vcl::Method(this, &TRs232CodeViewer::FormShow);
    OnMouseWheel = [this](vcl::TObject* Sender, vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos, bool& Handled) {
        if (WheelDelta > 0)
            FormMouseWheelUp(Sender, Shift, MousePos, Handled);
        else if (WheelDelta < 0)
            FormMouseWheelDown(Sender, Shift, MousePos, Handled);
    };

    RTFLabel = new TRTFLabel(this);
    RTFLabel->SetName(QStringLiteral("RTFLabel"));
    RTFLabel->SetParent(this);
    RTFLabel->SetAutoSize(false);
    RTFLabel->SetWordWrap(false);
    RTFLabel->SetRichText(QString::fromLatin1(Rs232CodeDocument::Load(language).TitleRtf()));
    for (int k = 0; k < 10; ++k) {
        auto* image = new TAdvOfficeImage(this);
        image->SetName(QStringLiteral("AdvOfficeImage%1").arg(k + 1));
        image->SetParent(this);
        image->SetStretch(true);
        AdvOfficeImages[k] = image;
    }

    m_vertBar = new QScrollBar(Qt::Vertical, this);
    m_horzBar = new QScrollBar(Qt::Horizontal, this);
    QObject::connect(m_vertBar, &QScrollBar::valueChanged, [this](int v) {
        if (!m_syncing)
            SetVertPosition(v);
    });
    QObject::connect(m_horzBar, &QScrollBar::valueChanged, [this](int v) {
        if (!m_syncing)
            SetHorzPosition(v);
    });
    FormResize(this);
}

int TRs232CodeViewer::VertRange() const
{
    int bottom = TextTop + TextHeight;
    for (int k = 0; k < 10; ++k)
        bottom = std::max(bottom, m_pictureTops[k] + m_pictureHeights[k]);
    return std::max(0, bottom - ClientHeight());
}

int TRs232CodeViewer::HorzRange() const
{
    return std::max(0, m_columnLeft + ColumnWidth - ClientWidth());
}

void TRs232CodeViewer::SetVertPosition(int value)
{
    value = std::clamp(value, 0, VertRange());
    if (value == m_vert)
        return;
    m_vert = value;
    PlaceContent();
}

void TRs232CodeViewer::SetHorzPosition(int value)
{
    value = std::clamp(value, 0, HorzRange());
    if (value == m_horz)
        return;
    m_horz = value;
    PlaceContent();
}

void TRs232CodeViewer::PlaceContent()
{
    if (!RTFLabel)
        return;
    RTFLabel->SetBounds(m_columnLeft - m_horz, TextTop - m_vert, ColumnWidth, TextHeight);
    for (int k = 0; k < 10; ++k)
        AdvOfficeImages[k]->SetBounds(RTFLabel->Left(), m_pictureTops[k] - m_vert, ColumnWidth, m_pictureHeights[k]);
    SyncScrollBars();
}

void TRs232CodeViewer::SyncScrollBars()
{
    if (!m_vertBar)
        return;
    vcl::TFlagGuard sync(m_syncing);
    m_vertBar->setGeometry(ClientWidth() - BarSize, 0, BarSize, std::max(0, ClientHeight() - BarSize));
    m_vertBar->setRange(0, VertRange());
    m_vertBar->setPageStep(std::max(1, ClientHeight()));
    m_vertBar->setValue(m_vert);
    m_vertBar->setVisible(VertRange() > 0);
    m_horzBar->setGeometry(0, ClientHeight() - BarSize, std::max(0, ClientWidth() - BarSize), BarSize);
    m_horzBar->setRange(0, HorzRange());
    m_horzBar->setPageStep(std::max(1, ClientWidth()));
    m_horzBar->setValue(m_horz);
    m_horzBar->setVisible(HorzRange() > 0);
    m_vertBar->raise();
    m_horzBar->raise();
}

void TRs232CodeViewer::SizeChanged()
{
    vcl::TForm::SizeChanged();
    if (!RTFLabel)
        return;
    // A larger window may leave less to scroll.
    m_vert = std::clamp(m_vert, 0, VertRange());
    m_horz = std::clamp(m_horz, 0, HorzRange());
    PlaceContent();
}

void TRs232CodeViewer::DoShow()
{
    DrawPages();
    vcl::TForm::DoShow();
}

void TRs232CodeViewer::DrawPages()
{
    if (m_pagesDrawn)
        return;
    m_pagesDrawn = true;
    const Rs232CodeDocument document = Rs232CodeDocument::Load(m_language);
    for (int k = 0; k < 10; ++k) {
        const int room = k + 1 < 10 ? m_pictureTops[k + 1] - m_pictureTops[k] - PageGap : LastPageMaxHeight;
        const Rs232CodePage page(document.Page(k), ColumnWidth, room, devicePixelRatioF());
        if (page.Height() <= 0)
            continue; // nothing to show: the picture stays empty
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        page.Image().save(&buffer, "PNG");
        TGDIPPicture picture;
        picture.LoadFromBytes(png);
        AdvOfficeImages[k]->SetPicture(&picture);
        m_pictureHeights[k] = page.Height();
    }
    SizeChanged();
}

void TRs232CodeViewer::FormResize(vcl::TObject* Sender)
{
    (void)Sender;
    if (!RTFLabel)
        return;
    m_columnLeft = Width() < 750 ? 50 : (Width() - 750) / 2 + 50;
    PlaceContent();
}

void TRs232CodeViewer::FormKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState Shift)
{
    (void)Sender;
    (void)Shift;
    switch (Key) {
    case vcl::VK_PRIOR: SetVertPosition(m_vert - Height()); break;
    case vcl::VK_NEXT: SetVertPosition(m_vert + Height()); break;
    case vcl::VK_LEFT: SetHorzPosition(m_horz - ScrollStep); break;
    case vcl::VK_UP: SetVertPosition(m_vert - ScrollStep); break;
    case vcl::VK_RIGHT: SetHorzPosition(m_horz + ScrollStep); break;
    case vcl::VK_DOWN: SetVertPosition(m_vert + ScrollStep); break;
    case vcl::VK_ESCAPE: // the viewer has no button: Esc closes it as a dialog's Cancel would
        Key = 0;
        Close();
        break;
    default: break;
    }
}

void TRs232CodeViewer::FormMouseWheelUp(vcl::TObject* Sender, vcl::TShiftState Shift, vcl::TPoint MousePos, bool& Handled)
{
    (void)Sender;
    (void)Shift;
    (void)MousePos;
    (void)Handled;
    SetVertPosition(m_vert - ScrollStep);
}

void TRs232CodeViewer::FormMouseWheelDown(vcl::TObject* Sender, vcl::TShiftState Shift, vcl::TPoint MousePos, bool& Handled)
{
    (void)Sender;
    (void)Shift;
    (void)MousePos;
    (void)Handled;
    SetVertPosition(m_vert + ScrollStep);
}

void TRs232CodeViewer::FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action)
{
    (void)Sender;
    (void)Action;
    SetHeight(666);
    SetWidth(755);
    SetWindowState(vcl::TWindowState::wsNormal);
}

void TRs232CodeViewer::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
}
