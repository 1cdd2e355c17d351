#pragma once
// Conversions between the device's index grids (frequency, Q, PEQ gain, delay) and user values.

#include <string_view>

// 1000 * 2^((index - 170) / 30) Hz; defined for any index.
double IndexToFreq(int index);
// Nearest grid index for hz > 0; an exact half keeps the lower index. Not clamped.
int FreqToIndex(double hz);
// Q index counting down from 100 (q = 128); rounded half up at the first decimal. Not clamped.
int QToIndex(double q);
// Formula Q of an index, carrying two decimals (not the inverse of QToIndex).
double IndexToQ(int index);
// trunc(db * 10) + 120.
int GainToIndex(double db);
// (index - 120) * 0.1 dB.
long double IndexToGain(int index);
// Samples at 96 kHz for a value in ms (unit 0), metres (1) or feet (2); truncated toward zero.
int DelayToSamples(double value, int unit);
// True when every character is a digit or '.'; does not check the form (the empty text passes).
bool IsNumberText(std::string_view text);
