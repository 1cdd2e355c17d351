// The data cursor's keys (pixel steps, or data-point steps when snapping), its popup menu and its
// snapping of pointers onto the points of strip-chart channels.

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/ui/TMenus.h"
#include "platform/ui/VirtualKeys.h"

#include <cmath>

using namespace vcl;

namespace {

TiMenuItem* AddItem(TMenuItem* Parent, const QString& Caption, bool Checked, std::function<void()> Action)
{
    auto* item = new TiMenuItem(nullptr);
    item->SetCaption(Caption);
    item->SetChecked(Checked);
    item->OnClick = [Action = std::move(Action)](TObject*) { Action(); };
    Parent->Add(item);
    return item;
}

TiMenuItem* AddSubMenu(TPopupMenu* PopupMenu, const QString& Caption)
{
    auto* item = new TiMenuItem(nullptr);
    item->SetCaption(Caption);
    PopupMenu->Items()->Add(item);
    return item;
}

} // namespace

void TiPlotDataCursor::ClampPositions()
{
    FPointer1Position = Clamp100(FPointer1Position);
    FPointer2Position = Clamp100(FPointer2Position);
    FHintPosition = Clamp100(FHintPosition);
}

void TiPlotDataCursor::MoveHint(double Delta) { FHintPosition += Delta; }

void TiPlotDataCursor::iKeyDown(WORD& Key, TShiftState Shift, TPopupMenu* PopupMenu)
{
    TiPlotManagerObject::iKeyDown(Key, Shift, PopupMenu);
    if (!FDataView)
        return;
    const bool ctrl = Shift.Contains(TShiftStateItem::ssCtrl);
    if (FSnapToDataPoint)
        KeySnapSteps(Key, ctrl);
    else
        KeyPixelSteps(Key, ctrl);
    ClampPositions();
    InvalidateNow();
}

void TiPlotDataCursor::KeyPixelSteps(WORD Key, bool Ctrl)
{
    const double dy = std::abs(iplot::PixelsYToPercent(*FDataView, 100) - iplot::PixelsYToPercent(*FDataView, 101));
    const double dx = std::abs(iplot::PixelsXToPercent(*FDataView, 100) - iplot::PixelsXToPercent(*FDataView, 101));
    if (Ctrl && !FPointer2Show)
        return;
    double& position = Ctrl ? FPointer2Position : FPointer1Position;
    const TiOrientation orientation = Ctrl ? FPointer2Orientation : FPointer1Orientation;
    const bool shown = Ctrl ? FPointer2Show : FPointer1Show;
    const bool vertical = orientation == TiOrientation::ioVertical;
    const double page = vertical ? 5 * dx : 5 * dy;
    const bool hintVertical = FHintOrientation == TiOrientation::ioVertical;
    const bool moveHint = !Ctrl && FHintShow;
    switch (Key) {
    case VK_PRIOR: position += page; break;
    case VK_NEXT: position -= page; break;
    case VK_END: position = 100.0; break;
    case VK_HOME: position = 0.0; break;
    case VK_LEFT:
        if (shown && vertical)
            position -= dx;
        if (moveHint && !hintVertical)
            MoveHint(-dx);
        break;
    case VK_RIGHT:
        if (shown && vertical)
            position += dx;
        if (moveHint && !hintVertical)
            MoveHint(dx);
        break;
    case VK_UP:
        if (shown && !vertical)
            position += dy;
        if (moveHint && hintVertical)
            MoveHint(dy);
        break;
    case VK_DOWN:
        if (shown && !vertical)
            position -= dy;
        if (moveHint && hintVertical)
            MoveHint(-dy);
        break;
    default: break;
    }
}

void TiPlotDataCursor::KeySnapSteps(WORD Key, bool Ctrl)
{
    if (Ctrl && !FPointer2Show)
        return;
    const bool pointer2 = Ctrl;
    const double dy = std::abs(iplot::PixelsYToPercent(*FDataView, 100) - iplot::PixelsYToPercent(*FDataView, 101));
    const double dx = std::abs(iplot::PixelsXToPercent(*FDataView, 100) - iplot::PixelsXToPercent(*FDataView, 101));
    WORD forward = VK_RIGHT, back = VK_LEFT, hintUp = VK_UP, hintDown = VK_DOWN;
    double hintStep = dy;
    if (FXYAxesReversed) {
        forward = VK_UP;
        back = VK_DOWN;
        hintUp = VK_RIGHT;
        hintDown = VK_LEFT;
        hintStep = dx;
    }
    if (Key == hintUp) {
        MoveHint(hintStep);
        return;
    }
    if (Key == hintDown) {
        MoveHint(-hintStep);
        return;
    }
    SnapPointer(pointer2);
    const TiPlotComponent* plot = iplot::PlotOf(this);
    const int channel = FSnapToIndexChannel;
    const int point = FSnapToIndexData;
    if (!plot || channel < 0 || channel >= plot->ChannelCount())
        return;
    const int last = plot->Channel(channel)->Count() - 1;
    if (Key == VK_PRIOR)
        MoveToDataPoint(channel, point, 5, pointer2);
    else if (Key == VK_NEXT)
        MoveToDataPoint(channel, point, -5, pointer2);
    else if (Key == VK_END)
        MoveToDataPoint(channel, last, 0, pointer2);
    else if (Key == VK_HOME)
        MoveToDataPoint(channel, 0, 0, pointer2);
    else if (Key == forward)
        MoveToDataPoint(channel, point, 1, pointer2);
    else if (Key == back)
        MoveToDataPoint(channel, point, -1, pointer2);
}

// --- snapping ---

namespace {

// Nearest point of a channel whose X values ascend; -1 for an empty channel.
int NearestPoint(TiPlotChannelCustom* Channel, double X, double& Distance)
{
    const int count = Channel->Count();
    Distance = 1e300;
    if (count == 0)
        return -1;
    if (X >= Channel->GetX(count - 1)) {
        Distance = std::abs(X - Channel->GetX(count - 1));
        return count - 1;
    }
    if (X <= Channel->GetX(0)) {
        Distance = std::abs(X - Channel->GetX(0));
        return 0;
    }
    int lo = 0;
    int hi = count - 1;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        (Channel->GetX(mid) <= X ? lo : hi) = mid;
    }
    int best = lo;
    Distance = std::abs(X - Channel->GetX(lo));
    if (std::abs(Channel->GetX(hi) - X) < Distance) {
        best = hi;
        Distance = std::abs(Channel->GetX(hi) - X);
    }
    return best;
}

} // namespace

void TiPlotDataCursor::DoSnapToDataPoint()
{
    SnapPointer(false);
    SnapPointer(true);
}

void TiPlotDataCursor::SnapPointer(bool Pointer2)
{
    if (!FSnapToDataPoint || !iplot::IsStripChart(this) || FStyle == TiPlotDataCursorStyle::ipcsDeltaY)
        return;
    const TiPlotComponent* plot = iplot::PlotOf(this);
    const double percent = (Pointer2 ? FPointer2Position : FPointer1Position) / 100.0;
    FSnapToIndexChannel = -1;
    FSnapToIndexData = -1;
    double best = 1e300;
    for (int c = 0; c < plot->ChannelCount(); ++c) {
        TiPlotChannelCustom* channel = plot->Channel(c);
        if (!IsAllChannels() && channel != GetChannel())
            continue;
        TiPlotXAxis* axis = channel->XAxis();
        if (!axis)
            continue;
        double distance = 1e300;
        const int index = NearestPoint(channel, axis->PercentToPosition(percent), distance);
        if (index >= 0 && distance < best) {
            best = distance;
            FSnapToIndexChannel = c;
            FSnapToIndexData = index;
        }
    }
    if (FSnapToIndexChannel >= 0)
        MoveToDataPoint(FSnapToIndexChannel, FSnapToIndexData, 0, Pointer2);
}

void TiPlotDataCursor::MoveToDataPoint(int ChannelIndex, int PointIndex, int Step, bool Pointer2)
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!iplot::IsStripChart(this) || !plot || ChannelIndex < 0 || ChannelIndex >= plot->ChannelCount())
        return;
    TiPlotChannelCustom* channel = plot->Channel(ChannelIndex);
    TiPlotXAxis* axis = channel->XAxis();
    if (!axis || channel->Count() == 0)
        return;
    int index = PointIndex + (axis->ReverseScale() ? -Step : Step);
    index = std::clamp(index, 0, channel->Count() - 1);
    FSnapToIndexData = index;
    const double x = channel->GetX(index);
    const double span = axis->Span();
    if (x > axis->Max())
        axis->SetMin(x - span + span / 40);
    else if (x < axis->Min())
        axis->SetMin(x - span / 40);
    const double percent = axis->PositionToPercent(x) * 100.0;
    if (Pointer2)
        SetPointer2Position(percent);
    else
        SetPointer1Position(percent);
}

// --- popup menu ---

void TiPlotDataCursor::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotManagerObject::AddMenuItems(PopupMenu);
    AddChannelMenu(PopupMenu);
    AddStyleMenu(PopupMenu);
    AddOptionsMenu(PopupMenu);
    if (iplot::IsStripChart(this))
        AddItem(PopupMenu->Items(), TranslateString(QStringLiteral("Snap to Data-Point")), FSnapToDataPoint, [this] {
            FSnapToDataPoint = !FSnapToDataPoint;
            if (FSnapToDataPoint)
                DoSnapToDataPoint();
            InvalidateNow();
        });
    AddEditMenuItem(PopupMenu);
}

void TiPlotDataCursor::AddChannelMenu(TPopupMenu* PopupMenu)
{
    TiMenuItem* menu = AddSubMenu(PopupMenu, TranslateString(QStringLiteral("Channel")));
    if (FChannelAllowAll)
        AddItem(menu, TranslateString(QStringLiteral("<All>")), IsAllChannels(), [this] {
            SetChannelName(QStringLiteral("<All>"));
            if (const TiPlotComponent* plot = iplot::PlotOf(this))
                for (int i = 0; i < plot->ChannelCount(); ++i)
                    plot->Channel(i)->SetUserSelected(false);
        });
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot)
        return;
    for (int i = 0; i < plot->ChannelCount(); ++i) {
        TiPlotChannelCustom* channel = plot->Channel(i);
        if (!channel->Visible())
            continue;
        QString caption = channel->TitleText();
        caption.remove(QStringLiteral("\r\n"));
        TiMenuItem* item = AddItem(menu, caption, channel == GetChannel(), [this, channel] {
            SetChannelName(channel->Name());
            channel->SetUserSelected(true);
            DoSnapToDataPoint();
        });
        item->AString = channel->Name();
    }
}

void TiPlotDataCursor::AddStyleMenu(TPopupMenu* PopupMenu)
{
    TiMenuItem* menu = AddSubMenu(PopupMenu, TranslateString(QStringLiteral("Style")));
    for (int i = 0; i < 6; ++i) {
        const auto style = static_cast<TiPlotDataCursorStyle>(i);
        TiMenuItem* item = AddItem(menu, TranslateString(FMenuItemCaption[i]), style == FStyle,
                                   [this, style] { SetStyle(style); });
        item->SetVisible(FMenuItemVisible[i]);
    }
}

void TiPlotDataCursor::AddOptionsMenu(TPopupMenu* PopupMenu)
{
    if (!FMenuUserCanChangeOptions)
        return;
    TiMenuItem* menu = AddSubMenu(PopupMenu, TranslateString(QStringLiteral("Options")));
    AddItem(menu, TranslateString(QStringLiteral("Use Channel Color")), FUseChannelColor, [this] {
        FUseChannelColor = !FUseChannelColor;
        InvalidateNow();
    });
    AddItem(menu, TranslateString(QStringLiteral("Hide Hint On Release")), FHintHideOnRelease, [this] {
        FHintHideOnRelease = !FHintHideOnRelease;
        InvalidateNow();
    });
    TiMenuItem* flip = AddItem(menu, TranslateString(QStringLiteral("Flip Alignment")), false, [this] {
        FHintOrientationSide = FHintOrientationSide == TiOrientationSide::iosBottomRight
            ? TiOrientationSide::iosTopLeft
            : TiOrientationSide::iosBottomRight;
        InvalidateNow();
    });
    const bool valueStyle = FStyle == TiPlotDataCursorStyle::ipcsValueXY || FStyle == TiPlotDataCursorStyle::ipcsValueX
        || FStyle == TiPlotDataCursorStyle::ipcsValueY;
    flip->SetEnabled(valueStyle && !IsAllChannels());
}
