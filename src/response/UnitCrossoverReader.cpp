#include "response/UnitCrossoverReader.h"

#include "device/LUnitControl.h"

CrossoverRecord UnitCrossoverReader::GetHpLp(int channel) const
{
    const HpLpParams p = m_model.GetHpLp(channel);
    return CrossoverRecord { p.HpFreq, p.LpFreq, p.HpSlope, p.LpSlope };
}
