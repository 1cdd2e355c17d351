#include "ui/FTest.h"

#include "device/CM_MCS.h"
#include "device/SendMode.h"
#include "platform/core/SoftAssert.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TRadioButton.h"
#include "ui/DialogCommon.h"
#include "ui/MainWindowAccess.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmTest* fmTest = nullptr;

namespace {

const char* const SineFrequencies[] = { "20Hz", "25Hz", "31.5Hz", "40Hz", "50Hz", "63Hz", "80Hz", "100Hz", "125Hz",
                                        "160Hz", "200Hz", "250Hz", "315Hz", "400Hz", "500Hz", "630Hz", "800Hz", "1KHz",
                                        "1.25KHz", "1.6KHz", "2KHz", "2.5KHz", "3.15KHz", "4KHz", "5KHz", "6.3KHz",
                                        "8KHz", "10KHz", "12.5KHz", "16KHz", "20KHz" };

bool Suppressed()
{
    return !MainDevice() || MainDevice()->IsSendSuppressed();
}

void SendWorkMode(int mode, int index)
{
    MainDevice()->SendCommand(CM_MCS_WORK_MODE(MainDevice()->GetDeviceId(), mode, index), SEND_APPEND, true);
}

} // namespace

TfmTest::TfmTest(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmTest"));
    SetBounds(0, 0, 281, 250);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmTest::FormShow);

    gbSource = new vcl::TGroupBox(this);
    gbSource->SetName(QStringLiteral("gbSource"));
    gbSource->SetParent(this);
    gbSource->SetBounds(8, 8, 257, 161);
    auto radio = [this](const QString& name, const QString& caption, int tag) {
        auto* r = new vcl::TRadioButton(this);
        r->SetName(name);
        r->SetParent(gbSource);
        r->SetBounds(16, 20 + tag * 32, 113, 17);
        r->SetCaption(caption);
        r->SetTag(tag);
        return r;
    };
    rbAnalogIn = radio(QStringLiteral("rbAnalogIn"), QStringLiteral("Analog In"), 0);
    rbPinkNoise = radio(QStringLiteral("rbPinkNoise"), QStringLiteral("Pink Noise"), 1);
    rbWhiteNoise = radio(QStringLiteral("rbWhiteNoise"), QStringLiteral("White Noise"), 2);
    rbSineWave = radio(QStringLiteral("rbSineWave"), QStringLiteral("Sine Wave"), 3);
    rbAnalogIn->SetChecked(true);
    for (auto* r : { rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave })
        r->OnClick = vcl::Method(this, &TfmTest::rbAnalogInClick);

    cbSineFreq = new vcl::TComboBox(this);
    cbSineFreq->SetName(QStringLiteral("cbSineFreq"));
    cbSineFreq->SetParent(gbSource);
    cbSineFreq->SetStyle(vcl::TComboBoxStyle::csDropDownList); // only a listed frequency can be chosen
    cbSineFreq->SetBounds(136, 114, 97, 21);
    cbSineFreq->SetDropDownCount(16);
    for (const char* f : SineFrequencies)
        cbSineFreq->Items()->Add(QString::fromLatin1(f));
    cbSineFreq->SetItemIndex(0);
    cbSineFreq->OnSelect = vcl::Method(this, &TfmTest::cbSineFreqSelect);

    bnExit = NewButton(this, this, QStringLiteral("bnExit"), QStringLiteral("Exit"), 96, 180, 89, 27);

    SetCancelControl(bnExit);
    bnExit->OnClick = vcl::Method(this, &TfmTest::bnExitClick);
}

TfmTest::~TfmTest()
{
    BeforeDestruction();
    if (fmTest == this)
        fmTest = nullptr;
}

void TfmTest::rbAnalogInClick(vcl::TObject* Sender)
{
    if (Suppressed())
        return;
    auto* radio = dynamic_cast<vcl::TRadioButton*>(Sender);
    if (!ZQ9_EXPECT(radio))
        return;
    SendWorkMode(static_cast<int>(radio->Tag()), std::max(0, cbSineFreq->ItemIndex()));
}

void TfmTest::ShowWorkMode(int mode, int sineIndex)
{
    vcl::TRadioButton* const sources[] = { rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave };
    if (mode < 0 || mode > 3 || !ZQ9_EXPECT(sources[mode]))
        return;
    sources[mode]->SetChecked(true);
    if (mode == 3 && cbSineFreq && sineIndex >= 0 && sineIndex < cbSineFreq->Items()->Count())
        cbSineFreq->SetItemIndex(sineIndex);
}

void TfmTest::cbSineFreqSelect(vcl::TObject* Sender)
{
    (void)Sender;
    if (Suppressed())
        return;
    rbSineWave->SetChecked(true); // clicks the radio when it was not checked: mode 3 goes out once more
    SendWorkMode(3, std::max(0, cbSineFreq->ItemIndex()));
}

void TfmTest::bnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmTest::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_TEST_TITLE"));
    bnExit->SetCaption(Sid("SID_EXIT"));
    rbAnalogIn->SetCaption(Sid("SID_ANALOG_IN"));
    rbWhiteNoise->SetCaption(Sid("SID_WHITE_IN"));
    rbPinkNoise->SetCaption(Sid("SID_PINK_IN"));
    rbSineWave->SetCaption(Sid("SID_SINE_IN"));
}
