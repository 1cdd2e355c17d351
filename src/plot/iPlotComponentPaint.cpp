// The plot's paint pass: ticks, the layout of every object around the data view, then the
// background, the layered objects clipped to the data view, the frame objects, cursors, legends,
// tables and the hover hint. Printing, images and ReCalcLayout run the same pass.

#include "plot/iPlotComponent.h"

#include "plot/iGPCanvas.h"
#include "plot/iGPText.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLayoutManager.h"

#include "platform/ui/TCanvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace vcl;

namespace {

using SideList = std::vector<TiPlotLayoutObject*>;

int Rounded(double Value) { return static_cast<int>(std::nearbyint(Value)); }

void SetSides(TiPlotLayoutObject* Object, int Left, int Top, int Right, int Bottom)
{
    Object->SetDrawRect(TRect(Left, Top, Right, Bottom));
}

void SetHorizontalSpan(TiPlotLayoutObject* Object, int Left, int Right)
{
    const TRect r = Object->DrawRect();
    SetSides(Object, Left, r.Top, Right, r.Bottom);
}

void SetVerticalSpan(TiPlotLayoutObject* Object, int Top, int Bottom)
{
    const TRect r = Object->DrawRect();
    SetSides(Object, r.Left, Top, r.Right, Bottom);
}

bool IsCartesianAxis(const TiPlotLayoutObject* Object)
{
    const auto* axis = dynamic_cast<const TiPlotAxis*>(Object);
    return axis && axis->CartesianStyle() != TiPlotCartesianStyle::ipcsNone;
}

// Places every layout object around the data view: the side lists, their thickness and end
// overhangs, the data view's rectangle, the stacking across each side and the spans along it.
class LayoutPass
{
public:
    LayoutPass(TiPlotComponent& Plot, TCanvas* Canvas) : m_plot(Plot), m_canvas(Canvas) {}

    void Run()
    {
        TiPlotLayoutManager* manager = m_plot.Master()->LayoutManager();
        m_border = m_plot.BorderStyle() != TiBevelStyle::ibsNone ? 2 : 0;
        CopyVisible(manager->LeftList(), m_left);
        CopyVisible(manager->RightList(), m_right);
        CopyVisible(manager->TopList(), m_top);
        CopyVisible(manager->BottomList(), m_bottom);
        for (SideList* list : { &m_left, &m_right, &m_top, &m_bottom })
            MarkStackedEnds(*list);
        PlaceDataView();
        StackSides();
        SetSpans(manager);
        PlaceCartesianAxes(manager);
        AlignAxes();
        FitDataViewToScales();
    }

private:
    static void CopyVisible(const TiLayoutSideList& From, SideList& To)
    {
        To.clear();
        for (int i = 0; i < From.Count(); ++i)
            if (From.Objects(i)->Visible())
                To.push_back(From.Objects(i));
    }

    // Objects sharing a ZOrder abut: the stop end of one and the start end of the next are stacked.
    static void MarkStackedEnds(SideList& List)
    {
        for (TiPlotLayoutObject* object : List) {
            object->SetStartStacked(false);
            object->SetStopStacked(false);
        }
        TiPlotLayoutObject* previous = nullptr;
        int lastZOrder = -1;
        for (TiPlotLayoutObject* object : List) {
            if (IsCartesianAxis(object))
                continue;
            if (object->ForceStacking()) {
                object->SetStartStacked(true);
                object->SetStopStacked(true);
                previous = object;
            } else if (object->ZOrder() != lastZOrder) {
                lastZOrder = object->ZOrder();
                previous = object;
            } else {
                if (previous)
                    previous->SetStopStacked(true);
                object->SetStartStacked(true);
                previous = object;
            }
        }
    }

    int EndOverhang(const SideList& List, bool StartEnd) const
    {
        int result = 0;
        for (TiPlotLayoutObject* object : List) {
            if (IsCartesianAxis(object) || (StartEnd ? object->StartStacked() : object->StopStacked()))
                continue;
            result = std::max(result, object->GetRequiredEndMargin(m_canvas));
        }
        return result;
    }

    int GroupThickness(const SideList& List, int ZOrder) const
    {
        int result = 0;
        for (TiPlotLayoutObject* object : List)
            if (!IsCartesianAxis(object) && object->ZOrder() == ZOrder)
                result = std::max(result, object->GetRequiredWidth(m_canvas));
        return result;
    }

    int ListThickness(const SideList& List) const
    {
        int result = 0;
        bool first = true;
        int lastZOrder = 0;
        for (TiPlotLayoutObject* object : List) {
            if (IsCartesianAxis(object))
                continue;
            if (first || object->ZOrder() != lastZOrder)
                result += GroupThickness(List, object->ZOrder());
            first = false;
            lastZOrder = object->ZOrder();
        }
        return result;
    }

    void PlaceDataView()
    {
        int top = ListThickness(m_top);
        int bottom = ListThickness(m_bottom);
        int left = ListThickness(m_left);
        int right = ListThickness(m_right);
        const int ovTop = std::max({ 0, EndOverhang(m_left, false), EndOverhang(m_right, false) });
        const int ovBottom = std::max({ 0, EndOverhang(m_left, true), EndOverhang(m_right, true) });
        const int ovRight = std::max({ 0, EndOverhang(m_top, false), EndOverhang(m_bottom, false) });
        const int ovLeft = std::max({ 0, EndOverhang(m_top, true), EndOverhang(m_bottom, true) });
        top = std::max(top, ovTop);
        bottom = std::max(bottom, ovBottom);
        right = std::max(right, ovRight);
        left = std::max(left, ovLeft);

        const bool toolbarAlone = m_top.size() == 1 && dynamic_cast<TiPlotToolBar*>(m_top.front());
        m_toolbarOffset = toolbarAlone ? ovTop : 0;
        const int topInset = top + m_border + m_plot.OuterMarginTop() + m_toolbarOffset;
        const int bottomInset = bottom + m_border + m_plot.OuterMarginBottom();
        const int leftInset = left + m_border + m_plot.OuterMarginLeft();
        const int rightInset = right + m_border + m_plot.OuterMarginRight();
        m_dv = TRect(leftInset, topInset, m_plot.Width() - rightInset - 1, m_plot.Height() - bottomInset - 1);
    }

    // Walks a side from the data view outwards; Place gets each object with the position p at the
    // data view's side of its group and the group's thickness G.
    template <typename Place>
    void Stack(const SideList& List, bool FromLast, int Start, int Direction, Place place)
    {
        int p = Start;
        int g = 0;
        bool first = true;
        int lastZOrder = 0;
        const int n = static_cast<int>(List.size());
        for (int k = 0; k < n; ++k) {
            TiPlotLayoutObject* object = List[static_cast<std::size_t>(FromLast ? n - 1 - k : k)];
            if (IsCartesianAxis(object))
                continue;
            if (first || object->ZOrder() != lastZOrder) {
                if (!first)
                    p += Direction * g;
                g = GroupThickness(List, object->ZOrder());
                lastZOrder = object->ZOrder();
                first = false;
            }
            place(object, p, g);
        }
    }

    void StackSides()
    {
        Stack(m_left, true, m_dv.Left, -1, [](TiPlotLayoutObject* o, int p, int g) {
            const TRect r = o->DrawRect();
            SetSides(o, p - g, r.Top, p, r.Bottom);
        });
        Stack(m_right, false, m_dv.Right, 1, [](TiPlotLayoutObject* o, int p, int g) {
            const TRect r = o->DrawRect();
            SetSides(o, p, r.Top, p + g, r.Bottom);
        });
        bool offsetDone = false;
        Stack(m_top, false, m_dv.Top, -1, [&](TiPlotLayoutObject* o, int p, int g) {
            if (!offsetDone && !dynamic_cast<TiPlotAxis*>(o)) {
                offsetDone = true;
                m_topShift = m_toolbarOffset;
            }
            p -= m_topShift;
            if (dynamic_cast<TiPlotToolBar*>(o))
                SetVerticalSpan(o, m_border, o->GetRequiredWidth(m_canvas) + m_border);
            else
                SetVerticalSpan(o, p - g, p);
        });
        Stack(m_bottom, true, m_dv.Bottom, 1, [](TiPlotLayoutObject* o, int p, int g) { SetVerticalSpan(o, p, p + g); });
    }

    void SetSpans(TiPlotLayoutManager* Manager)
    {
        TiPlotDataView* view = m_plot.DataView(0);
        view->SetDrawRect(m_dv);
        const int w = m_dv.Right - m_dv.Left;
        const int h = m_dv.Bottom - m_dv.Top;
        const int width = m_plot.Width();
        for (int i = 0; i < Manager->Count(); ++i) {
            auto* object = dynamic_cast<TiPlotLayoutObject*>(Manager->Items(i));
            if (!object || dynamic_cast<TiPlotDataView*>(object) || dynamic_cast<TiPlotDataViewLayout*>(object))
                continue;
            const double start = object->StartPercent() / 100.0;
            const double stop = object->StopPercent() / 100.0;
            const bool spanKind = dynamic_cast<TiPlotLegend*>(object) || dynamic_cast<TiPlotTable*>(object)
                                  || dynamic_cast<TiPlotAxis*>(object);
            if (object->IsHorz()) {
                if (dynamic_cast<TiPlotToolBar*>(object)) {
                    const int inner = width - 2 * m_border;
                    SetHorizontalSpan(object, Rounded(start * inner) + m_border, Rounded(stop * inner) + m_border - 1);
                } else if (dynamic_cast<TiPlotLabel*>(object)) {
                    const int inner = width - m_border - m_plot.OuterMarginLeft() - m_plot.OuterMarginRight();
                    const int offset = m_border + m_plot.OuterMarginLeft();
                    SetHorizontalSpan(object, Rounded(start * inner) + offset, Rounded(stop * inner) + offset);
                } else if (spanKind) {
                    SetHorizontalSpan(object, m_dv.Left + Rounded(w * start), m_dv.Left + Rounded(w * stop));
                }
            } else if (spanKind || dynamic_cast<TiPlotLabel*>(object)) {
                SetVerticalSpan(object, m_dv.Bottom - Rounded(h * stop), m_dv.Bottom - Rounded(h * start));
            }
        }
    }

    template <typename Fn>
    void ForEachAxis(Fn fn)
    {
        for (int i = 0; i < m_plot.XAxisCount(); ++i)
            fn(static_cast<TiPlotAxis*>(m_plot.XAxis(i)));
        for (int i = 0; i < m_plot.YAxisCount(); ++i)
            fn(static_cast<TiPlotAxis*>(m_plot.YAxis(i)));
    }

    // Cartesian axes run through the data view: a master across its middle, a child at the pixel of
    // its reference value on the axis of the other direction.
    void PlaceCartesianAxes(TiPlotLayoutManager* Manager)
    {
        const TRect dv = m_plot.DataView(0)->DrawRect();
        for (int i = 0; i < Manager->Count(); ++i) {
            auto* axis = dynamic_cast<TiPlotAxis*>(Manager->Items(i));
            if (!axis || axis->CartesianStyle() != TiPlotCartesianStyle::ipcsMaster)
                continue;
            if (axis->IsHorz()) {
                const int y = (dv.Top + dv.Bottom) / 2;
                SetSides(axis, dv.Left, y, dv.Right, y);
            } else {
                const int x = (dv.Left + dv.Right) / 2;
                SetSides(axis, x, dv.Top, x, dv.Bottom);
            }
        }
        for (int i = 0; i < Manager->Count(); ++i) {
            auto* axis = dynamic_cast<TiPlotAxis*>(Manager->Items(i));
            if (!axis || axis->CartesianStyle() != TiPlotCartesianStyle::ipcsChild)
                continue;
            TiPlotAxis* reference = CartesianReference(axis);
            if (!reference) {
                SetSides(axis, 0, 0, 0, 0);
                continue;
            }
            const int line = reference->PositionToPixels(axis->CartesianChildRefValue());
            if (axis->IsHorz())
                SetSides(axis, dv.Left, line, dv.Right, line);
            else
                SetSides(axis, line, dv.Top, line, dv.Bottom);
        }
    }

    TiPlotAxis* CartesianReference(const TiPlotAxis* Axis) const
    {
        const QString& name = Axis->CartesianChildRefAxisName();
        if (dynamic_cast<const TiPlotXAxis*>(Axis))
            return m_plot.GetYAxisByName(name);
        return m_plot.GetXAxisByName(name);
    }

    void AlignAxes()
    {
        ForEachAxis([this](TiPlotAxis* axis) {
            TiPlotAxis* reference = dynamic_cast<TiPlotXAxis*>(axis)
                                        ? static_cast<TiPlotAxis*>(m_plot.GetXAxisByName(axis->AlignRefAxisName()))
                                        : static_cast<TiPlotAxis*>(m_plot.GetYAxisByName(axis->AlignRefAxisName()));
            if (!reference)
                return;
            const TRect r = reference->DrawRect();
            if (axis->IsHorz())
                SetHorizontalSpan(axis, r.Left, r.Right);
            else
                SetVerticalSpan(axis, r.Top, r.Bottom);
            axis->SetStartStacked(reference->StartStacked());
            axis->SetStopStacked(reference->StopStacked());
            axis->CalcScaleRect(m_canvas);
        });
    }

    void FitDataViewToScales()
    {
        int top = m_plot.Height();
        int bottom = 0;
        int left = m_plot.Width();
        int right = 0;
        const bool reversed = m_plot.XYAxesReverse();
        ForEachAxis([&](TiPlotAxis* axis) {
            axis->CalcScaleRect(m_canvas);
            const TRect s = axis->ScaleRect();
            const bool givesVertical = (dynamic_cast<TiPlotYAxis*>(axis) != nullptr) != reversed;
            if (givesVertical) {
                top = std::min(top, s.Top);
                bottom = std::max(bottom, s.Bottom);
            } else {
                left = std::min(left, s.Left);
                right = std::max(right, s.Right);
            }
        });
        m_plot.DataView(0)->SetDrawRect(TRect(left, top, right, bottom));
    }

    TiPlotComponent& m_plot;
    TCanvas* m_canvas;
    int m_border { 0 };
    int m_toolbarOffset { 0 };
    int m_topShift { 0 };
    TRect m_dv;
    SideList m_left, m_right, m_top, m_bottom;
};

// Removes the clip when a queued object's drawing ends, also when it raised.
struct ClipRelease
{
    TCanvas* canvas;
    ~ClipRelease() { canvas->SetClipRegion(std::nullopt); }
};

} // namespace

// ---------------------------------------------------------------- collision rectangles

void TiPlotComponent::ClearCollisionRects() { FAxesCollisionList.clear(); }

void TiPlotComponent::AddCollisionRect(const TRect& Rect) { FAxesCollisionList.push_back(Rect); }

bool TiPlotComponent::TryAddCollisionRect(const TRect& Rect)
{
    const TRect view = DataViewCount() > 0 ? DataView(0)->DrawRect() : TRect();
    for (const TRect& stored : FAxesCollisionList) {
        const bool meets = std::max(Rect.Left, stored.Left) < std::min(Rect.Right, stored.Right)
                           && std::max(Rect.Top, stored.Top) < std::min(Rect.Bottom, stored.Bottom);
        if (meets)
            return false;
        const bool inside = Rect.Left >= view.Left && Rect.Top >= view.Top && Rect.Right <= view.Right
                            && Rect.Bottom <= view.Bottom;
        if (!inside)
            return false;
    }
    FAxesCollisionList.push_back(Rect);
    return true;
}

// ---------------------------------------------------------------- layer queue

void TiPlotComponent::QueueLayerObject(const QString& Key, TiPlotObject* Object)
{
    // Before the equal keys: among equals the object queued first is drawn last, on top.
    const auto at = std::lower_bound(FLayerList.begin(), FLayerList.end(), Key, [](const auto& entry, const QString& key) {
        return entry.first.compare(key, Qt::CaseInsensitive) < 0;
    });
    FLayerList.insert(at, { Key, Object });
}

void TiPlotComponent::QueueLayeredObjects()
{
    FLayerList.clear();
    TiPlotDataView* view = DataView(0);
    for (int i = 0; i < LimitCount(); ++i)
        if (Limit(i)->IsAreaStyle())
            QueueLayerObject(Limit(i)->GetLayerString() + QLatin1Char('A'), Limit(i));
    QueueLayerObject(view->GetLayerString() + QLatin1Char('B'), view);
    for (int i = 0; i < LimitCount(); ++i)
        if (!Limit(i)->IsAreaStyle())
            QueueLayerObject(Limit(i)->GetLayerString() + QLatin1Char('C'), Limit(i));
    for (int i = 0; i < YAxisCount(); ++i)
        if (YAxis(i)->CartesianStyle() != TiPlotCartesianStyle::ipcsNone)
            QueueLayerObject(YAxis(i)->GetLayerString() + QLatin1Char('D'), YAxis(i));
    for (int i = 0; i < XAxisCount(); ++i)
        if (XAxis(i)->CartesianStyle() != TiPlotCartesianStyle::ipcsNone)
            QueueLayerObject(XAxis(i)->GetLayerString() + QLatin1Char('E'), XAxis(i));
    for (int i = 0; i < ChannelCount(); ++i)
        if (Channel(i)->CanDraw())
            QueueLayerObject(Channel(i)->GetLayerString() + QLatin1Char('F'), Channel(i));
    for (int i = 0; i < AnnotationCount(); ++i)
        QueueLayerObject(Annotation(i)->GetLayerString() + QLatin1Char('G'), Annotation(i));
}

// ---------------------------------------------------------------- the pass

void TiPlotComponent::BuildAllTicks(TCanvas* Canvas)
{
    for (int i = 0; i < XAxisCount(); ++i)
        XAxis(i)->BuildTicks(Canvas);
    for (int i = 0; i < YAxisCount(); ++i)
        YAxis(i)->BuildTicks(Canvas);
}

void TiPlotComponent::LayoutPass(TCanvas* Canvas) { ::LayoutPass(*this, Canvas).Run(); }

void TiPlotComponent::iPaintTo(TCanvas* Canvas)
{
    FPaintingActive = true;
    struct Done
    {
        bool& flag;
        ~Done() { flag = false; }
    } done { FPaintingActive };
    if (ToolBarCount() == 0 || LegendCount() == 0 || DataViewCount() == 0)
        return;
    TiPlotDataView* view = DataView(0);
    const TColor layerColor = view->BackgroundTransparent() ? BackGroundColor() : view->BackgroundColor();
    ClearCollisionRects();
    FLayerList.clear();
    UpdateDataCursors();

    BuildAllTicks(Canvas);
    LayoutPass(Canvas);
    LayoutPass(Canvas); // the second pass sees the tick labels placed by the first
    BuildAllTicks(Canvas);
    for (int i = 0; i < ChannelCount(); ++i)
        Channel(i)->PrepareDraw();
    for (int i = 0; i < XAxisCount(); ++i)
        XAxis(i)->PrepareDraw();
    for (int i = 0; i < YAxisCount(); ++i)
        YAxis(i)->PrepareDraw();
    for (int i = 0; i < AnnotationCount(); ++i) {
        Annotation(i)->SetXYAxesReversed(FMaster->XYAxesReverse());
        Annotation(i)->SetDataView(view);
    }
    for (int i = 0; i < DataCursorCount(); ++i)
        DataCursor(i)->SetDataView(view);

    PaintBackground(Canvas);
    view->DrawBackground(Canvas);
    QueueLayeredObjects();
    const TRect clip(view->DrawRect().Left, view->DrawRect().Top, view->DrawRect().Right + 1,
                     view->DrawRect().Bottom + 1);
    for (const auto& entry : FLayerList) {
        Canvas->IntersectClipRect(clip);
        ClipRelease release { Canvas };
        entry.second->Draw(Canvas, layerColor);
    }
    view->DrawZoomBox(Canvas);
    DrawFrameObjects(Canvas);
    for (int i = 0; i < DataCursorCount(); ++i)
        DataCursor(i)->Draw(Canvas, layerColor);
    for (int i = 0; i < LegendCount(); ++i)
        Legend(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < TableCount(); ++i)
        Table(i)->Draw(Canvas, BackGroundColor());
    DrawHint(Canvas);
    FPaintingActive = false;
    if (OnAfterPaint)
        OnAfterPaint(this);
}

// Cursors take their values before the legend is laid out; the legend lists every channel while
// a visible all-channels cursor asks it to.
void TiPlotComponent::UpdateDataCursors()
{
    TiPlotLegend* legend = Legend(0);
    legend->SetCursorAllChannels(false);
    for (int i = 0; i < DataCursorCount(); ++i) {
        TiPlotDataCursor* cursor = DataCursor(i);
        cursor->UpdateValues();
        if (cursor->Visible() && cursor->IsAllChannels() && cursor->ChannelShowAllInLegend())
            legend->SetCursorAllChannels(true);
    }
}

void TiPlotComponent::PaintBackground(TCanvas* Canvas)
{
    if (!FBackGroundGradientEnabled || FTransparent) {
        DrawBackGround(Canvas, BackGroundColor());
        return;
    }
    FBackGroundChanged = false;
    Canvas->SetClipRegion(std::nullopt);
    Canvas->IntersectClipRect(TRect(0, 0, Width(), Height()));
    iDrawGradient(Canvas, TRect(0, 0, Width(), Height()), FBackGroundGradientDirection, FBackGroundGradientStartColor,
                  FBackGroundGradientStopColor);
    Canvas->SetClipRegion(std::nullopt);
}

void TiPlotComponent::DrawFrameObjects(TCanvas* Canvas)
{
    Canvas->Brush()->SetColor(BackGroundColor());
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    DrawBorder(Canvas);
    for (int i = 0; i < XAxisCount(); ++i)
        if (XAxis(i)->CartesianStyle() == TiPlotCartesianStyle::ipcsNone)
            XAxis(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < YAxisCount(); ++i)
        if (YAxis(i)->CartesianStyle() == TiPlotCartesianStyle::ipcsNone)
            YAxis(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < LabelCount(); ++i)
        Label(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < ToolBarCount(); ++i)
        ToolBar(i)->Draw(Canvas, BackGroundColor());
}

void TiPlotComponent::DrawHint(TCanvas* Canvas)
{
    FHintShowing = false;
    if (!FHintData.Visible)
        return;
    Canvas->Font()->Assign(FHintsFont.get());
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->Pen()->SetStyle(TPenStyle::psClear);
    const TRect box(FHintData.Left, FHintData.Top, FHintData.Left + FHintData.Width, FHintData.Top + FHintData.Height);
    Canvas->Rectangle(box);
    TRect textRect;
    iDrawRotatedText(Canvas, FHintData.Text, box, textRect, clBtnFace, true, TiAlignmentHorizontal::iahCenter,
                     TiRotationAngle::ira000);
    FHintShowing = true;
}
