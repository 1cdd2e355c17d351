// The main window's controls: the page-button bar, the channel pages' upper and lower boxes with
// every per-channel control under its composed name, and the preset area, in the skin's colours
// and with its button faces. The other pages are built in FMainLayoutPages.cpp.

#include "ui/FMainLayoutBuilder.h"
#include "ui/FMainLayoutCaptions.h"
#include "ui/FMainLayoutParts.h"

namespace {

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
const char* const PageCaptions[layout::PageCount] = {
    "InA", "InB", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6", "Comp", "Delay", "Gain", "Matrix", "Gate"};

} // namespace

namespace layout {

vcl::TLabel* Builder::Label(vcl::TWinControl* parent, const QString& name, const QString& caption, int l,
                            int t, int w, int tag, vcl::TColor colour)
{
    // A caption on the box's frame line breaks the line, as a group box's own caption does.
    vcl::TLabel* lb = CrossesFrameLine(parent, t, 16) ? Add<FrameCaption>(parent, name, l, t, w > 0 ? w : 60, 16, tag)
                                                      : Add<vcl::TLabel>(parent, name, l, t, w > 0 ? w : 60, 16, tag);
    Dress(*lb, parent, w <= 0, colour);
    lb->SetCaption(caption);
    return lb;
}

void Builder::Dress(vcl::TLabel& lb, vcl::TWinControl* parent, bool autoSize, vcl::TColor colour)
{
    lb.SetAutoSize(autoSize);
    lb.SetTransparent(true);
    // A coloured caption (a channel's) keeps its hue but is made readable on its box.
    lb.Font()->SetColor(skin::Colour(skin::Legible(skin::RgbOf(colour), skin::RgbOf(parent->Color()))));
}

rz::TRzGroupBox* Builder::Box(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h,
                              vcl::TColor c)
{
    auto* box = Add<rz::TRzGroupBox>(parent, name, l, t, w, h);
    box->SetColor(c);
    box->Font()->SetColor(TextColor);
    return box;
}

TAdvTrackBar* Builder::Fader(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h,
                             int tag, int min, int max, int page, int position)
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

TCurvyEdit* Builder::Edit(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int tag,
                          const QString& text, bool readOnly)
{
    auto* e = Add<TCurvyEdit>(parent, name, l, t, w, 22, tag);
    e->SetHideSelection(false); // a value the user marked stays marked while another box is used
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

rz::TRzBmpButton* Builder::Button(vcl::TWinControl* parent, const QString& name, const QString& caption,
                                  int l, int t, int w, int h, int tag, int group, bool allowAllUp)
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

LProgressBar* Builder::Meter(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h,
                             int tag, int max)
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

void Builder::Range(LMyFFTDrawPhase* plot)
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

void Builder::Scale(vcl::TWinControl* parent, const QString& stem, int left,
                    std::initializer_list<const char*> texts)
{
    int k = 1;
    for (const char* t : texts) {
        Label(parent, stem + QString::number(k), QString::fromLatin1(t), left, MeterScaleTop(k, 0), 0, 0,
              DimText);
        ++k;
    }
}

void Builder::NameLabelClick(vcl::TLabel& label)
{
    label.OnClick = vcl::Method(&F, &TfmMain::lbMatrixChNameInAClick);
    label.Font()->SetName(QString::fromLatin1(skin::ValueFont));
}

void Builder::Bar()
{
    auto* bar = Box(&F, QStringLiteral("rzgFunction"), 0, 0, 1115, 40, BarColor);
    for (int p = 0; p < PageCount; ++p) {
        auto* b =
            Button(bar, PageButtonName(p), QString::fromLatin1(PageCaptions[p]), 6 + p * 78, 6, 74, 28, p, 1);
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

    auto* heading = Add<ColumnHeading>(lo, QStringLiteral("lbEq") + sfx, 126, 8, 560, 16, ch);
    Dress(*heading, lo, false, DimText);
    auto* peq = Add<TMyPEQAllpass>(lo, QStringLiteral("peqPeq") + sfx, 126, 26, 560, 196, ch);
    heading->SetColumnsOf(peq);
    peq->SetChannelNumber(bands);
    // Value fields dark with light text, so the current band's green reads as well as the rest.
    static_cast<vcl::TControl*>(peq)->SetColor(RowColor);
    peq->Font()->SetColor(skin::Colour(skin::FieldText));
    peq->SetLabelColor(DimText);
    peq->SetEditBackColor(skin::Colour(skin::FieldBack));
    peq->SetBypassBackColor(skin::Colour(skin::SwitchBack));
    // Rows are built when first used; each is dressed then.
    peq->SetRowDress([bands](PeqBandEditor& editor, int b) {
        if (b >= bands)
            return;
        vcl::TFont* f = editor.BandLabel(b)->Font();
        f->SetColor(skin::Colour(skin::Legible(skin::RgbOf(f->Color()), skin::RowBack)));
        rz::TRzButton* bypass = editor.BypassButton(b);
        bypass->SetParentFont(false);
        bypass->Font()->SetColor(skin::Colour(skin::SwitchText));
    });
    for (int b = 0; b < bands; ++b)
        Button(lo, QStringLiteral("rzbEq%1").arg(b + 1) + sfx, QString::number(b + 1), 126 + b * 36, 228, 32,
               22, b, ch + 1);
    skin::DressPowerButton(
        *Add<vr::TVrPowerButton>(lo, QStringLiteral("vrbEqShowAll") + sfx, 126, 256, 120, 26, ch),
        skin::LitGreen.lamp);
    skin::DressDemoButton(
        *Add<vr::TVrDemoButton>(lo, QStringLiteral("vrbEqReset") + sfx, 252, 256, 100, 26, ch));
    skin::DressDemoButton(
        *Add<vr::TVrDemoButton>(lo, QStringLiteral("vrbEqBypass") + sfx, 358, 256, 100, 26, ch));

    // Band parameters: three upright faders over their entry boxes.
    Label(lo, QStringLiteral("lbEqParam") + sfx, QString(), 700, 6, 0, ch);
    const char* const quantities[] = {"Freq", "Bw", "Gain"};
    const int maxima[] = {300, 100, 240};
    const int pages[] = {15, 5, 3};
    const int starts[] = {0, 0, 120};
    for (int i = 0; i < 3; ++i) {
        const QString q = QString::fromLatin1(quantities[i]);
        const int x = 696 + i * 64;
        Label(lo, QStringLiteral("lbEq") + q + sfx, QString(), x, 26, 62, ch, DimText);
        Fader(lo, QStringLiteral("isEq") + q + sfx, x + 18, 46, 27, 172, ch, 0, maxima[i], pages[i],
              starts[i]);
        Edit(lo, QStringLiteral("cvdEq") + q + sfx, x, 222, 62, ch, QString(), true);
    }

    Crossover(lo, ch);
}

// Crossover: high-pass ("LowCut") and low-pass ("HighCut") side by side in a channel's lower box.
void Builder::Crossover(vcl::TWinControl* lo, int ch)
{
    const QString sfx = ChannelSuffix(ch);
    const char* const cuts[] = {"LowCut", "HighCut"};
    for (int i = 0; i < 2; ++i) {
        const QString c = QString::fromLatin1(cuts[i]);
        const int x = 896 + i * 86;
        Label(lo, QStringLiteral("lb") + c + QStringLiteral("Freq") + sfx, QString(), x, 6, 84, ch);
        Fader(lo, QStringLiteral("is") + c + QStringLiteral("Freq") + sfx, x + 28, 26, 26, 115, ch, 0, 300,
              15, i == 0 ? 0 : 300);
        Edit(lo, QStringLiteral("cvd") + c + QStringLiteral("Freq") + sfx, x, 144, 82, ch, QString(), true);
        Label(lo, QStringLiteral("lb") + c + QStringLiteral("Slop") + sfx, QString(), x, 172, 84, ch,
              DimText);
        auto* slope = Add<rz::TRzComboBox>(lo, QStringLiteral("rzc") + c + QStringLiteral("Slop") + sfx, x,
                                           190, 82, 22, ch);
        for (const char* s : SlopeNames)
            slope->Items()->Add(QString::fromLatin1(s));
        slope->SetItemIndex(19);
        skin::DressCombo(*slope);
        // Each bypass is a toggle of its own: it stays down until clicked again, whatever the other does.
        Button(lo, QStringLiteral("rzb") + c + QStringLiteral("Bypass") + sfx, QString(), x, 220, 82, 24, ch,
               0, true);
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
    SetColor(layout::FormColor);
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
    layout::CollectShellControls(*this, m_shell);
    Scroller = std::make_unique<MainWindowScroller>(*this, QSize(1118, 720));
    OnResize = vcl::Method(this, &TfmMain::FormResize);
    OnClose = vcl::Method(this, &TfmMain::FormClose);
}
