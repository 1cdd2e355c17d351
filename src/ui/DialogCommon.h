#pragma once
// Helpers the small dialogs share: SID_ texts, typed text as device bytes, control creation and the
// Enter-performs-OK rule of edit boxes.

#include <QString>

#include <cstddef>
#include <string>

namespace rz { class TRzBmpButton; }
namespace vcl {
class TEdit;
class TLabel;
class TWinControl;
class TComponent;
}

namespace DialogCommon {

// The text of a SID_ key in the current language (a key the look-up lacks gives its English stand-in).
QString Sid(const char* key);
// Typed text in the device's 8-bit code page, unchanged otherwise.
std::string Ansi(const QString& text);
// bytes cut to n and filled up to n with fill.
std::string Fixed(const std::string& bytes, std::size_t n, char fill);
QString FromAnsi(const std::string& bytes);
// text without its trailing CR and blank characters.
QString TrimTrailing(const QString& text);

rz::TRzBmpButton* NewButton(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, const QString& caption,
                        int left, int top, int width = 75, int height = 25);
vcl::TLabel* NewLabel(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, const QString& caption,
                      int left, int top);
vcl::TEdit* NewEdit(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, const QString& text,
                    int maxLength, int left, int top, int width);
// Enter (key code 13) in the edit box performs a click on the button.
void EnterClicks(vcl::TEdit* edit, rz::TRzBmpButton* button);
// Every letter typed into the box becomes upper case.
void ForceUpperCase(vcl::TEdit* edit);
// Gives the box the focus (when it can take it) and selects its whole text.
void FocusAndSelect(vcl::TEdit* edit);

} // namespace DialogCommon
