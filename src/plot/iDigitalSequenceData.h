#pragma once
// Start, stop and transition of one segment of a digital strip-chart trace.

#include "platform/core/TObject.h"

class TDigitalSequenceData : public vcl::TObject
{
public:
    bool StartSet { false };
    double StartXValue { 0 };
    bool StartYValue { false };
    bool StopSet { false };
    double StopXValue { 0 };
    bool TransitionSet { false };
    double TransitionXValue { 0 };

    void Clear()
    {
        StartSet = false;
        StopSet = false;
        TransitionSet = false;
    }
};
