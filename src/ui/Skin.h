#pragma once
// The window skin: the generated pictures decoded once, and the faces and colours each kind of
// control takes from them.

#include "platform/core/TColor.h"
#include "ui/SkinPalette.h"

#include <QByteArray>

class QWidget;

namespace rz {
class TRzBmpButton;
class TRzComboBox;
}
namespace vr {
class TVrDemoButton;
class TVrPowerButton;
}
namespace vcl {
class TBitmap;
class TButton;
}

namespace skin {

// The lamp colour a latched button lights up in.
enum class Lamp { Green, Red, Amber, Blue };

inline constexpr vcl::TColor Colour(Rgb c)
{
    return vcl::RGB(c.r, c.g, c.b);
}
Rgb RgbOf(vcl::TColor c);

// The PNG file of a picture; empty for a name the skin lacks.
QByteArray PictureFile(const char* name);
// The decoded picture, kept for the program's life; empty for a name the skin lacks.
const vcl::TBitmap& Picture(const char* name);

// Up, hot, pressed, latched and disabled faces stretched to the button; the caption stays readable
// on them.
void DressButton(rz::TRzBmpButton& button, Lamp lamp = Lamp::Green);
// The page bar's buttons: the latched face marks the shown page.
void DressPageButton(rz::TRzBmpButton& button);
// The mean colour of the middle of a face picture, what its caption is read against.
Rgb FaceColour(const char* name);

// A lamp button on a dark face with light text; its lamp lights in the given colour.
void DressPowerButton(vr::TVrPowerButton& button, Rgb lamp);
// A plain push button on a dark face with light text, brighter under the mouse.
void DressDemoButton(vr::TVrDemoButton& button);
// A drop-down list as a dark value field with light text.
void DressCombo(rz::TRzComboBox& combo);
// The narrow face value boxes use, so their longest values fit.
inline constexpr const char* ValueFont = "Arial Narrow";

// The window's menu bar in the bar colour with light text.
void DressMenuBar(QWidget& form);

// A radio button's ring: a light disc on the dark box, its dot in the caption's colour, so both the
// chosen and the other choice show at a glance.
void DressRadio(QWidget& radio);
// Up-down arrows in the light text on a button face.
void DressUpDown(QWidget& upDown);
// The link button: lit green with its caption when the device is on line, dark red when off line.
void ShowLinkState(vcl::TButton& button, bool online);

} // namespace skin
