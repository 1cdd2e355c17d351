#pragma once
// Typed entries of the compressor and gate boxes onto their faders.

#include <string>

class TAdvTrackBar;
class TCurvyEdit;

namespace editors {

// Puts the box's caret at its end, as pressing End does.
void CaretToEnd(TCurvyEdit& edit);

// A typed threshold (half-dB steps) or time (ms, one more than the fader position) onto its fader.
// The box then shows the fader's value; an entry that changed nothing leaves the caret at the end.
void FaderEntry(TCurvyEdit& edit, TAdvTrackBar& fader, const std::string& text, bool threshold);

} // namespace editors
