#pragma once
// Text rules of the PEQ band editors: value texts, typed-entry parsing and the frequency grid.

#include <QString>

#include <optional>

// Index 0..300 of the 1/30-octave grid nearest to value (in kHz when inKHz); an exact half keeps
// the lower index. Zero, negative and NaN values give index 0.
int FreqToIndexClamped(double value, bool inKHz);

// Grid position (index - 170) of hz as the band editors' setters place it: x rounded to three
// significant digits, moved one step away from zero when its first decimal is above 5, then
// truncated. A frequency from IndexToFreq gives back its own position; hz that has no logarithm
// (zero, negative, NaN) gives the lowest grid position, -170.
int PeqGridPosition(double hz);

// "1.00KHz" from 1000 Hz upwards, "977.2Hz" below.
QString PeqFreqText(double hz);
// The Q of a Q index (clamped to 0..100) to three significant digits, two decimals: "0.40", "128.00".
QString PeqQText(int qIndex);
double PeqQValue(int qIndex);
// Shortest text of up to 15 significant digits and "dB": "0dB", "-3.4dB".
QString PeqGainText(double db);

// Typed entry of the band editor: the stored value, or nothing when the text is refused.
// Frequency: grid index 0..300; accepts an Hz and a k suffix and a ',' (read as the end).
std::optional<int> ParsePeqFreqEntry(QString text);
// Q index 0..100 for a Q clamped to 0.4..128.
std::optional<int> ParsePeqQEntry(QString text);
// Gain in tenths of a dB, -120..120; one decimal kept; accepts a dB suffix.
std::optional<int> ParsePeqGainEntry(QString text);

// Typed entry of the simple editor (digits and points only, gain in half-dB steps).
std::optional<int> ParseSimpleFreqEntry(QString text); // grid index 0..300
std::optional<int> ParseSimpleQEntry(QString text);    // Q index 0..100
std::optional<int> ParseSimpleGainEntry(QString text); // half-dB steps -24..24
