// The main window's controls: the page-button bar, the thirteen pages' upper and lower boxes with
// every per-channel control under its composed name, and the preset area, in the skin's colours
// and with its button faces.

#include "ui/FMain.h"

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/FMainLayoutNames.h"
#include "ui/FMainLayoutParts.h"
#include "plot/iXYPlot.h"
#include "ui/editors/TransferPlot.h"
#include "ui/Skin.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"
#include "widgets/RzPanel.h"
#include "widgets/VrButtons.h"

namespace {

using namespace layout;

constexpr vcl::TColor FormColor = skin::Colour(skin::FormBack);
constexpr vcl::TColor BarColor = skin::Colour(skin::BarBack);
constexpr vcl::TColor BoxColor = skin::Colour(skin::UpperBack);
constexpr vcl::TColor ParamColor = skin::Colour(skin::LowerBack);
constexpr vcl::TColor RowColor = skin::Colour(skin::RowBack);
constexpr vcl::TColor TextColor = skin::Colour(skin::Text);
constexpr vcl::TColor DimText = skin::Colour(skin::Caption);

// The lamp a latched button lights: red for mute, amber for polarity and bypasses, blue for the
// band and unit choices, green for the rest.
skin::Lamp LampOf(const QString& name)
{
    if (name.startsWith(QLatin1String("rzbMute")))
        return skin::Lamp::Red;
    if (name.startsWith(QLatin1String("rzbPhase")) || name.contains(QLatin1String("Bypass")))
        return skin::Lamp::Amber;
    if (name.startsWith(QLatin1String("rzbEq")) || name.startsWith(QLatin1String("rzbUnit")))
        return skin::Lamp::Blue;
    return skin::Lamp::Green;
}

// Page button captions, in page order.
const char* const PageCaptions[PageCount] = { "InA", "InB", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6",
                                              "Comp", "Delay", "Gain", "Matrix", "Gate" };

} // namespace

namespace layout {

// Builds the controls of one window; every control is owned by the window and found by its name.
class Builder
{
public:
    explicit Builder(TfmMain& form) : F(form) {}

    template <class T>
    T* Add(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h, int tag = 0)
    {
        auto* c = new T(&F);
        if (!name.isEmpty())
            c->SetName(name);
        c->SetParent(parent);
        c->SetBounds(l, t, w, h);
        c->SetTag(tag);
        return c;
    }

    vcl::TLabel* Label(vcl::TWinControl* parent, const QString& name, const QString& caption, int l, int t,
                       int w = 0, int tag = 0, vcl::TColor colour = TextColor)
    {
        auto* lb = Add<vcl::TLabel>(parent, name, l, t, w > 0 ? w : 60, 16, tag);
        lb->SetAutoSize(w <= 0);
        lb->SetTransparent(true);
        // A coloured caption (a channel's) keeps its hue but is made readable on its box.
        lb->Font()->SetColor(skin::Colour(skin::Legible(skin::RgbOf(colour), skin::RgbOf(parent->Color()))));
        lb->SetCaption(caption);
        return lb;
    }

    rz::TRzGroupBox* Box(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h, vcl::TColor c)
    {
        auto* box = Add<rz::TRzGroupBox>(parent, name, l, t, w, h);
        box->SetColor(c);
        box->Font()->SetColor(TextColor);
        return box;
    }

    // Every fader of the window stands upright, Min at the bottom, with the window's shared look.
    TAdvTrackBar* Fader(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h, int tag,
                        int min, int max, int page, int position = 0)
    {
        auto* f = Add<TAdvTrackBar>(parent, name, l, t, w, h, tag);
        f->SetOrientation(TTrackBarOrientation::trVertical);
        f->SetBounds(l, t, w, h); // a change of orientation swaps the sides
        f->SetMax(max);
        f->SetMin(min);
        f->SetPageSize(page);
        f->SetPosition(position);
        ApplyMainFaderLook(*f);
        return f;
    }

    TCurvyEdit* Edit(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int tag, const QString& text,
                     bool readOnly)
    {
        auto* e = Add<TCurvyEdit>(parent, name, l, t, w, 22, tag);
        e->SetColor(skin::Colour(skin::FieldBack));
        e->SetBorderColor(skin::Colour(skin::FieldBorder));
        e->Font()->SetColor(skin::Colour(skin::FieldText));
        e->Font()->SetName(QString::fromLatin1(skin::ValueFont));
        e->Font()->SetHeight(-13);
        e->SetRounding(4); // a tighter corner leaves the field room for the longest values
        e->SetReadOnly(readOnly);
        e->SetText(text);
        return e;
    }

    rz::TRzBmpButton* Button(vcl::TWinControl* parent, const QString& name, const QString& caption, int l, int t,
                             int w, int h, int tag, int group = 0, bool allowAllUp = false)
    {
        auto* b = Add<rz::TRzBmpButton>(parent, name, l, t, w, h, tag);
        // A toggle needs a group of its own: a button of group 0 never stays down.
        if (group == 0 && allowAllUp)
            group = ++ToggleGroup;
        b->SetGroupIndex(group);
        if (allowAllUp)
            b->SetAllowAllUp(true);
        b->SetCaption(caption);
        b->Font()->SetColor(vcl::clWhite);
        skin::DressButton(*b, LampOf(name));
        return b;
    }

    LProgressBar* Meter(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h, int tag, int max)
    {
        auto* m = Add<LProgressBar>(parent, name, l, t, w, h, tag);
        m->SetFirstColor(skin::Colour(skin::MeterUnlit[0]));
        m->SetSecondColor(skin::Colour(skin::MeterUnlit[1]));
        m->SetThirdColor(skin::Colour(skin::MeterUnlit[2]));
        m->SetLFirstColor(skin::Colour(skin::MeterLit[0]));
        m->SetLSecondColor(skin::Colour(skin::MeterLit[1]));
        m->SetLThirdColor(skin::Colour(skin::MeterLit[2]));
        m->SetMax(max);
        // Red only for the top segment (clip or limit), yellow for the two below, green for the rest;
        // a limiter lamp lights red.
        if (max > 1) {
            m->SetFirstNum(1);
            m->SetSecondNum(2);
            m->SetThirdNum(max - 3);
        } else {
            m->SetFirstNum(1);
            m->SetSecondNum(0);
            m->SetThirdNum(0);
        }
        return m;
    }

    // 20 Hz .. 20 kHz of the 4096-point grid of the 96 kHz design rate, -18 .. +18 dB.
    static void Range(LMyFFTDrawPhase* plot)
    {
        plot->SetFFTNuimber(TFFTNumber::n4096);
        plot->SetSampleRate(TSampleRate::n96000);
        plot->SetXAutoScale(false);
        plot->SetYAutoScale(false);
        plot->SetXMin(966);
        plot->SetXMax(3840);
        plot->SetYMin(-18);
        plot->SetYMax(18);
    }
    // Nine labels k = 1..9 beside a page meter, from its top down (MeterScaleTop).
    void Scale(vcl::TWinControl* parent, const QString& stem, int left, std::initializer_list<const char*> texts)
    {
        int k = 1;
        for (const char* t : texts) {
            Label(parent, stem + QString::number(k), QString::fromLatin1(t), left, MeterScaleTop(k, 0), 0, 0, DimText);
            ++k;
        }
    }
    void Bar();
    void NameLabelClick(int ch)
    {
        if (auto* lb = dynamic_cast<vcl::TLabel*>(F.FindComponent(QStringLiteral("lbMatrixChName") + ChannelSuffix(ch))))
            lb->OnClick = vcl::Method(&F, &TfmMain::lbMatrixChNameInAClick);
    }
    void ChannelPage(int ch);
    void GainPage();
    void CompPage();
    void DelayPage();
    void MatrixPage();
    void GatePage();
    void Preset();

    TfmMain& F;
    rz::TRzGroupBox* Main { nullptr };
    int ToggleGroup { 1000 }; // group numbers of the stand-alone toggle buttons
};

void Builder::Bar()
{
    auto* bar = Box(&F, QStringLiteral("rzgFunction"), 0, 0, 1115, 40, BarColor);
    for (int p = 0; p < PageCount; ++p) {
        auto* b = Button(bar, PageButtonName(p), QString::fromLatin1(PageCaptions[p]), 6 + p * 78, 6, 74, 28, p, 1);
        b->SetShowHint(true);
        b->OnClick = vcl::Method(&F, &TfmMain::rzbMenuInAClick);
        b->Font()->SetColor(p == editors::GainPage ? 0x00FF00 : 0xFFFFFF);
        skin::DressPageButton(*b);
        b->SetDown(p == editors::GainPage);
    }
    if (F.rzbMenuLink) {
        F.rzbMenuLink->SetParent(bar);
        F.rzbMenuLink->SetBounds(1040, 6, 70, 28);
    }
    Main = Box(&F, QStringLiteral("rzgMain"), 0, 40, 1112, 629, FormColor);
}

void Builder::ChannelPage(int ch)
{
    const QString sfx = ChannelSuffix(ch);
    const bool input = ch < 2;
    const int bands = editors::BandCount(ch);

    // Upper box: the response plot, its title, overlay toggles, view switch and the channel's meters.
    auto* up = Box(Main, QStringLiteral("rzgFft") + sfx, 0, 0, 1112, 284, BoxColor);
    up->SetTag(ch);
    up->SetVisible(false);
    Label(up, QStringLiteral("lbFftChannel") + sfx, sfx, 10, 3, 0, ch);
    Label(up, QStringLiteral("lbFftParam") + sfx, QString(), 60, 3, 330, ch, DimText)->SetVisible(false);
    AddOverlayToggles(F, up, ch, 400, 0);
    AddViewSwitch(F, up, ch, 880, 1);
    Range(Add<LMyFFTDrawPhase>(up, QStringLiteral("fftDraw") + sfx, 8, 22, 1004, 255, ch));
    auto* level = Add<vcl::TPanel>(up, QStringLiteral("plLevel") + sfx, 1020, 22, 84, 247, ch);
    level->SetColor(BoxColor);
    Meter(level, QStringLiteral("pbLevel") + sfx, 14, 28, 22, 210, ch, input ? 9 : 8);
    if (!input)
        Meter(level, QStringLiteral("pbLimit") + sfx, 48, 28, 22, 22, ch, 1);
    Label(level, QString(), input ? QStringLiteral("IN") : QStringLiteral("OUT"), 12, 6, 0, 0, DimText);

    // Lower box: gain strip, band editor, band parameters, crossover.
    auto* lo = Box(Main, QStringLiteral("rzgParam") + sfx, 20, 292, 1072, 290, ParamColor);
    lo->SetTag(ch);
    lo->SetVisible(false);
    Label(lo, QStringLiteral("lbGainName") + sfx, sfx, 10, 10, 0, ch);
    Label(lo, QStringLiteral("lbGain") + sfx, QString(), 60, 10, 0, ch, DimText);
    Fader(lo, QStringLiteral("isGain") + sfx, 40, 40, 26, 155, ch, -280, 120, 6);
    Edit(lo, QStringLiteral("cvdGain") + sfx, 12, 222, 84, ch, QStringLiteral("+0.0dB"), true);
    Button(lo, QStringLiteral("rzbMute") + sfx, QString(), 8, 254, 44, 26, ch, 0, true);
    Button(lo, QStringLiteral("rzbPhase") + sfx, QString(), 56, 254, 58, 26, ch, 0, true);

    Label(lo, QStringLiteral("lbEq") + sfx, QString(), 126, 8, 560, ch, DimText);
    auto* peq = Add<TMyPEQAllpass>(lo, QStringLiteral("peqPeq") + sfx, 126, 26, 560, 196, ch);
    peq->SetChannelNumber(bands);
    // Value fields dark with light text, so the current band's green reads as well as the rest.
    static_cast<vcl::TControl*>(peq)->SetColor(RowColor);
    peq->Font()->SetColor(skin::Colour(skin::FieldText));
    peq->SetLabelColor(DimText);
    peq->SetEditBackColor(skin::Colour(skin::FieldBack));
    peq->SetBypassBackColor(skin::Colour(skin::SwitchBack));
    for (int b = 0; b < bands; ++b) {
        vcl::TFont* f = peq->BandLabel(b)->Font();
        f->SetColor(skin::Colour(skin::Legible(skin::RgbOf(f->Color()), skin::RowBack)));
        rz::TRzButton* bypass = peq->BypassButton(b);
        bypass->SetParentFont(false);
        bypass->Font()->SetColor(skin::Colour(skin::SwitchText));
    }
    for (int b = 0; b < bands; ++b)
        Button(lo, QStringLiteral("rzbEq%1").arg(b + 1) + sfx, QString::number(b + 1), 126 + b * 36, 228, 32, 22, b,
               ch + 1);
    skin::DressPowerButton(*Add<vr::TVrPowerButton>(lo, QStringLiteral("vrbEqShowAll") + sfx, 126, 256, 120, 26, ch),
                           skin::LitGreen.lamp);
    skin::DressDemoButton(*Add<vr::TVrDemoButton>(lo, QStringLiteral("vrbEqReset") + sfx, 252, 256, 100, 26, ch));
    skin::DressDemoButton(*Add<vr::TVrDemoButton>(lo, QStringLiteral("vrbEqBypass") + sfx, 358, 256, 100, 26, ch));

    // Band parameters: three upright faders over their entry boxes.
    Label(lo, QStringLiteral("lbEqParam") + sfx, QString(), 700, 6, 0, ch);
    const char* const quantities[] = { "Freq", "Bw", "Gain" };
    const int maxima[] = { 300, 100, 240 };
    const int pages[] = { 15, 5, 3 };
    const int starts[] = { 0, 0, 120 };
    for (int i = 0; i < 3; ++i) {
        const QString q = QString::fromLatin1(quantities[i]);
        const int x = 696 + i * 64;
        Label(lo, QStringLiteral("lbEq") + q + sfx, QString(), x, 26, 62, ch, DimText);
        Fader(lo, QStringLiteral("isEq") + q + sfx, x + 18, 46, 27, 172, ch, 0, maxima[i], pages[i], starts[i]);
        Edit(lo, QStringLiteral("cvdEq") + q + sfx, x, 222, 62, ch, QString(), true);
    }

    // Crossover: high-pass ("LowCut") and low-pass ("HighCut") side by side.
    const char* const cuts[] = { "LowCut", "HighCut" };
    for (int i = 0; i < 2; ++i) {
        const QString c = QString::fromLatin1(cuts[i]);
        const int x = 896 + i * 86;
        Label(lo, QStringLiteral("lb") + c + QStringLiteral("Freq") + sfx, QString(), x, 6, 84, ch);
        Fader(lo, QStringLiteral("is") + c + QStringLiteral("Freq") + sfx, x + 28, 26, 26, 115, ch, 0, 300, 15,
              i == 0 ? 0 : 300);
        Edit(lo, QStringLiteral("cvd") + c + QStringLiteral("Freq") + sfx, x, 144, 82, ch, QString(), false);
        Label(lo, QStringLiteral("lb") + c + QStringLiteral("Slop") + sfx, QString(), x, 172, 84, ch, DimText);
        auto* slope = Add<rz::TRzComboBox>(lo, QStringLiteral("rzc") + c + QStringLiteral("Slop") + sfx, x, 190, 82,
                                           22, ch);
        for (const char* s : SlopeNames)
            slope->Items()->Add(QString::fromLatin1(s));
        slope->SetItemIndex(19);
        skin::DressCombo(*slope);
        // Each bypass is a toggle of its own: it stays down until clicked again, whatever the other does.
        Button(lo, QStringLiteral("rzb") + c + QStringLiteral("Bypass") + sfx, QString(), x, 220, 82, 24, ch, 0, true);
    }
}

void Builder::GainPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftGain"), 0, 0, 1112, 284, BoxColor);
    Label(up, QStringLiteral("lbFftGainIn"), QString(), 10, 3);
    Label(up, QStringLiteral("lbFftGainOut"), QString(), 566, 3);
    AddOverlayToggles(F, up, editors::GainInPlot, 120, 0);
    AddOverlayToggles(F, up, editors::GainOutPlot, 700, 0);
    Range(Add<LMyFFTDrawPhase>(up, QStringLiteral("fftDrawGainIn"), 8, 22, 546, 255, 0));
    Range(Add<LMyFFTDrawPhase>(up, QStringLiteral("fftDrawGainOut"), 560, 22, 546, 255, 0));

    auto* lo = Box(Main, QStringLiteral("rzgParamGain"), 20, 292, 1072, 290, ParamColor);
    Label(lo, QStringLiteral("lbGainInput"), QString(), 12, 6);
    Label(lo, QStringLiteral("lbGainOutput"), QString(), 290, 6);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = ch < 2 ? 12 + ch * 130 : 290 + (ch - 2) * 130;
        Label(lo, QStringLiteral("lbGainBackupName") + sfx, sfx, x + 4, 26, 0, ch);
        Fader(lo, QStringLiteral("isGainBackup") + sfx, x + 20, 60, 26, 126, ch, -280, 120, 6);
        Meter(lo, QStringLiteral("pbLevelBackup") + sfx, x + 68, 56, 18, 160, ch, ch < 2 ? 9 : 8);
        if (ch >= 2)
            Meter(lo, QStringLiteral("pbLimitBackup") + sfx, x + 92, 56, 18, 18, ch, 1);
        Edit(lo, QStringLiteral("cvdGainBackup") + sfx, x, 226, 84, ch, QStringLiteral("+0.0dB"), true);
        Button(lo, QStringLiteral("rzbMuteBackup") + sfx, QString(), x, 254, 50, 26, ch, 0, true);
        Button(lo, QStringLiteral("rzbPhaseBackup") + sfx, QString(), x + 54, 254, 62, 26, ch, 0, true);
    }
}

void Builder::CompPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftComp"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    Label(up, QStringLiteral("lbCompName"), QString(), 10, 3, 538);
    TiXYPlot* plot = editors::CreateTransferPlot(&F, up, QStringLiteral("ipComp"), 8, 22, 620, 230);
    editors::RefillTransferPlot(*plot, { { 20, 20 }, { -10, -10 }, { -10, -10 }, { -100, -100 } }, { 19.8, 20.4 });
    Label(up, QStringLiteral("lbHeadCompOut"), QStringLiteral("Out 1"), 646, 6, 0, 2);
    Meter(up, QStringLiteral("pbLevelCompOut"), 650, 28, 22, 210, 2, 8);
    Meter(up, QStringLiteral("pbLimitCompOut"), 684, 28, 22, 22, 2, 1);
    Scale(up, QStringLiteral("lbScaleComp"), 712, { "Limit", "12", "5", "0", "-5", "-15", "-30", "-60", "-90" });

    auto* lo = Box(Main, QStringLiteral("rzgParamComp"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
    for (int ch = 2; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = 8 + (ch - 2) * 177;
        constexpr int column = 54; // room for "+20.0dB", "1000ms" and "Threshold" in the narrow face
        Label(lo, QStringLiteral("lbComp") + sfx, sfx, x + 4, 4, 0, ch);
        const char* const faders[] = { "Threshold", "Attack", "Release" };
        const int mins[] = { -180, 0, 9 };
        const int maxs[] = { 40, 998, 2999 };
        const char* const texts[] = { "+0.0dB", "1ms", "10ms" };
        const int starts[] = { 40, 50, 499 };
        for (int i = 0; i < 3; ++i) {
            const QString q = QString::fromLatin1(faders[i]);
            auto* caption = Label(lo, QStringLiteral("lbComp") + q + sfx, QString(), x + i * column, 22, column, ch, DimText);
            caption->Font()->SetName(QString::fromLatin1(skin::ValueFont));
            caption->SetAlignment(vcl::TAlignment::taCenter);
            Fader(lo, QStringLiteral("isComp") + q + sfx, x + i * column + 12, 40, 27, 150, ch, mins[i], maxs[i], 10, starts[i]);
            Edit(lo, QStringLiteral("cvdComp") + q + sfx, x + i * column, 194, column, ch, QString::fromLatin1(texts[i]), false);
        }
        // The limiter lamp above the level meter, both beside the three columns.
        Meter(lo, QStringLiteral("pbLimitComp") + sfx, x + 3 * column + 2, 40, 12, 10, ch, 1);
        Meter(lo, QStringLiteral("pbLevelComp") + sfx, x + 3 * column + 2, 52, 12, 138, ch, 8);
        const char* const steps[] = { "Ratio", "Knee" };
        for (int i = 0; i < 2; ++i) {
            const QString q = QString::fromLatin1(steps[i]);
            const int xx = x + i * 86;
            Label(lo, QStringLiteral("lbComp") + q + sfx, QString(), xx, 222, 80, ch, DimText);
            Edit(lo, QStringLiteral("cvdComp") + q + sfx, xx, 240, 58, ch, QString(), false);
            auto* ud = Add<vcl::TUpDown>(lo, QStringLiteral("udComp") + q + sfx, xx + 60, 240, 18, 24, ch);
            ud->SetMin(0);
            ud->SetMax(i == 0 ? 15 : 12);
        }
    }
}

void Builder::DelayPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftDelay"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    auto* left = Add<vcl::TPanel>(up, QStringLiteral("plDelayIn"), 8, 22, 546, 255);
    auto* right = Add<vcl::TPanel>(up, QStringLiteral("plDelayOut"), 560, 22, 546, 255);
    left->SetColor(vcl::clBlack);
    right->SetColor(vcl::clBlack);
    Label(up, QStringLiteral("lbFftDelayIn"), QString(), 10, 3);
    Label(up, QStringLiteral("lbFftDelayOut"), QString(), 566, 3);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const bool input = ch < 2;
        vcl::TPanel* panel = input ? left : right;
        // The row rules of the window's resizing at its design size: marker, line and time label.
        const int top = DelayRowTop(DelayRow::Marker, ch, 0);
        const int lineTop = DelayRowTop(DelayRow::Line, ch, 0);
        Label(panel, QString(), sfx, 4, top + 8, 0, ch, ChannelColor(ch));
        auto* line = Label(panel, QStringLiteral("lbDelayLine") + sfx, QString(), 40, lineTop, 475, ch, ChannelColor(ch));
        line->SetLayout(vcl::TTextLayout::tlCenter);
        line->SetHeight(2 * (top - lineTop) + 30); // centred on the marker
        auto* marker = Add<vcl::TPanel>(panel, QStringLiteral("imDelay") + sfx, 40, top, 30, 30, ch);
        marker->SetColor(ChannelColor(ch));
        Label(panel, QStringLiteral("lbFftDelayTime") + sfx, QStringLiteral("0.00ms"), 70, DelayRowTop(DelayRow::Time, ch, 0),
              0, ch);
    }

    auto* lo = Box(Main, QStringLiteral("rzgParamDelay"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
    Label(lo, QStringLiteral("lbDelayInput"), QString(), 12, 6);
    Label(lo, QStringLiteral("lbDelayOutput"), QString(), 260, 6);
    Label(lo, QStringLiteral("lbDelayUnit"), QString(), 920, 30);
    for (int u = 0; u < 3; ++u) {
        const char* const units[] = { "ms", "m", "ft" };
        auto* b = Button(lo, QStringLiteral("rzbUnit%1").arg(u), QString::fromLatin1(units[u]), 920, 52 + u * 34, 64, 28,
                         u, 1);
        b->SetDown(u == 0);
    }
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = ch < 2 ? 12 + ch * 110 : 260 + (ch - 2) * 106;
        Label(lo, QString(), sfx, x + 4, 26, 0, ch);
        Fader(lo, QStringLiteral("isDelay") + sfx, x + 34, 56, 26, 180, ch, 0, 65280, 6);
        Edit(lo, QStringLiteral("cvdDelay") + sfx, x, 250, 96, ch, QStringLiteral("0.00ms"), false);
    }
}

void Builder::MatrixPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftMatrix"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    const char* const inBlocks[] = { "ChName", "Gain", "HpLp", "Gate", "Peq", "Phase", "Delay" };
    const char* const inText[] = { "", "Gain", "HP/LP", "Gate", "PEQ", "Phase", "Delay" };
    const char* const outBlocks[] = { "ChName", "Gain", "Comp", "Mute", "Peq", "Phase", "Xover", "Delay" };
    const char* const outText[] = { "", "Gain", "Comp", "Mute", "PEQ", "Phase", "X-Over", "Delay" };
    for (int ch = 0; ch < 2; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        // Row centres meet the routing lines' start points on pbMatrix (top 42: InA at 41, InB at 166).
        auto* row = Add<vcl::TPanel>(up, QStringLiteral("plMatrix") + sfx, 8, 120 * ch + 70, 456, 30, ch);
        row->SetColor(BarColor);
        for (int k = 0; k < 7; ++k) {
            const QString caption = k == 0 ? sfx : QString::fromLatin1(inText[k]);
            auto* lb = Label(row, QStringLiteral("lbMatrix") + QString::fromLatin1(inBlocks[k]) + sfx, caption, 6 + k * 64,
                             7, 60, ch, k == 0 ? ChannelColor(ch) : TextColor);
            lb->SetAlignment(vcl::TAlignment::taCenter);
        }
        NameLabelClick(ch);
    }
    auto* pb = Add<vcl::TPaintBox>(up, QStringLiteral("pbMatrix"), 465, 42, 97, 206);
    (void)pb;
    for (int ch = 2; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        // Row centres meet the routing lines' end points on pbMatrix (Out1 at 0 .. Out6 at 206).
        const int top = 40 * ch - 50;
        Button(up, QStringLiteral("rzbAMatrix") + sfx, QStringLiteral("A"), 568, top + 2, 30, 26, 0, 0, true);
        Button(up, QStringLiteral("rzbBMatrix") + sfx, QStringLiteral("B"), 602, top + 2, 30, 26, 1, 0, true);
        auto* row = Add<vcl::TPanel>(up, QStringLiteral("plMatrix") + sfx, 640, top, 464, 30, ch);
        row->SetColor(BarColor);
        for (int k = 0; k < 8; ++k) {
            const QString caption = k == 0 ? sfx : QString::fromLatin1(outText[k]);
            auto* lb = Label(row, QStringLiteral("lbMatrix") + QString::fromLatin1(outBlocks[k]) + sfx, caption,
                             4 + k * 57, 7, 55, ch, k == 0 ? ChannelColor(ch) : TextColor);
            lb->SetAlignment(vcl::TAlignment::taCenter);
        }
        NameLabelClick(ch);
    }
    auto* lo = Box(Main, QStringLiteral("rzgParamMatrix"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
}

void Builder::GatePage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftGate"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    Label(up, QStringLiteral("lbGateName"), QString(), 10, 3, 856);
    TiXYPlot* plot = editors::CreateTransferPlot(&F, up, QStringLiteral("ipGate"), 8, 22, 904, 230);
    editors::RefillTransferPlot(*plot, { { 20, 20 }, { -90, -90 }, { -90, -100 } }, { -89.8, -90.4 });
    Label(up, QStringLiteral("lbHeadGateIn"), QStringLiteral("In A"), 936, 6, 0, 0);
    Meter(up, QStringLiteral("pbLevelGateIn"), 940, 28, 22, 210, 0, 9);
    Scale(up, QStringLiteral("lbScaleGate"), 968, { "Clip", "12", "5", "0", "-5", "-20", "-30", "-60", "-90" });

    auto* lo = Box(Main, QStringLiteral("rzgParamGate"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
    const char* const quantities[] = { "Threshold", "Attack", "Hold", "Release" };
    const int mins[] = { -180, 0, 9, 9 };
    const int maxs[] = { 0, 998, 998, 2999 };
    const char* const texts[] = { "-90.0dB", "1ms", "10ms", "10ms" };
    const int starts[] = { 0, 50, 99, 499 };
    for (int ch = 0; ch < 2; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = 60 + ch * 500;
        Label(lo, QStringLiteral("lbGate") + sfx, sfx + QStringLiteral(" Gate"), x + 60, 4, 0, ch);
        for (int i = 0; i < 4; ++i) {
            const QString q = QString::fromLatin1(quantities[i]);
            const int xx = x + i * 92;
            Label(lo, QStringLiteral("lbGate") + q + sfx, QString(), xx, 26, 88, ch, DimText);
            Fader(lo, QStringLiteral("isGate") + q + sfx, xx + 30, 46, 27, 180, ch, mins[i], maxs[i], 10, starts[i]);
            Edit(lo, QStringLiteral("cvdGate") + q + sfx, xx, 232, 84, ch, QString::fromLatin1(texts[i]), false);
        }
        Meter(lo, QStringLiteral("pbLevelGate") + sfx, x + 376, 46, 18, 180, ch, 9);
    }
}

void Builder::Preset()
{
    auto* box = Box(&F, QStringLiteral("rzgPreset"), 10, 626, 1098, 40, BarColor);
    Label(box, QStringLiteral("lPreset"), QString(), 12, 12);
    if (F.lbPstNum) {
        F.lbPstNum->SetParent(box);
        F.lbPstNum->SetBounds(80, 12, 40, 16);
        F.lbPstNum->Font()->SetColor(0x00FF00);
    }
    if (F.lbPstName) {
        F.lbPstName->SetParent(box);
        F.lbPstName->SetBounds(126, 12, 160, 16);
        F.lbPstName->Font()->SetColor(0x00FF00);
    }
    auto* store = Add<rz::TRzButton>(box, QStringLiteral("bStore"), 300, 7, 130, 26);
    store->OnClick = vcl::Method(&F, &TfmMain::bStoreClick);
    store->Font()->SetColor(vcl::clBlack);
    auto* recall = Add<rz::TRzButton>(box, QStringLiteral("bRecall"), 440, 7, 130, 26);
    recall->OnClick = vcl::Method(&F, &TfmMain::bRecallClick);
    recall->Font()->SetColor(vcl::clBlack);
    Label(box, QStringLiteral("lAddress"), QString(), 620, 12);
    if (auto* id = dynamic_cast<vcl::TLabel*>(F.FindComponent(QStringLiteral("lbShowIdNumber")))) {
        id->SetParent(box);
        id->SetBounds(690, 12, 80, 16);
        id->Font()->SetColor(TextColor);
    }
    if (F.lbShowIp) {
        F.lbShowIp->SetParent(box);
        F.lbShowIp->SetBounds(780, 12, 140, 16);
        F.lbShowIp->Font()->SetColor(TextColor);
    }
    if (F.lbStatus) {
        F.lbStatus->SetParent(box);
        F.lbStatus->SetBounds(930, 12, 160, 16);
        F.lbStatus->Font()->SetColor(TextColor);
    }
}

} // namespace layout

void TfmMain::BuildLayout()
{
    SetColor(FormColor);
    layout::Builder b(*this);
    b.Bar();
    for (int ch = 0; ch < layout::ChannelCount; ++ch)
        b.ChannelPage(ch);
    b.CompPage();
    b.DelayPage();
    b.GainPage();
    b.MatrixPage();
    b.GatePage();
    b.Preset();
    skin::DressMenuBar(*this);
    OnResize = vcl::Method(this, &TfmMain::FormResize);
    OnClose = vcl::Method(this, &TfmMain::FormClose);
}
