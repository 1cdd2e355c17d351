#pragma once
// Small geometry, keyboard, focus, owner-form, page-control and paper-size routines of the plot library.

#include "platform/core/Types.h"

#include <QPageSize>

namespace vcl {
class TComponent;
class TPageControl;
class TWinControl;
}

struct TiDoublePoint
{
    double X { 0.0 };
    double Y { 0.0 };
};

vcl::TRect iRectFromPoints(int X1, int Y1, int X2, int Y2);
// The rectangle of the two corners, X and Y exchanged when Reverse (the plot's reversed axes).
vcl::TRect iOrientedRect(bool Reverse, int X1, int Y1, int X2, int Y2);
vcl::TPoint iOrientedPoint(bool Reverse, int X, int Y);
vcl::TPoint iOrientedPoint2(bool Reverse, int X, int Y);
TiDoublePoint iDoublePoint(double X, double Y);
void iSwapInteger(int& A, int& B);

bool iShiftDown();
bool iCtrlDown();
void iSetFocus(vcl::TWinControl* Control);

// The first form up the Owner chain; without one the topmost windowed control met on the way;
// nullptr when neither.
vcl::TWinControl* iGetOwnerForm(vcl::TComponent* Component);

double iMillimetersToInches(double Value);
// The size of a printer paper code (1 to 68); every other code gives Letter, 8.5 x 11 inches.
void iGetPaperSizeInches(int PaperCode, double& Width, double& Height);

// Shows page Index when Index is below the page count (a negative Index shows none); a larger
// Index changes nothing.
void iSetActivePageIndex(vcl::TPageControl* PageControl, int Index);
// The index of the page shown, -1 when none is.
int iGetActivePageIndex(const vcl::TPageControl* PageControl);

// The printer paper code of a paper size, 0 for a paper without one.
int iPaperCodeOf(const QPageSize& Paper);
// The current printer's paper in inches, exchanged for landscape. A paper without a code gives its
// own size. Raises "Could not initialize printer DeviceMode Structure" when the printer has no set-up.
void iGetPrinterPageSizeInches(double& Width, double& Height);
