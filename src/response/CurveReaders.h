#pragma once
// What the curve builders read: one channel's PEQ bands (from its band editor) and crossover (from the model).

// The band editor of one channel, as the PEQ curve builder reads it.
class PeqBandReader
{
public:
    virtual ~PeqBandReader() = default;

    // Number of bands in use (8 on an input, 9 on an output).
    virtual int GetChannelNumber() const = 0;
    virtual double GetFreqValue(int band) const = 0; // Hz
    virtual double GetGainValue(int band) const = 0; // dB
    virtual double GetQValue(int band) const = 0;
    // EqType 0..6; -1 when no type is selected.
    virtual int GetTypeValue(int band) const = 0;
    virtual bool GetBypassValue(int band) const = 0;

protected:
    PeqBandReader() = default;
    PeqBandReader(const PeqBandReader&) = default;
    PeqBandReader& operator=(const PeqBandReader&) = default;
};

// One channel's crossover as the model stores it: frequency indices on the 1/30-octave grid and slope
// codes (0 bypass, 1..20).
struct CrossoverRecord
{
    int hpFreqIndex { 0 };
    int lpFreqIndex { 0 };
    int hpSlope { 0 };
    int lpSlope { 0 };
};

// The device model, as the crossover curve builders read it.
class CrossoverReader
{
public:
    virtual ~CrossoverReader() = default;

    virtual CrossoverRecord GetHpLp(int channel) const = 0;

protected:
    CrossoverReader() = default;
    CrossoverReader(const CrossoverReader&) = default;
    CrossoverReader& operator=(const CrossoverReader&) = default;
};
