#pragma once
// Reads the crossover curve builders' input straight from the device model.

#include "response/CurveReaders.h"

class LUnitControl;

class UnitCrossoverReader : public CrossoverReader
{
public:
    explicit UnitCrossoverReader(const LUnitControl& model)
        : m_model(model)
    {
    }

    CrossoverRecord GetHpLp(int channel) const override;

private:
    const LUnitControl& m_model;
};
