#pragma once
// The controls the block editors work on, looked up once when the main window is built.

#include "ui/editors/EditorConstants.h"

#include <array>

class LMyFFTDrawPhase;
class LProgressBar;
class TAdvTrackBar;
class TCurvyEdit;
class TiXYPlot;
class TMyPEQAllpass;

namespace rz {
class TRzBmpButton;
class TRzComboBox;
}
namespace vcl {
class TControl;
class TLabel;
class TPaintBox;
class TRadioButton;
class TUpDown;
}
namespace vr {
class TVrDemoButton;
class TVrPowerButton;
}

namespace editors {

// One crossover filter of a channel: the high-pass ("LowCut") or the low-pass ("HighCut").
struct CutControls
{
    TAdvTrackBar* Freq { nullptr };
    TCurvyEdit* FreqEdit { nullptr };
    rz::TRzComboBox* Slope { nullptr };
    rz::TRzBmpButton* Bypass { nullptr };
};

// Every control of one channel that an editor reads or writes. Controls a side lacks (the gate of
// an output, the compressor of an input) stay null; the arrays are indexed by field or block.
struct ChannelControls
{
    // Gain strip, on the channel's page and its twin on the Gain page.
    TAdvTrackBar* Gain { nullptr };
    TAdvTrackBar* GainBackup { nullptr };
    TCurvyEdit* GainEdit { nullptr };
    TCurvyEdit* GainBackupEdit { nullptr };
    rz::TRzBmpButton* Mute { nullptr };
    rz::TRzBmpButton* MuteBackup { nullptr };
    rz::TRzBmpButton* Phase { nullptr };
    rz::TRzBmpButton* PhaseBackup { nullptr };

    // The response plot, its box, its band help line and its view switch.
    LMyFFTDrawPhase* Plot { nullptr };
    vcl::TControl* PlotBox { nullptr };
    vcl::TControl* BandHelp { nullptr };
    vcl::TRadioButton* ShowGain { nullptr };
    vcl::TRadioButton* ShowPhase { nullptr };
    rz::TRzBmpButton* PageButton { nullptr };

    // PEQ: the band editor, the band buttons and the band parameter faders with their boxes.
    TMyPEQAllpass* Peq { nullptr };
    std::array<rz::TRzBmpButton*, MaxBands> Bands {};
    std::array<TAdvTrackBar*, EqFieldCount> EqFaders {};
    std::array<TCurvyEdit*, EqFieldCount> EqEdits {};
    vr::TVrPowerButton* EqShowAll { nullptr };
    vr::TVrDemoButton* EqReset { nullptr };
    vr::TVrDemoButton* EqBypass { nullptr };

    CutControls HighPass;
    CutControls LowPass;

    // Delay: fader, entry box, the marker on its dash line and the time beside it.
    TAdvTrackBar* Delay { nullptr };
    TCurvyEdit* DelayEdit { nullptr };
    vcl::TControl* DelayMarker { nullptr };
    vcl::TControl* DelayLine { nullptr };
    vcl::TControl* DelayTime { nullptr };

    // Block diagram: the channel's name label and its block labels.
    vcl::TLabel* NameLabel { nullptr };
    std::array<vcl::TControl*, DiagramBlockCount> DiagramLabels {};

    // Noise gate of an input; compressor/limiter and routing of an output.
    std::array<TAdvTrackBar*, GateFieldCount> GateFaders {};
    std::array<TCurvyEdit*, GateFieldCount> GateEdits {};
    vcl::TControl* GateLabel { nullptr };
    std::array<TAdvTrackBar*, CompFaderCount> CompFaders {};
    std::array<TCurvyEdit*, CompFieldCount> CompEdits {};
    vcl::TUpDown* CompRatio { nullptr };
    vcl::TUpDown* CompKnee { nullptr };
    vcl::TControl* CompLabel { nullptr };
    rz::TRzBmpButton* RouteA { nullptr };
    rz::TRzBmpButton* RouteB { nullptr };

    // Meters: the page's, the Gain page's and the gate or compressor page's, with the limiter lamps.
    LProgressBar* Level { nullptr };
    LProgressBar* LevelBackup { nullptr };
    LProgressBar* LevelGate { nullptr };
    LProgressBar* LevelComp { nullptr };
    LProgressBar* Limit { nullptr };
    LProgressBar* LimitBackup { nullptr };
    LProgressBar* LimitComp { nullptr };

    // The toggles that overlay this channel's total on plot k (0..9); null where it has none.
    std::array<vr::TVrPowerButton*, PlotCount> OverlayOn {};
};

// The editors' controls of the whole window: each channel's, then those a page holds once.
struct EditorControls
{
    std::array<ChannelControls, ChannelCount> Channels;
    std::array<rz::TRzBmpButton*, PageCount> PageButtons {};

    LMyFFTDrawPhase* GainInPlot { nullptr };
    LMyFFTDrawPhase* GainOutPlot { nullptr };

    TiXYPlot* CompPlot { nullptr };
    vcl::TLabel* CompName { nullptr };
    vcl::TLabel* CompHead { nullptr };
    LProgressBar* LevelCompOut { nullptr };
    LProgressBar* LimitCompOut { nullptr };

    TiXYPlot* GatePlot { nullptr };
    vcl::TLabel* GateName { nullptr };
    vcl::TLabel* GateHead { nullptr };
    LProgressBar* LevelGateIn { nullptr };

    vcl::TPaintBox* Matrix { nullptr };
    std::array<rz::TRzBmpButton*, DelayUnitCount> DelayUnits {};

    ChannelControls& Of(int ch) { return Channels[static_cast<std::size_t>(ch)]; }
    const ChannelControls& Of(int ch) const { return Channels[static_cast<std::size_t>(ch)]; }
};

} // namespace editors
