#pragma once
// Chooses the device's signal source: analog inputs, pink or white noise, or a sine tone.

#include "platform/ui/TForm.h"

namespace rz { class TRzBmpButton; }
namespace vcl {
class TComboBox;
class TGroupBox;
class TRadioButton;
}

class TfmTest : public vcl::TForm
{
public:
    explicit TfmTest(vcl::TComponent* owner);
    ~TfmTest() override;

    // The four radio buttons; Tag is the test-signal mode.
    void rbAnalogInClick(vcl::TObject* Sender);
    void cbSineFreqSelect(vcl::TObject* Sender);
    void bnExitClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);
    // Checks the source of mode 0..3 and, for the sine wave, picks frequency item sineIndex; a mode or
    // item out of range leaves that choice as it is.
    void ShowWorkMode(int mode, int sineIndex);

    vcl::TGroupBox* gbSource { nullptr };
    vcl::TRadioButton* rbAnalogIn { nullptr };
    vcl::TRadioButton* rbPinkNoise { nullptr };
    vcl::TRadioButton* rbWhiteNoise { nullptr };
    vcl::TRadioButton* rbSineWave { nullptr };
    vcl::TComboBox* cbSineFreq { nullptr };
    rz::TRzBmpButton* bnExit { nullptr };
};

extern TfmTest* fmTest;
