#pragma once
// What the decorations need of the plot that owns them: the plot itself, its select mode and
// tracking, the index of an object among its kind, and the data view's percent <-> pixel mapping.

#include "plot/iPlotObjects.h"

class TiPlotComponent;
class TiPlotToolBar;
class TiPlotDataView;
class TiPlotObjectManagerCustom;

namespace iplot {

// The plot that owns Object (nullptr while it sits on another control).
TiPlotComponent* PlotOf(const TiPlotObject* Object);
// True when Object's plot may fire events now (not while it loads from a stream).
bool CanFire(const TiPlotObject* Object);
// Index of Object in Manager (-1 without one).
int IndexIn(const TiPlotObjectManagerCustom* Manager, const TiPlotObject* Object);
// Toolbar 0 of Object's plot, if any.
TiPlotToolBar* FirstToolBar(const TiPlotObject* Object);
// The plot's select mode: the Down state of toolbar 0's Select button.
bool SelectActive(const TiPlotObject* Object);
// Brings toolbar 0's Select button into step with Value (a click only when it differs).
void SetSelectActive(const TiPlotObject* Object, bool Value);
// Switches tracking on or off on every X and Y axis of the plot.
void SetAllTracking(const TiPlotObject* Object, bool Enabled);
// True when the owner is a strip-chart plot.
bool IsStripChart(const TiPlotObject* Object);
// Fires the plot's click dispatch for Object (click or double click).
void ObjectClick(TiPlotObject* Object, bool DblClickActive);

// The data view's conversions between its draw rectangle and percentages (0 at the left and
// bottom edges); an empty rectangle maps every percentage to its left (bottom) edge and back to 0.
int PercentToPixelsX(const TiPlotLayoutObject& View, double Percent);
int PercentToPixelsY(const TiPlotLayoutObject& View, double Percent);
double PixelsXToPercent(const TiPlotLayoutObject& View, int X);
double PixelsYToPercent(const TiPlotLayoutObject& View, int Y);

} // namespace iplot

namespace vcl {
class TCanvas;
class TImageList;
}

namespace iplot {

// Draws picture Index of List with its top-left at (X, Y), pixels of MaskColor left out (none when
// MaskColor is clNone); a disabled picture is drawn greyed: its dark pixels in the button-shadow
// colour, the others left out.
void DrawListImage(vcl::TCanvas* Canvas, const vcl::TImageList* List, int Index, int X, int Y, bool Enabled,
                   vcl::TColor MaskColor);

} // namespace iplot
