#pragma once
// The colour and font dialogs behind one seam each: tests install an answer and nothing is shown.

#include "platform/core/TColor.h"

#include <functional>
#include <optional>

namespace vcl {

class TFont;

// The chosen RGB colour, or nothing for Cancel. Initial is an RGB colour.
using TColorDialogHandler = std::function<std::optional<TColor>(TColor Initial)>;
// Fills Font with the choice and returns true, or returns false for Cancel and leaves Font alone.
using TFontDialogHandler = std::function<bool(TFont& Font)>;

class TColorDialogSeam
{
public:
    explicit TColorDialogSeam(TColorDialogHandler handler);
    ~TColorDialogSeam();
    TColorDialogSeam(const TColorDialogSeam&) = delete;
    TColorDialogSeam& operator=(const TColorDialogSeam&) = delete;

private:
    TColorDialogHandler m_previous;
};

class TFontDialogSeam
{
public:
    explicit TFontDialogSeam(TFontDialogHandler handler);
    ~TFontDialogSeam();
    TFontDialogSeam(const TFontDialogSeam&) = delete;
    TFontDialogSeam& operator=(const TFontDialogSeam&) = delete;

private:
    TFontDialogHandler m_previous;
};

// The system colour dialog (or the seam's answer).
std::optional<TColor> RunColorDialog(TColor Initial);
// The system font dialog (or the seam's answer), started from Font and writing the choice into it.
bool RunFontDialog(TFont& Font);

} // namespace vcl
