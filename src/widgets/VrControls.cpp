#include "widgets/VrControls.h"

#include "widgets/RzCommon.h"

#include <QBitmap>
#include <QImage>

namespace vr {

using namespace vcl;

namespace {

// '#' ink, '.' white, ' ' transparent; 32 columns wide, the rest of the 32 rows empty.
const char* const kHand[] = {
    "         ##                     ",
    "        #..#                    ",
    "        #..#                    ",
    "        #..#                    ",
    "        #..#                    ",
    "        #..###                  ",
    "        #..#..###               ",
    "        #..#..#..##             ",
    "        #..#..#..#.#            ",
    "     ## #........#..#           ",
    "    #..##...........#           ",
    "    #...#...........#           ",
    "     #..............#           ",
    "      #.............#           ",
    "      #............#            ",
    "       #...........#            ",
    "       #..........#             ",
    "        #.........#             ",
    "        #.........#             ",
    "        ###########             ",
};

} // namespace

QCursor VrHandCursor()
{
    QImage bits(32, 32, QImage::Format_MonoLSB);
    QImage mask(32, 32, QImage::Format_MonoLSB);
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < int(std::size(kHand)); ++y)
        for (int x = 0; x < 32; ++x) {
            const char ch = kHand[y][x];
            if (ch == '#') {
                bits.setPixel(x, y, 1);
                mask.setPixel(x, y, 1);
            } else if (ch == '.') {
                mask.setPixel(x, y, 1);
            }
        }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 10, 5);
}

// --- TVrCustomControl ---

TVrCustomControl::TVrCustomControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TVrCustomControl::EndUpdate()
{
    // An unpaired call must not leave the control unable to repaint.
    if (FUpdateCount > 0)
        --FUpdateCount;
    UpdateControl();
}

void TVrCustomControl::UpdateControl()
{
    if (ComponentState().Contains(TComponentStateItem::csLoading) || FUpdateCount != 0)
        return;
    Repaint();
}

void TVrCustomControl::VrFontChanged()
{
    if (OnFontChanged)
        OnFontChanged(this);
}

void TVrCustomControl::VrTextChanged()
{
    if (OnTextChanged)
        OnTextChanged(this);
}

void TVrCustomControl::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    switch (Message.Msg) {
    case CM_FONTCHANGED: VrFontChanged(); break;
    case CM_TEXTCHANGED: VrTextChanged(); break;
    case CM_CURSORCHANGED:
        if (Cursor() == VrHandPointCursor)
            setCursor(VrHandCursor());
        break;
    default: break;
    }
}

// --- TVrCustomImageControl ---

TVrCustomImageControl::TVrCustomImageControl(TComponent* AOwner) : TVrCustomControl(AOwner) {}

void TVrCustomImageControl::ClearImage()
{
    FBitmapImage.SetDeviceScale(Canvas()->DeviceScale()); // as fine as the screen the face goes to
    FBitmapImage.SetSize(std::max(1, Width()), std::max(1, Height()));
    TCanvas& c = *FBitmapImage.Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(TRect(0, 0, Width(), Height()));
}

void TVrCustomImageControl::Paint()
{
    if (FBitmapImage.Empty())
        return;
    Canvas()->StretchImage(TRect(0, 0, FBitmapImage.Width(), FBitmapImage.Height()), FBitmapImage.Image(),
                           TRect(0, 0, FBitmapImage.Width(), FBitmapImage.Height()), SRCCOPY);
}

// --- routines ---

void VrFrame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width)
{
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetStyle(TPenStyle::psSolid);
    --Rect.Right;
    --Rect.Bottom;
    for (int i = 0; i < Width; ++i) {
        Canvas.Pen()->SetColor(TopColor);
        Canvas.Polyline({ { Rect.Left, Rect.Bottom }, { Rect.Left, Rect.Top }, { Rect.Right, Rect.Top } });
        Canvas.Pen()->SetColor(BottomColor);
        Canvas.Polyline({ { Rect.Right, Rect.Top }, { Rect.Right, Rect.Bottom }, { Rect.Left - 1, Rect.Bottom } });
        Rect = TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
    }
    ++Rect.Right;
    ++Rect.Bottom;
}

void VrTileBitmap(TCanvas& Canvas, TRect Rect, TBitmap& Bitmap)
{
    if (Bitmap.Empty())
        return;
    for (int y = Rect.Top; y < Rect.Bottom; y += Bitmap.Height())
        for (int x = Rect.Left; x < Rect.Right; x += Bitmap.Width())
            Canvas.Draw(x, y, &Bitmap);
}

void VrDrawCaption(TCanvas& Canvas, const QString& Text, TRect Rect, bool Enabled)
{
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (Enabled) {
        rz::DrawTextIn(Canvas, Text, Rect, rz::DT_SINGLELINE | rz::DT_CENTER | rz::DT_VCENTER);
        return;
    }
    const TColor saved = Canvas.Font()->Color();
    TRect moved(Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1);
    Canvas.Font()->SetColor(clBtnHighlight);
    rz::DrawTextIn(Canvas, Text, moved, 0);
    Canvas.Font()->SetColor(clBtnShadow);
    rz::DrawTextIn(Canvas, Text, Rect, 0);
    Canvas.Font()->SetColor(saved);
}

TVrImageTextLayoutResult VrCalcImageTextLayout(TCanvas& Canvas, TRect Client, const QString& Caption,
                                               TVrImageTextLayout Layout, int Margin, int Spacing, TPoint ImageSize)
{
    const TPoint clientSize(Client.Width(), Client.Height());
    TRect textBounds;
    TPoint textSize(0, 0);
    if (!Caption.isEmpty()) {
        textBounds = TRect(0, 0, clientSize.X, 0);
        rz::DrawTextIn(Canvas, Caption, textBounds, rz::DT_CALCRECT | rz::DT_SINGLELINE);
        textSize = TPoint(textBounds.Width(), textBounds.Height());
    }
    TPoint imagePos, textPos;
    const bool horizontal = Layout == TVrImageTextLayout::ImageLeft || Layout == TVrImageTextLayout::ImageRight;
    if (horizontal) {
        imagePos.Y = (clientSize.Y - ImageSize.Y + 1) / 2;
        textPos.Y = (clientSize.Y - textSize.Y + 1) / 2;
    } else {
        imagePos.X = (clientSize.X - ImageSize.X + 1) / 2;
        textPos.X = (clientSize.X - textSize.X + 1) / 2;
    }
    if (textSize.X == 0 || ImageSize.X == 0)
        Spacing = 0;
    const int client = horizontal ? clientSize.X : clientSize.Y;
    const int image = horizontal ? ImageSize.X : ImageSize.Y;
    const int text = horizontal ? textSize.X : textSize.Y;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (client - (image + text)) / 3;
            Spacing = Margin;
        } else {
            Margin = (client - (image + Spacing + text) + 1) / 2;
        }
    } else if (Spacing == -1) {
        const int rest = client - (Margin + image);
        Spacing = (rest - text) / 2;
    }
    int imageAt = 0, textAt = 0;
    if (Layout == TVrImageTextLayout::ImageLeft || Layout == TVrImageTextLayout::ImageTop) {
        imageAt = Margin;
        textAt = imageAt + image + Spacing;
    } else {
        imageAt = client - Margin - image;
        textAt = imageAt - Spacing - text;
    }
    if (horizontal) {
        imagePos.X = imageAt;
        textPos.X = textAt;
    } else {
        imagePos.Y = imageAt;
        textPos.Y = textAt;
    }
    imagePos = TPoint(imagePos.X + Client.Left, imagePos.Y + Client.Top);
    textPos = TPoint(textPos.X + Client.Left, textPos.Y + Client.Top);
    return { imagePos, TRect(textPos.X, textPos.Y, textPos.X + textSize.X, textPos.Y + textSize.Y) };
}

} // namespace vr
