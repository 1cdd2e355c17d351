#pragma once
// The fader's drag hint: a small topmost window that shows the value while the thumb is dragged.

#include "platform/core/TColor.h"
#include "platform/core/Types.h"
#include "platform/ui/TFont.h"

#include <QString>
#include <QWidget>

class TTrackHintWindow : public QWidget
{
public:
    TTrackHintWindow();
    ~TTrackHintWindow() override;

    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor value);
    vcl::TFont* Font() { return &FFont; }
    const QString& Caption() const { return FCaption; }
    // A changed caption repaints the window.
    void SetCaption(const QString& value);

    // Sets the caption, sizes the window to it (+16 wide, +4 high) from Rect's top-left corner,
    // keeps it 2 pixels inside the nearest screen's right and bottom edges, and shows it on top
    // without taking the focus.
    void ActivateHint(const vcl::TRect& Rect, const QString& Text);
    // (0, 0, width, height) of the caption in the window's font.
    vcl::TRect CalcHintRect(int MaxWidth, const QString& Text) const;
    // Hides the window (the fader releases it after a drag).
    void ReleaseHandle();
    // The bounds ActivateHint chose last, in screen pixels.
    const vcl::TRect& HintBounds() const { return FBounds; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    vcl::TColor FColor { vcl::clInfoBk };
    vcl::TFont FFont;
    QString FCaption;
    vcl::TRect FBounds;
    int FTextHeight { 0 };
    int FTextWidth { 0 };
};
