#include "plot/iPlotAnnotation.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/ui/TBitmap.h"

#include <cmath>

using namespace vcl;

namespace {

enum Event { kCoordinatesChange, kMoveUser, kResizeUser, kCoordinatesChangeFinished };

} // namespace

TiPlotAnnotation::TiPlotAnnotation(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetColor(clWhite);
    FFont->OnChange = [this](TObject*) { DoChange(); };
}

TiPlotAnnotation::~TiPlotAnnotation() { FFont->OnChange = nullptr; }

void TiPlotAnnotation::SetFont(const TFont* Value)
{
    if (Value)
        FFont->Assign(const_cast<TFont*>(Value));
}

int TiPlotAnnotation::Index() const
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    return plot ? iplot::IndexIn(plot->Master()->AnnotationManager(), this) : -1;
}

void TiPlotAnnotation::FireEvent(int Which)
{
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot || plot->IsLoading())
        return;
    const TiPlotIndexEvent* events[] = { &plot->OnAnnotationCoordinatesChange, &plot->OnAnnotationMoveUser,
                                         &plot->OnAnnotationResizeUser, &plot->OnAnnotationCoordinatesChangeFinished };
    if (*events[Which])
        (*events[Which])(plot, Index());
}

void TiPlotAnnotation::SetCoordinate(double Value, double& Field)
{
    if (Field == Value)
        return;
    Field = Value;
    DoChange();
    FireEvent(kCoordinatesChange);
}

void TiPlotAnnotation::SetChannelName(const QString& Value)
{
    if (FChannelName == Value)
        return;
    FChannel = nullptr;
    FChannelName = Value;
    DoChange();
}

void TiPlotAnnotation::SetImage(TBitmap* Value)
{
    if (!Value) {
        FImage.reset();
    } else {
        if (!FImage)
            FImage = std::make_unique<TBitmap>();
        FImage->Assign(Value);
    }
    DoChange();
}

void TiPlotAnnotation::ImageClear()
{
    if (FImage)
        SetImage(nullptr);
}

void TiPlotAnnotation::ImageLoadFromFile(const QString& FileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(FileName);
    SetImage(&loaded);
}

int TiPlotAnnotation::PolyPointAdd(double X, double Y)
{
    FPolyPoints.push_back(TiPlotAnnotationPoint { X, Y });
    return PolyPointsCount() - 1;
}

TiPlotChannelCustom* TiPlotAnnotation::Channel()
{
    if (!FChannel)
        if (const TiPlotComponent* plot = iplot::PlotOf(this))
            FChannel = plot->GetChannelByName(FChannelName);
    return FChannel;
}

bool TiPlotAnnotation::IsSizable() const
{
    switch (FStyle) {
    case TiPlotAnnotationStyle::ipasRectangle:
    case TiPlotAnnotationStyle::ipasTextRectangle:
    case TiPlotAnnotationStyle::ipasEllipse:
    case TiPlotAnnotationStyle::ipasEllipse2:
    case TiPlotAnnotationStyle::ipasRectangle2: return true;
    default: return false;
    }
}

bool TiPlotAnnotation::ChannelFrame(TiPlotReferenceIndividual Individual, bool ForX) const
{
    if (Individual == TiPlotReferenceIndividual::ipriChannel)
        return true;
    if (Individual != TiPlotReferenceIndividual::ipriAuto)
        return false;
    return FReference == TiPlotReferenceType::iprtChannel
        || (ForX && FReference == TiPlotReferenceType::iprtXChannelYDataView)
        || (!ForX && FReference == TiPlotReferenceType::iprtXDataViewYChannel);
}

bool TiPlotAnnotation::AnyChannelFrame() const
{
    return ChannelFrame(FReferencePositionX, true) || ChannelFrame(FReferencePositionY, false)
        || ChannelFrame(FReferenceSizeX, true) || ChannelFrame(FReferenceSizeY, false);
}

bool TiPlotAnnotation::AnyDataViewFrame() const
{
    return !ChannelFrame(FReferencePositionX, true) || !ChannelFrame(FReferencePositionY, false)
        || !ChannelFrame(FReferenceSizeX, true) || !ChannelFrame(FReferenceSizeY, false);
}

int TiPlotAnnotation::ToPixels(bool ChannelUnits, bool ForX, double Value)
{
    if (ChannelUnits) {
        TiPlotChannelCustom* channel = Channel();
        TiPlotAxis* axis = nullptr;
        if (channel && channel->XAxis() && channel->YAxis())
            axis = ForX ? static_cast<TiPlotAxis*>(channel->XAxis()) : channel->YAxis();
        return axis ? axis->PositionToPixels(Value) : 0;
    }
    if (!FDataView)
        return 0;
    // X runs along the view's width (its height with reversed axes), Y the other way.
    const bool alongWidth = ForX != FXYAxesReversed;
    return alongWidth ? iplot::PercentToPixelsX(*FDataView, Value) : iplot::PercentToPixelsY(*FDataView, Value);
}

double TiPlotAnnotation::ToPosition(bool ChannelUnits, bool ForX, int Pixels)
{
    if (ChannelUnits) {
        TiPlotChannelCustom* channel = Channel();
        TiPlotAxis* axis = nullptr;
        if (channel && channel->XAxis() && channel->YAxis())
            axis = ForX ? static_cast<TiPlotAxis*>(channel->XAxis()) : channel->YAxis();
        return axis ? axis->PixelsToPosition(Pixels) : 0.0;
    }
    if (!FDataView)
        return 0.0;
    const bool alongWidth = ForX != FXYAxesReversed;
    return alongWidth ? iplot::PixelsXToPercent(*FDataView, Pixels) : iplot::PixelsYToPercent(*FDataView, Pixels);
}

int TiPlotAnnotation::PositionXToPixels(double Value) { return ToPixels(ChannelFrame(FReferencePositionX, true), true, Value); }
int TiPlotAnnotation::PositionYToPixels(double Value) { return ToPixels(ChannelFrame(FReferencePositionY, false), false, Value); }
double TiPlotAnnotation::PixelsXToPosition(int Value) { return ToPosition(ChannelFrame(FReferencePositionX, true), true, Value); }
double TiPlotAnnotation::PixelsYToPosition(int Value) { return ToPosition(ChannelFrame(FReferencePositionY, false), false, Value); }

int TiPlotAnnotation::SizeToPixels(bool ForX, double Value)
{
    const bool channel = ChannelFrame(ForX ? FReferenceSizeX : FReferenceSizeY, ForX);
    if (!channel)
        return std::abs(ToPixels(false, ForX, Value) - ToPixels(false, ForX, 0.0));
    TiPlotChannelCustom* ch = Channel();
    if (!ch || !ch->XAxis() || !ch->YAxis())
        return 0;
    const double min = ForX ? ch->XAxis()->Min() : ch->YAxis()->Min();
    return std::abs(ToPixels(true, ForX, min + Value) - ToPixels(true, ForX, min));
}

TRect TiPlotAnnotation::ViewRect() const { return FDataView ? FDataView->DrawRect() : TRect(); }

void TiPlotAnnotation::NotificationRemove(TObject* AObject)
{
    if (AObject == FDataView)
        FDataView = nullptr;
    if (AObject == FChannel)
        FChannel = nullptr;
}

void TiPlotAnnotation::NotificationRename(TiPlotObject* AObject)
{
    if (AObject && AObject == FChannel)
        FChannelName = AObject->Name();
}

void TiPlotAnnotation::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject != this && AObject && AObject->UserSelected())
        SetUserSelected(false);
}
