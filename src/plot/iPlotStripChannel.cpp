#include "plot/iPlotStripChannel.h"
#include "plot/iPlotChannelAppend.h"

#include "plot/extras/iOPCItem.h"
#include "plot/extras/iOPCManager.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataLists.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"

#include <atomic>

using namespace vcl;

namespace {

std::uint32_t NextOPCGroupId()
{
    static std::atomic<std::uint32_t> next { 0x80000001u };
    return next++;
}

TiOPCItem* ItemOf(const TiOPCItemManager& Manager, int Index) { return Manager.Item(Index); }

} // namespace

TiPlotChannel::TiPlotChannel(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FElapsedStartTime(Now()), FOPCManager(std::make_unique<TiOPCManager>(nullptr)),
      FOPCItemManager(std::make_unique<TiOPCItemManager>()), FOPCId(NextOPCGroupId())
{
    TiPlotPointDefaults& stored = FDataList->Stored;
    stored.BarReference = 0.0;
    stored.BarWidth = 5.0;
    stored.BarPenColor = 255;
    stored.BarPenWidth = 0;
    stored.BarPenStyle = TPenStyle::psSolid;
    stored.BarBrushColor = 255;
    stored.BarBrushStyle = TBrushStyle::bsSolid;
    FOPCManager->OnAfterGroupUpdate = [this](TObject*, const QString&) { OPCGroupUpdate(); };
    FOPCItemManager->OnGetDesigning = [this](TObject*, bool& Designing) { Designing = IsDesigning(); };
    FOPCItemManager->OnNewData = [this](TObject* Item) { OPCItemNewData(Item); };
    for (int i = 0; i < 2; ++i)
        FOPCItemManager->Item(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TiPlotChannel::~TiPlotChannel()
{
    FOPCItemManager.reset();
    FOPCManager.reset();
}

TiPlotChannelCustom* TiPlotChannel::Construct(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                              TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    return new TiPlotChannel(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                             std::move(AOnRename));
}

bool TiPlotChannel::IsDesigning() const
{
    TiPlotComponent* plot = Plot();
    bool designing = false;
    if (plot && plot->OnGetDesigning)
        plot->OnGetDesigning(plot, designing);
    return designing;
}

// ---------------------------------------------------------------- enumerated settings

void TiPlotChannel::SetInterpolationStyle(TiPlotInterpolationStyle Value)
{
    if (FInterpolationStyle == Value)
        return;
    FInterpolationStyle = Value;
    DoChange();
}

void TiPlotChannel::SetFillStyle(TBrushStyle Value)
{
    if (FFillStyle == Value)
        return;
    FFillStyle = Value;
    DoChange();
}

void TiPlotChannel::SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle Value)
{
    if (FDigitalReferenceStyle == Value)
        return;
    FDigitalReferenceStyle = Value;
    DoChange();
}

void TiPlotChannel::SetHighLowStyle(TiPlotHighLowStyle Value)
{
    if (FHighLowStyle == Value)
        return;
    FHighLowStyle = Value;
    DoChange();
}

// ---------------------------------------------------------------- data entry

void TiPlotChannel::ResetElapsedStartTime() { FElapsedStartTime = Now(); }

// Out of the add's way: the two refusals of a point out of X order.
[[noreturn]] static void ThrowXOutOfOrder(bool Increasing)
{
    throw Exception(Increasing ? QStringLiteral("New Data-Point X-Value is out of order")
                               : QStringLiteral("New Data-Point X-Value is out of order."));
}

inline void TiPlotChannel::ResetStartTimeIfFirst()
{
    if (FResetStartTimeOnFirstDataPoint && Count() == 0) [[unlikely]]
        ResetElapsedStartTime();
}

void TiPlotChannel::RememberXOrder(int Count)
{
    // The standard list is read straight from its records.
    double first = 0, second = 0, last = 0;
    if (FNullList) [[likely]] {
        first = FNullList->FirstRecord().X;
        second = FNullList->SecondRecord().X;
        last = FNullList->LastRecord().X;
    } else {
        first = GetX(0);
        second = GetX(1);
        last = GetX(Count - 1);
    }
    FOrderMemo = XOrderMemo { Count, DataVersion(), second >= first, last };
}

inline void TiPlotChannel::CheckXOrder(double X)
{
    if (FAllowOutOfOrderXValues)
        return;
    const int count = Count();
    if (count < 2)
        return;
    // A full ring changes its first points with every add: there the records are read each time.
    if (!OrderMemoFollows(count) || FDataList->NextAddOverwrites()) [[unlikely]]
        RememberXOrder(count);
    if (FOrderMemo.Increasing) {
        if (X < FOrderMemo.LastX) [[unlikely]]
            ThrowXOutOfOrder(true);
    } else if (X > FOrderMemo.LastX) [[unlikely]] {
        ThrowXOutOfOrder(false);
    }
}

inline void TiPlotChannel::NoteAddedX(int CountBefore, double X)
{
    if (FOrderMemo.Count != CountBefore)
        return;
    FOrderMemo.Count = Count();
    FOrderMemo.LastX = X;
}

int TiPlotChannel::AddXY(double X, double Y)
{
    // The common add of a stream, every check made without a call; all else in AddXYChecked.
    if (QuietAppendReady() && !FResetStartTimeOnFirstDataPoint) [[likely]] {
        const int count = FNullList->Count();
        const bool follows = OrderMemoFollows(count);
        const bool checked = !FAllowOutOfOrderXValues && count >= 2;
        const bool inOrder = FOrderMemo.Increasing ? X >= FOrderMemo.LastX : X <= FOrderMemo.LastX;
        if (!checked || (follows && inOrder)) [[likely]] {
            const int index = QuietAppend(X, Y);
            if (follows) {
                FOrderMemo.Count = count + 1;
                FOrderMemo.LastX = X;
            }
            return index;
        }
    }
    return AddXYChecked(X, Y);
}

int TiPlotChannel::AddXYChecked(double X, double Y)
{
    ResetStartTimeIfFirst();
    CheckXOrder(X);
    const int countBefore = Count();
    const int index = AppendPoint(X, Y, false, false);
    NoteAddedX(countBefore, X);
    return index;
}

int TiPlotChannel::AddXNull(double X)
{
    ResetStartTimeIfFirst();
    CheckXOrder(X);
    return AddPoint(X, 0.0, true, false);
}

int TiPlotChannel::AddXEmpty(double X)
{
    ResetStartTimeIfFirst();
    CheckXOrder(X);
    return AddPoint(X, 0.0, false, true);
}

int TiPlotChannel::AddYNow(double Y)
{
    ResetStartTimeIfFirst();
    return AddPoint(Now(), Y, false, false);
}

int TiPlotChannel::AddYElapsedTime(double Y)
{
    ResetStartTimeIfFirst();
    return AddPoint(Now() - FElapsedStartTime, Y, false, false);
}

int TiPlotChannel::AddYElapsedSeconds(double Y)
{
    ResetStartTimeIfFirst();
    return AddPoint((Now() - FElapsedStartTime) * 86400.0, Y, false, false);
}

void TiPlotChannel::AddYArray(double XInterval, const TVariant& YData)
{
    if (!YData.IsArray() || YData.DimCount() != 1)
        throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    ResetStartTimeIfFirst();
    const double base = Count() ? GetX(Count() - 1) : 0.0;
    const int low = YData.LowBound(1);
    for (int i = low; i <= YData.HighBound(1); ++i)
        AddPoint(base + (i - low) * XInterval, YData.Element({ i }).AsDouble(), false, false);
}

int TiPlotChannel::AddHighLow(double X, double High, double Low, double Open, double Close)
{
    ResetStartTimeIfFirst();
    CheckXOrder(X);
    SettleTracking();
    FoldPendingPoints(); // they stay the newest points of the list
    const int index = FDataList->Add(X, 0.0, false, false);
    FDataList->SetHigh(index, High);
    FDataList->SetLow(index, Low);
    FDataList->SetOpen(index, Open);
    FDataList->SetClose(index, Close);
    if (XAxisTrackingEnabled())
        if (IiPlotAxisTracking* x = XTracking())
            x->NewTrackingData(X);
    if (YAxisTrackingEnabled())
        if (IiPlotAxisTracking* y = YTracking())
            for (double v : { High, Low, Open, Close })
                y->NewTrackingData(v);
    DoChange();
    return index;
}

// ---------------------------------------------------------------- OPC

QString TiPlotChannel::OPCGroupName() const { return ItemOf(*FOPCItemManager, 0)->GroupName(); }
void TiPlotChannel::SetOPCGroupName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetGroupName(Value); }
QString TiPlotChannel::OPCComputerName() const { return ItemOf(*FOPCItemManager, 0)->ComputerName(); }
void TiPlotChannel::SetOPCComputerName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetComputerName(Value); }
QString TiPlotChannel::OPCServerName() const { return ItemOf(*FOPCItemManager, 0)->ServerName(); }
void TiPlotChannel::SetOPCServerName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetServerName(Value); }
QString TiPlotChannel::OPCItemName() const { return ItemOf(*FOPCItemManager, 0)->ItemName(); }
void TiPlotChannel::SetOPCItemName(const QString& Value) { ItemOf(*FOPCItemManager, 0)->SetItemName(Value); }
QString TiPlotChannel::OPCItem2Name() const { return ItemOf(*FOPCItemManager, 1)->ItemName(); }
void TiPlotChannel::SetOPCItem2Name(const QString& Value) { ItemOf(*FOPCItemManager, 1)->SetItemName(Value); }
int TiPlotChannel::OPCUpdateRate() const { return ItemOf(*FOPCItemManager, 0)->UpdateRate(); }
void TiPlotChannel::SetOPCUpdateRate(int Value) { ItemOf(*FOPCItemManager, 0)->SetUpdateRate(Value); }
double TiPlotChannel::OPCScalar() const { return ItemOf(*FOPCItemManager, 0)->Scalar(); }
void TiPlotChannel::SetOPCScalar(double Value) { ItemOf(*FOPCItemManager, 0)->SetScalar(Value); }
double TiPlotChannel::OPCOffset() const { return ItemOf(*FOPCItemManager, 0)->Offset(); }
void TiPlotChannel::SetOPCOffset(double Value) { ItemOf(*FOPCItemManager, 0)->SetOffset(Value); }
double TiPlotChannel::OPCScalar2() const { return ItemOf(*FOPCItemManager, 1)->Scalar(); }
void TiPlotChannel::SetOPCScalar2(double Value) { ItemOf(*FOPCItemManager, 1)->SetScalar(Value); }
double TiPlotChannel::OPCOffset2() const { return ItemOf(*FOPCItemManager, 1)->Offset(); }
void TiPlotChannel::SetOPCOffset2(double Value) { ItemOf(*FOPCItemManager, 1)->SetOffset(Value); }
bool TiPlotChannel::OPCAutoConnect() const { return ItemOf(*FOPCItemManager, 0)->AutoConnect(); }
void TiPlotChannel::SetOPCAutoConnect(bool Value) { ItemOf(*FOPCItemManager, 0)->SetAutoConnect(Value); }
bool TiPlotChannel::OPCActive() const { return ItemOf(*FOPCItemManager, 0)->Active(); }
bool TiPlotChannel::OPCQualityGood() const { return ItemOf(*FOPCItemManager, 0)->QualityGood(); }

void TiPlotChannel::OPCActivate()
{
    if (IsDesigning())
        return;
    TiOPCItem* first = ItemOf(*FOPCItemManager, 0);
    TiOPCItem* second = ItemOf(*FOPCItemManager, 1);
    first->Deactivate();
    second->Deactivate();
    if (FOPCXValueSource != TiOPCXValueSourceStyle::iopcxvsOPCItem) {
        first->Activate();
        return;
    }
    FOPCManager->GroupClear();
    if (!first->ServerName().trimmed().isEmpty()) {
        const QString group = QStringLiteral("%1").arg(FOPCId, 8, 16, QLatin1Char('0')).toUpper();
        FOPCManager->GroupAdd(group, first->ComputerName(), first->ServerName(), first->UpdateRate());
        first->SetGroupName(group);
    }
    second->SetGroupName(first->GroupName());
    first->Activate();
    second->Activate();
}

void TiPlotChannel::OPCActivateSuspend() { ItemOf(*FOPCItemManager, 0)->ActivateSuspend(); }

// Both items: with X fed by item 0, item 1 was activated as well and must not stay live.
void TiPlotChannel::OPCDeactivate()
{
    ItemOf(*FOPCItemManager, 0)->Deactivate();
    ItemOf(*FOPCItemManager, 1)->Deactivate();
}

void TiPlotChannel::OPCUpdateSuspend() { ItemOf(*FOPCItemManager, 0)->UpdateSuspend(); }

void TiPlotChannel::OPCUpdateResume() { ItemOf(*FOPCItemManager, 0)->UpdateResume(); }

void TiPlotChannel::OPCItemNewData(TObject* Item)
{
    TiOPCItem* first = ItemOf(*FOPCItemManager, 0);
    if (Item != first)
        return;
    const double y = iOPCVariantToDouble(first->Data());
    switch (FOPCXValueSource) {
    case TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp: AddPoint(first->TimeStamp(), y, false, false); break;
    case TiOPCXValueSourceStyle::iopcxvsSystemTimeStamp: AddPoint(Now(), y, false, false); break;
    case TiOPCXValueSourceStyle::iopcxvsElapsedTime: AddYElapsedTime(y); break;
    case TiOPCXValueSourceStyle::iopcxvsElapsedSeconds: AddYElapsedSeconds(y); break;
    case TiOPCXValueSourceStyle::iopcxvsOPCItem: break;
    }
}

void TiPlotChannel::OPCGroupUpdate()
{
    AddXY(iOPCVariantToDouble(ItemOf(*FOPCItemManager, 0)->Data()),
          iOPCVariantToDouble(ItemOf(*FOPCItemManager, 1)->Data()));
}

void TiPlotChannel::NotifyInsert()
{
    TiPlotChannelCustom::NotifyInsert();
    if (ItemOf(*FOPCItemManager, 0)->AutoConnect())
        OPCActivate();
}

// ---------------------------------------------------------------- published

const TPropertyTable* TiPlotChannel::PublishedProperties() const
{
    using C = TiPlotChannel;
#define ZQ9_BRUSH_STYLES                                                                                             \
    { "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross" }
    // Every declared default is the value a new channel has, so a stream round trip changes nothing.
    static const TPropertyTable table =
        TPropertyTableBuilder<C>(QStringLiteral("TiPlotChannel"), TiPlotChannelCustom::PublishedProperties())
            .Boolean(QStringLiteral("FastDrawEnabled"), &C::FastDrawEnabled, &C::SetFastDrawEnabled).Default(true)
            .Boolean(QStringLiteral("AllowOutOfOrderXValues"), &C::AllowOutOfOrderXValues,
                     &C::SetAllowOutOfOrderXValues)
            .Default(true)
            .Boolean(QStringLiteral("DrawOutOfOrderXValues"), &C::DrawOutOfOrderXValues, &C::SetDrawOutOfOrderXValues)
            .Default(false)
            .Boolean(QStringLiteral("ResetStartTimeOnFirstDataPoint"), &C::ResetStartTimeOnFirstDataPoint,
                     &C::SetResetStartTimeOnFirstDataPoint)
            .Default(false)
            .Enum(QStringLiteral("InterpolationStyle"),
                  { "ipistStraightLine", "ipistCubicSpline", "ipistPolynomial", "ipistRational", "ipistDifferential",
                    "ipistDifferentialTerminated" },
                  &C::InterpolationStyle, &C::SetInterpolationStyle)
            .Default(TiPlotInterpolationStyle::ipistStraightLine)
            .Boolean(QStringLiteral("FillEnabled"), &C::FillEnabled, &C::SetFillEnabled).Default(false)
            .Float(QStringLiteral("FillReference"), &C::FillReference, &C::SetFillReference).Default(0.0)
            .Enum(QStringLiteral("FillStyle"), ZQ9_BRUSH_STYLES, &C::FillStyle, &C::SetFillStyle)
            .Default(TBrushStyle::bsSolid)
            .Color(QStringLiteral("FillColor"), &C::FillColor, &C::SetFillColor).Default(0)
            .Boolean(QStringLiteral("FillUseChannelColor"), &C::FillUseChannelColor, &C::SetFillUseChannelColor)
            .Default(true)
            .Boolean(QStringLiteral("DigitalEnabled"), &C::DigitalEnabled, &C::SetDigitalEnabled).Default(false)
            .Enum(QStringLiteral("DigitalReferenceStyle"), { "ipdrScale", "ipdrPercent" }, &C::DigitalReferenceStyle,
                  &C::SetDigitalReferenceStyle)
            .Default(TiPlotDigitalReferenceStyle::ipdrScale)
            .Float(QStringLiteral("DigitalReferenceLow"), &C::DigitalReferenceLow, &C::SetDigitalReferenceLow)
            .Default(10.0)
            .Float(QStringLiteral("DigitalReferenceHigh"), &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh)
            .Default(90.0)
            .Enum(QStringLiteral("HighLowStyle"), { "iphlsOpenClose", "iphlsCandleStick" }, &C::HighLowStyle,
                  &C::SetHighLowStyle)
            .Default(TiPlotHighLowStyle::iphlsOpenClose)
            .Boolean(QStringLiteral("HighLowEnabled"), &C::HighLowEnabled, &C::SetHighLowEnabled).Default(false)
            .Color(QStringLiteral("HighLowBarColor"), &C::HighLowBarColor, &C::SetHighLowBarColor).Default(0xFFFF00)
            .Float(QStringLiteral("HighLowBarWidth"), &C::HighLowBarWidth, &C::SetHighLowBarWidth).Default(0.5)
            .Boolean(QStringLiteral("HighLowOpenShow"), &C::HighLowOpenShow, &C::SetHighLowOpenShow).Default(true)
            .Color(QStringLiteral("HighLowOpenColor"), &C::HighLowOpenColor, &C::SetHighLowOpenColor).Default(0x00FF00)
            .Float(QStringLiteral("HighLowOpenWidth"), &C::HighLowOpenWidth, &C::SetHighLowOpenWidth).Default(1.0)
            .Float(QStringLiteral("HighLowOpenHeight"), &C::HighLowOpenHeight, &C::SetHighLowOpenHeight).Default(1.0)
            .Boolean(QStringLiteral("HighLowCloseShow"), &C::HighLowCloseShow, &C::SetHighLowCloseShow).Default(true)
            .Color(QStringLiteral("HighLowCloseColor"), &C::HighLowCloseColor, &C::SetHighLowCloseColor).Default(255)
            .Float(QStringLiteral("HighLowCloseWidth"), &C::HighLowCloseWidth, &C::SetHighLowCloseWidth).Default(1.0)
            .Float(QStringLiteral("HighLowCloseHeight"), &C::HighLowCloseHeight, &C::SetHighLowCloseHeight)
            .Default(1.0)
            .Color(QStringLiteral("HighLowShadowColor"), &C::HighLowShadowColor, &C::SetHighLowShadowColor)
            .Default(0x808080)
            .Color(QStringLiteral("HighLowBullishColor"), &C::HighLowBullishColor, &C::SetHighLowBullishColor)
            .Default(0xFFFFFF)
            .Color(QStringLiteral("HighLowBearishColor"), &C::HighLowBearishColor, &C::SetHighLowBearishColor)
            .Default(0x808080)
            .Boolean(QStringLiteral("BarEnabled"), &C::BarEnabled, &C::SetBarEnabled).Default(false)
            .Boolean(QStringLiteral("BarPenUseChannelColor"), &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor)
            .Default(true)
            .Boolean(QStringLiteral("BarBrushUseChannelColor"), &C::BarBrushUseChannelColor,
                     &C::SetBarBrushUseChannelColor)
            .Default(true)
            .Float(QStringLiteral("BarReference"), &C::BarReference, &C::SetBarReference).Default(0.0)
            .Float(QStringLiteral("BarWidth"), &C::BarWidth, &C::SetBarWidth).Default(5.0)
            .Color(QStringLiteral("BarPenColor"), &C::BarPenColor, &C::SetBarPenColor).Default(255)
            .Integer(QStringLiteral("BarPenWidth"), &C::BarPenWidth, &C::SetBarPenWidth).Default(0)
            .Enum(QStringLiteral("BarPenStyle"),
                  { "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame" },
                  &C::BarPenStyle, &C::SetBarPenStyle)
            .Default(TPenStyle::psSolid)
            .Color(QStringLiteral("BarBrushColor"), &C::BarBrushColor, &C::SetBarBrushColor).Default(255)
            .Enum(QStringLiteral("BarBrushStyle"), ZQ9_BRUSH_STYLES, &C::BarBrushStyle, &C::SetBarBrushStyle)
            .Default(TBrushStyle::bsSolid)
            .String(QStringLiteral("OPCGroupName"), &C::OPCGroupName, &C::SetOPCGroupName)
            .String(QStringLiteral("OPCComputerName"), &C::OPCComputerName, &C::SetOPCComputerName)
            .String(QStringLiteral("OPCServerName"), &C::OPCServerName, &C::SetOPCServerName)
            .String(QStringLiteral("OPCItemName"), &C::OPCItemName, &C::SetOPCItemName)
            .String(QStringLiteral("OPCItem2Name"), &C::OPCItem2Name, &C::SetOPCItem2Name)
            .Integer(QStringLiteral("OPCUpdateRate"), &C::OPCUpdateRate, &C::SetOPCUpdateRate).Default(500)
            .Float(QStringLiteral("OPCScalar"), &C::OPCScalar, &C::SetOPCScalar)
            .Float(QStringLiteral("OPCOffset"), &C::OPCOffset, &C::SetOPCOffset)
            .Float(QStringLiteral("OPCScalar2"), &C::OPCScalar2, &C::SetOPCScalar2)
            .Float(QStringLiteral("OPCOffset2"), &C::OPCOffset2, &C::SetOPCOffset2)
            .Boolean(QStringLiteral("OPCAutoConnect"), &C::OPCAutoConnect, &C::SetOPCAutoConnect).Default(true)
            .Enum(QStringLiteral("OPCXValueSource"),
                  { "iopcxvsOPCServerTimeStamp", "iopcxvsSystemTimeStamp", "iopcxvsElapsedTime",
                    "iopcxvsElapsedSeconds", "iopcxvsOPCItem" },
                  &C::OPCXValueSource, &C::SetOPCXValueSource)
            .Default(TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp)
            .Boolean(QStringLiteral("ClipToAxes"), &C::ClipToAxes, &C::SetClipToAxes).Default(false)
            .Build();
#undef ZQ9_BRUSH_STYLES
    return &table;
}
