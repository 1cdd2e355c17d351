#include "plot/iGPGeometry.h"

#include "platform/core/Exception.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/TPrinter.h"
#include "platform/ui/TWinControl.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <utility>

using namespace vcl;

TRect iRectFromPoints(int X1, int Y1, int X2, int Y2)
{
    return TRect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
}

TRect iOrientedRect(bool Reverse, int X1, int Y1, int X2, int Y2)
{
    return Reverse ? iRectFromPoints(Y1, X1, Y2, X2) : iRectFromPoints(X1, Y1, X2, Y2);
}

TPoint iOrientedPoint(bool Reverse, int X, int Y) { return Reverse ? TPoint(Y, X) : TPoint(X, Y); }

TPoint iOrientedPoint2(bool Reverse, int X, int Y) { return iOrientedPoint(Reverse, X, Y); }

TiDoublePoint iDoublePoint(double X, double Y) { return TiDoublePoint { X, Y }; }

void iSwapInteger(int& A, int& B) { std::swap(A, B); }

bool iShiftDown() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); }

bool iCtrlDown() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }

void iSetFocus(TWinControl* Control)
{
    if (Control)
        Control->SetFocus();
}

TWinControl* iGetOwnerForm(TComponent* Component)
{
    TWinControl* topmost = nullptr;
    for (TComponent* c = Component ? Component->Owner() : nullptr; c; c = c->Owner()) {
        if (auto* form = dynamic_cast<TForm*>(c))
            return form;
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            topmost = windowed;
    }
    return topmost;
}

double iMillimetersToInches(double Value) { return Value / 10.0 / 2.54; }

namespace {

struct PaperSize
{
    double width;
    double height;
    bool metric; // millimetres, else inches
};

// Printer paper codes 1 to 68; the two reserved codes 48 and 49 are 0 x 0 and fall back to Letter.
constexpr std::array<PaperSize, 68> kPaperSizes { {
    { 8.5, 11, false },     { 8.5, 11, false },     { 11, 17, false },       { 17, 11, false },
    { 8.5, 14, false },     { 5.5, 8.5, false },    { 7.25, 10.5, false },   { 297, 420, true },
    { 210, 297, true },     { 210, 297, true },     { 148, 210, true },      { 250, 354, true },
    { 182, 257, true },     { 8.5, 13, false },     { 215, 275, true },      { 10, 14, false },
    { 11, 17, false },      { 8.5, 11, false },     { 3.875, 8.875, false }, { 4.125, 9.5, false },
    { 4.5, 10.375, false }, { 4.75, 11, false },    { 5, 11.5, false },      { 17, 22, false },
    { 22, 34, false },      { 34, 44, false },      { 110, 220, true },      { 162, 229, true },
    { 324, 458, true },     { 229, 324, true },     { 114, 162, true },      { 114, 229, true },
    { 250, 353, true },     { 176, 250, true },     { 176, 125, true },      { 110, 230, true },
    { 3.875, 7.5, false },  { 3.625, 6.5, false },  { 14.875, 11, false },   { 8.5, 12, false },
    { 8.5, 13, false },     { 250, 353, true },     { 100, 148, true },      { 9, 11, false },
    { 10, 11, false },      { 15, 11, false },      { 220, 220, true },      { 0, 0, false },
    { 0, 0, false },        { 9.5, 12, false },     { 9.5, 15, false },      { 11.69, 18, false },
    { 9.27, 12.69, false }, { 8.5, 11, false },     { 210, 297, true },      { 9.5, 12, false },
    { 227, 356, true },     { 305, 487, true },     { 8.5, 12.69, false },   { 210, 330, true },
    { 148, 210, true },     { 182, 257, true },     { 322, 445, true },      { 174, 235, true },
    { 201, 276, true },     { 420, 594, true },     { 297, 420, true },      { 322, 445, true },
} };

} // namespace

void iGetPaperSizeInches(int PaperCode, double& Width, double& Height)
{
    Width = 8.5;
    Height = 11.0;
    if (PaperCode < 1 || PaperCode > static_cast<int>(kPaperSizes.size()))
        return;
    const PaperSize& size = kPaperSizes[static_cast<std::size_t>(PaperCode - 1)];
    if (size.width <= 0)
        return;
    Width = size.metric ? iMillimetersToInches(size.width) : size.width;
    Height = size.metric ? iMillimetersToInches(size.height) : size.height;
}

void iSetActivePageIndex(TPageControl* PageControl, int Index)
{
    if (PageControl && Index < PageControl->PageCount())
        PageControl->SetActivePageIndex(Index);
}

int iGetActivePageIndex(const TPageControl* PageControl)
{
    return PageControl ? PageControl->ActivePageIndex() : -1;
}

int iPaperCodeOf(const QPageSize& Paper)
{
    static const std::pair<QPageSize::PageSizeId, int> codes[] {
        { QPageSize::Letter, 1 },           { QPageSize::LetterSmall, 2 },     { QPageSize::Tabloid, 3 },
        { QPageSize::Ledger, 4 },           { QPageSize::Legal, 5 },           { QPageSize::Statement, 6 },
        { QPageSize::Executive, 7 },        { QPageSize::A3, 8 },              { QPageSize::A4, 9 },
        { QPageSize::A4Small, 10 },         { QPageSize::A5, 11 },             { QPageSize::B4, 12 },
        { QPageSize::JisB5, 13 },           { QPageSize::Folio, 14 },          { QPageSize::Quarto, 15 },
        { QPageSize::Imperial10x14, 16 },   { QPageSize::Note, 18 },           { QPageSize::Envelope9, 19 },
        { QPageSize::Comm10E, 20 },         { QPageSize::Envelope11, 21 },     { QPageSize::Envelope12, 22 },
        { QPageSize::Envelope14, 23 },      { QPageSize::AnsiC, 24 },          { QPageSize::AnsiD, 25 },
        { QPageSize::AnsiE, 26 },           { QPageSize::DLE, 27 },            { QPageSize::C5E, 28 },
        { QPageSize::EnvelopeC3, 29 },      { QPageSize::EnvelopeC4, 30 },     { QPageSize::EnvelopeC6, 31 },
        { QPageSize::EnvelopeC65, 32 },     { QPageSize::EnvelopeB4, 33 },     { QPageSize::EnvelopeB5, 34 },
        { QPageSize::EnvelopeB6, 35 },      { QPageSize::EnvelopeItalian, 36 }, { QPageSize::EnvelopeMonarch, 37 },
        { QPageSize::EnvelopePersonal, 38 }, { QPageSize::FanFoldUS, 39 },     { QPageSize::FanFoldGerman, 40 },
        { QPageSize::FanFoldGermanLegal, 41 }, { QPageSize::Postcard, 43 },    { QPageSize::Imperial9x11, 44 },
        { QPageSize::Imperial10x11, 45 },   { QPageSize::Imperial15x11, 46 },  { QPageSize::LetterExtra, 50 },
        { QPageSize::LegalExtra, 51 },      { QPageSize::TabloidExtra, 52 },   { QPageSize::A4Extra, 53 },
        { QPageSize::SuperA, 57 },          { QPageSize::SuperB, 58 },         { QPageSize::LetterPlus, 59 },
        { QPageSize::A4Plus, 60 },          { QPageSize::A3Extra, 63 },        { QPageSize::A5Extra, 64 },
        { QPageSize::B5Extra, 65 },         { QPageSize::A2, 66 },
    };
    for (const auto& [id, code] : codes)
        if (Paper.id() == id)
            return code;
    return 0;
}

void iGetPrinterPageSizeInches(double& Width, double& Height)
{
    TPrinter* printer = Printer();
    std::optional<TPrinterDeviceMode> mode = printer->DeviceMode();
    if (!mode) {
        printer->SetPrinterIndex(printer->PrinterIndex());
        mode = printer->DeviceMode();
    }
    if (!mode)
        throw Exception(QStringLiteral("Could not initialize printer DeviceMode Structure"));
    if (const int code = iPaperCodeOf(mode->Paper)) {
        iGetPaperSizeInches(code, Width, Height);
    } else {
        // A paper the code table does not know keeps its own size rather than passing for Letter.
        const QSizeF inches = mode->Paper.size(QPageSize::Inch);
        Width = inches.width();
        Height = inches.height();
    }
    if (mode->Orientation == TPaperOrientation::poLandscape)
        std::swap(Width, Height);
}
