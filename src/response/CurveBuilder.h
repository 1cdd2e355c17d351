#pragma once
// Turns one channel's PEQ bands and crossover settings into the sections, markers and total of its Plot.

#include "response/CurveReaders.h"

class Plot;

// Sections 0..n-1 from the band editor's n bands (at most 9), their markers, then the channel total.
// A bypassed band, or one whose type is not a known EqType, is flat; its marker stays at its gain.
void BuildPeqCurve(Plot& plot, int channel, const PeqBandReader& editor);

// The high-pass (low-pass) total of the channel from the model's crossover record, then the channel total.
void BuildHpCurve(Plot& plot, int channel, const CrossoverReader& model);
void BuildLpCurve(Plot& plot, int channel, const CrossoverReader& model);

// One crossover total with its cut-off marker: stages in sections firstSection+3..+7, the total in
// firstSection (high-pass) or firstSection+1 (low-pass). Every caller passes 10; a firstSection whose
// sections would not fit is ignored. A slope code outside 0..20 builds as bypass. Does not redraw the
// channel total: callers follow it with Plot::DrawSum.
void BuildHpLpCurve(Plot& plot, bool highPass, int slopeCode, double freqHz, int firstSection);
