#pragma once
// Compact PEQ band editor: up to 15 rows of frequency, Q and gain fields with up-downs, a list of
// three filter types and a bypass box; the up-down positions are the band values.

#include "platform/ui/TGroupBox.h"

#include <array>

namespace vcl {
class TLabel;
class TEdit;
class TUpDown;
class TComboBox;
class TCheckBox;
}

class TMyPEQ : public vcl::TGroupBox
{
public:
    static constexpr int MaxRows = 15;

    explicit TMyPEQ(vcl::TComponent* AOwner);
    ~TMyPEQ() override;

    double GetFreqValue(int band) const;  // Hz
    double GetQValue(int band) const;     // from the Q table
    double GetGainValue(int band) const;  // dB, half-dB steps
    int GetTypeValue(int band) const;     // 0 Peak, 1 Low Shelf, 2 High Shelf, -1 none
    bool GetBypassValue(int band) const;

    // Each writes one value of a band and its text, then Change; SetQValue takes a Q index and
    // does not notify. A band outside 0..14 is ignored.
    void SetFreqValue(int band, float hz);
    void SetQValue(int band, float index);
    void SetGainValue(int band, float db);
    void SetTypeValue(int band, int type);
    void SetBypassValue(int band, bool on);
    void SetColor(int band, vcl::TColor colour);

    int GetChannelNumber() const { return m_channelNumber; }
    // Capped to 0..15; the rows follow at the next change of size.
    void SetChannelNumber(int n);

    // Fills every row's type list (again) and selects Low Shelf; runs once at construction, in
    // place of the window being created.
    virtual void CreateWnd();
    // Lays the rows out again when the size changed since the last layout.
    void RePaint();

    vcl::TNotifyEvent OnChange;

    // Child controls, for the form and for tests.
    vcl::TEdit* FreqEdit(int row) const { return m_freqEdits[static_cast<std::size_t>(row)]; }
    vcl::TEdit* QEdit(int row) const { return m_qEdits[static_cast<std::size_t>(row)]; }
    vcl::TEdit* GainEdit(int row) const { return m_gainEdits[static_cast<std::size_t>(row)]; }
    vcl::TUpDown* FreqUpDown(int row) const { return m_freqUpDowns[static_cast<std::size_t>(row)]; }
    vcl::TUpDown* QUpDown(int row) const { return m_qUpDowns[static_cast<std::size_t>(row)]; }
    vcl::TUpDown* GainUpDown(int row) const { return m_gainUpDowns[static_cast<std::size_t>(row)]; }
    vcl::TComboBox* TypeCombo(int row) const { return m_typeCombos[static_cast<std::size_t>(row)]; }
    vcl::TCheckBox* BypassBox(int row) const { return m_bypassBoxes[static_cast<std::size_t>(row)]; }
    vcl::TLabel* NumberLabel(int row) const { return m_numberLabels[static_cast<std::size_t>(row)]; }

protected:
    virtual void Change();
    void Paint() override;
    void Resize() override;

private:
    static bool ValidBand(int band) { return band >= 0 && band < MaxRows; }
    void Layout(bool again);
    void ShowFreq(int row);
    void ShowQ(int row);
    void ShowGain(int row);
    void Refuse(vcl::TEdit* edit, const QString& text);

    void FrequencyCommit(int row);
    void QfactorCommit(int row);
    void GainCommit(int row);
    void UpDownClick(vcl::TObject* Sender);

    std::array<vcl::TLabel*, 5> m_titleLabels {};
    std::array<vcl::TEdit*, MaxRows> m_freqEdits {};
    std::array<vcl::TEdit*, MaxRows> m_gainEdits {};
    std::array<vcl::TEdit*, MaxRows> m_qEdits {};
    std::array<vcl::TLabel*, MaxRows> m_numberLabels {};
    std::array<vcl::TUpDown*, MaxRows> m_freqUpDowns {};
    std::array<vcl::TUpDown*, MaxRows> m_gainUpDowns {};
    std::array<vcl::TUpDown*, MaxRows> m_qUpDowns {};
    std::array<vcl::TComboBox*, MaxRows> m_typeCombos {};
    std::array<vcl::TCheckBox*, MaxRows> m_bypassBoxes {};
    int m_channelNumber { MaxRows };
    int m_layoutWidth { 0 };
    int m_layoutHeight { 0 };
};
