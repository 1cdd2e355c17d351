#include "plot/iXYPlotChannel.h"

#include "plot/extras/iOPCItem.h"
#include "plot/extras/iOPCManager.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"

#include "platform/ui/TCanvas.h"

#include <algorithm>
#include <atomic>

using namespace vcl;

namespace {

// Ids of channels' OPC groups: unique within the process, whatever the address width.
std::uint32_t NextOPCGroupId()
{
    static std::atomic<std::uint32_t> next { 1 };
    return next++;
}

} // namespace

TiXYPlotChannel::TiXYPlotChannel(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                 TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename)),
      FOPCManager(std::make_unique<TiOPCManager>(nullptr)), FOPCItemManager(std::make_unique<TiOPCItemManager>()),
      FOPCId(NextOPCGroupId())
{
    FOPCManager->OnAfterGroupUpdate = [this](TObject*, const QString&) { OPCUpdate(); };
    FOPCItemManager->OnGetDesigning = [this](TObject*, bool& Designing) { Designing = IsDesigning(); };
    for (int i = 0; i < 2; ++i)
        FOPCItemManager->Item(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TiXYPlotChannel::~TiXYPlotChannel()
{
    FOPCItemManager.reset();
    FOPCManager.reset();
}

TiPlotChannelCustom* TiXYPlotChannel::Construct(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                                TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    return new TiXYPlotChannel(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                               std::move(AOnRename));
}

bool TiXYPlotChannel::IsDesigning() const
{
    TiPlotComponent* plot = Plot();
    bool designing = false;
    if (plot && plot->OnGetDesigning)
        plot->OnGetDesigning(plot, designing);
    return designing;
}

int TiXYPlotChannel::AddNull()
{
    SettleTracking();
    FoldPendingPoints(); // they stay the newest points of the list
    const int index = FDataList->Add(0.0, 0.0, true, false);
    DoChange();
    return index;
}

int TiXYPlotChannel::AddEmpty()
{
    SettleTracking();
    FoldPendingPoints(); // they stay the newest points of the list
    const int index = FDataList->Add(0.0, 0.0, false, true);
    DoChange();
    return index;
}

// ---------------------------------------------------------------- drawing

void TiXYPlotChannel::CalcStartIndex() { FStartIndex = 0; }

void TiXYPlotChannel::CalcStopIndex() { FStopIndex = Count() - 1; }

void TiXYPlotChannel::PrepareDraw()
{
    FCanDraw = false;
    if (!XAxis() || !YAxis() || !Visible() || Count() == 0)
        return;
    CalcStartIndex();
    CalcStopIndex();
    FCanDraw = FStartIndex != -1 && FStopIndex != -1;
}

void TiXYPlotChannel::Draw(TCanvas* Canvas, TColor BackGroundColor)
{
    if (ClipToAxes()) {
        IiPlotAxisScale* x = XScale();
        IiPlotAxisScale* y = YScale();
        if (x && y) {
            int left = std::min(x->MinPixels(), x->MaxPixels());
            int right = std::max(x->MinPixels(), x->MaxPixels());
            int top = std::min(y->MinPixels(), y->MaxPixels());
            int bottom = std::max(y->MinPixels(), y->MaxPixels());
            if (XYAxesReversed()) {
                std::swap(left, top);
                std::swap(right, bottom);
            }
            // The scale ends are pixels that belong to the axes, so the clip takes them in.
            Canvas->IntersectClipRect(TRect(left, top, right + 1, bottom + 1));
        }
    }
    DrawTrace(Canvas, XYAxesReversed(), BackGroundColor);
    DrawMarkers(Canvas, XYAxesReversed(), BackGroundColor);
}

void TiXYPlotChannel::DrawTrace(TCanvas* Canvas, bool XYAxesReversed, TColor BackgroundColor)
{
    TiPlotChannelPainter painter(*this, XScale(), YScale());
    painter.SetBlockSummary(&FBlocks);
    painter.DrawTrace(Canvas, XYAxesReversed, BackgroundColor);
}

template <typename Extent, typename Pick>
double TiXYPlotChannel::ZoomExtent(double None, Extent extent, Pick pick)
{
    CalcStartIndex();
    CalcStopIndex();
    if (!XAxis() || !YAxis() || !Visible() || FStartIndex == -1 || FStopIndex == -1)
        return None;
    double result = None;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (GetValid(i))
            result = pick(result, (this->*extent)(i));
    return result;
}

double TiXYPlotChannel::GetZoomXMax()
{
    return ZoomExtent(-1e300, &TiXYPlotChannel::GetMarkerExtentXMax, [](double a, double b) { return std::max(a, b); });
}

double TiXYPlotChannel::GetZoomXMin()
{
    return ZoomExtent(1e300, &TiXYPlotChannel::GetMarkerExtentXMin, [](double a, double b) { return std::min(a, b); });
}

double TiXYPlotChannel::GetZoomYMax()
{
    return ZoomExtent(-1e300, &TiXYPlotChannel::GetMarkerExtentYMax, [](double a, double b) { return std::max(a, b); });
}

double TiXYPlotChannel::GetZoomYMin()
{
    return ZoomExtent(1e300, &TiXYPlotChannel::GetMarkerExtentYMin, [](double a, double b) { return std::min(a, b); });
}

// ---------------------------------------------------------------- OPC

namespace {
TiOPCItem* ItemOf(const TiOPCItemManager& Manager, int Index) { return Manager.Item(Index); }
} // namespace

QString TiXYPlotChannel::OPCComputerName() const { return ItemOf(*FOPCItemManager, 0)->ComputerName(); }
void TiXYPlotChannel::SetOPCComputerName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetComputerName(Value); }
QString TiXYPlotChannel::OPCServerName() const { return ItemOf(*FOPCItemManager, 0)->ServerName(); }
void TiXYPlotChannel::SetOPCServerName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetServerName(Value); }
QString TiXYPlotChannel::OPCItemName() const { return ItemOf(*FOPCItemManager, 0)->ItemName(); }
void TiXYPlotChannel::SetOPCItemName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetItemName(Value); }
QString TiXYPlotChannel::OPCItem2Name() const { return ItemOf(*FOPCItemManager, 1)->ItemName(); }
void TiXYPlotChannel::SetOPCItem2Name(const QString& Value) { ItemOf(*FOPCItemManager, 1)->SetItemName(Value); }
int TiXYPlotChannel::OPCUpdateRate() const { return ItemOf(*FOPCItemManager, 0)->UpdateRate(); }
void TiXYPlotChannel::SetOPCUpdateRate(int Value) { ItemOf(*FOPCItemManager, 0)->SetUpdateRate(Value); }
double TiXYPlotChannel::OPCScalar() const { return ItemOf(*FOPCItemManager, 0)->Scalar(); }
void TiXYPlotChannel::SetOPCScalar(double Value) { ItemOf(*FOPCItemManager, 0)->SetScalar(Value); }
double TiXYPlotChannel::OPCOffset() const { return ItemOf(*FOPCItemManager, 0)->Offset(); }
void TiXYPlotChannel::SetOPCOffset(double Value) { ItemOf(*FOPCItemManager, 0)->SetOffset(Value); }
double TiXYPlotChannel::OPCScalar2() const { return ItemOf(*FOPCItemManager, 1)->Scalar(); }
void TiXYPlotChannel::SetOPCScalar2(double Value) { ItemOf(*FOPCItemManager, 1)->SetScalar(Value); }
double TiXYPlotChannel::OPCOffset2() const { return ItemOf(*FOPCItemManager, 1)->Offset(); }
void TiXYPlotChannel::SetOPCOffset2(double Value) { ItemOf(*FOPCItemManager, 1)->SetOffset(Value); }
bool TiXYPlotChannel::OPCAutoConnect() const { return ItemOf(*FOPCItemManager, 0)->AutoConnect(); }
void TiXYPlotChannel::SetOPCAutoConnect(bool Value) { ItemOf(*FOPCItemManager, 0)->SetAutoConnect(Value); }
bool TiXYPlotChannel::OPCActive() const { return ItemOf(*FOPCItemManager, 0)->Active(); }
bool TiXYPlotChannel::OPCQualityGood() const { return ItemOf(*FOPCItemManager, 0)->QualityGood(); }

QString TiXYPlotChannel::OPCGroupName() const
{
    return QStringLiteral("%1").arg(FOPCId, 8, 16, QLatin1Char('0')).toUpper();
}

void TiXYPlotChannel::OPCActivate()
{
    if (IsDesigning())
        return;
    TiOPCItem* x = ItemOf(*FOPCItemManager, 0);
    TiOPCItem* y = ItemOf(*FOPCItemManager, 1);
    x->Deactivate();
    y->Deactivate();
    FOPCManager->GroupClear();
    const QString group = OPCGroupName();
    FOPCManager->GroupAdd(group, x->ComputerName(), x->ServerName(), x->UpdateRate());
    x->SetGroupName(group);
    y->SetGroupName(group);
    x->Activate();
    y->Activate();
}

void TiXYPlotChannel::OPCActivateSuspend()
{
    OPCActivate();
    OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate()
{
    ItemOf(*FOPCItemManager, 0)->Deactivate();
    ItemOf(*FOPCItemManager, 1)->Deactivate();
}

void TiXYPlotChannel::OPCUpdateSuspend() { FOPCManager->Group(0)->Suspend(); }

void TiXYPlotChannel::OPCUpdateResume() { FOPCManager->Group(0)->Resume(); }

void TiXYPlotChannel::OPCUpdate()
{
    AddXY(iOPCVariantToDouble(ItemOf(*FOPCItemManager, 0)->Data()),
          iOPCVariantToDouble(ItemOf(*FOPCItemManager, 1)->Data()));
}

void TiXYPlotChannel::NotifyInsert()
{
    TiPlotChannelCustom::NotifyInsert();
    if (ItemOf(*FOPCItemManager, 0)->AutoConnect())
        OPCActivate();
}
