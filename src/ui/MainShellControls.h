#pragma once
// The main window's own controls that its captions, page switch, menus and resizing work on, each
// looked up once when the layout is built. A control freed before the window is forgotten here, so a
// pass over these controls stops at a gone one as it stops at any control that is missing.

#include "ui/editors/EditorConstants.h"

#include <array>
#include <functional>
#include <utility>
#include <vector>

class LMyFFTDrawPhase;
class TAdvTrackBar;
class TMyPEQAllpass;

namespace rz {
class TRzBmpButton;
}
namespace vcl {
class TComponent;
class TControl;
class TLabel;
class TMenuItem;
}

// One step of the window's captions, in the order they are written: a control with the text of a
// key, a polarity button whose text follows its state, a band editor's type names, or the name of the
// channel the Gate or Comp page shows.
struct CaptionStep
{
    enum class Kind { Text, Phase, BandEditor, GateName, CompName };
    Kind What { Kind::Text };
    const char* Key { nullptr };
    vcl::TControl* Control { nullptr };        // Text, GateName, CompName
    rz::TRzBmpButton* Button { nullptr };      // Phase
    TMyPEQAllpass* BandEditor { nullptr };     // BandEditor

    bool Present() const { return Control || Button || BandEditor; }
};

struct MenuCaption
{
    vcl::TMenuItem* Item { nullptr };
    const char* Key { nullptr };
};

class MainShellControls
{
public:
    MainShellControls() = default;
    MainShellControls(const MainShellControls&) = delete;
    MainShellControls& operator=(const MainShellControls&) = delete;

    // Remembers slot as one of the references; it is cleared when its control is freed.
    template <class T>
    void Keep(T*& slot)
    {
        m_kept.emplace_back(static_cast<const vcl::TComponent*>(slot), [&slot] { slot = nullptr; });
    }
    // A component of the window is being freed: every reference to it is cleared.
    void Forget(const vcl::TComponent* gone);

    struct Channel
    {
        LMyFFTDrawPhase* Plot { nullptr };
        vcl::TLabel* Title { nullptr };      // the channel's name over its plot
        vcl::TLabel* StripName { nullptr };  // the channel's name over its gain strip
        vcl::TControl* LevelPanel { nullptr };
        vcl::TControl* NameLabel { nullptr }; // on the block diagram
        TMyPEQAllpass* Peq { nullptr };
        // The Delay page's row.
        TAdvTrackBar* Delay { nullptr };
        vcl::TControl* DelayMarker { nullptr };
        vcl::TControl* DelayLine { nullptr };
        vcl::TControl* DelayTime { nullptr };
        vcl::TControl* DelayName { nullptr };
        // The Matrix page's row: its panel, the blocks from left to right, the two routing buttons
        // of an output.
        vcl::TControl* MatrixRow { nullptr };
        std::vector<vcl::TControl*> Blocks;
        std::array<vcl::TControl*, 2> Routes {};
    };
    std::array<Channel, editors::ChannelCount> Channels;

    // The page buttons and each page's upper and lower box, by page.
    std::array<rz::TRzBmpButton*, editors::PageCount> PageButtons {};
    std::array<vcl::TControl*, editors::PageCount> PageUppers {};
    std::array<vcl::TControl*, editors::PageCount> PageLowers {};

    vcl::TControl* MainArea { nullptr };
    vcl::TControl* FunctionBar { nullptr };
    vcl::TControl* PresetBar { nullptr };
    vcl::TLabel* IdLabel { nullptr };
    LMyFFTDrawPhase* GainInPlot { nullptr };
    LMyFFTDrawPhase* GainOutPlot { nullptr };
    vcl::TControl* DelayInPanel { nullptr };
    vcl::TControl* DelayOutPanel { nullptr };
    vcl::TControl* Matrix { nullptr };
    vcl::TControl* CompPlot { nullptr };
    vcl::TControl* CompName { nullptr };
    vcl::TControl* CompHead { nullptr };
    vcl::TControl* CompMeter { nullptr };
    vcl::TControl* CompLamp { nullptr };
    std::array<vcl::TControl*, 9> CompScale {};
    vcl::TControl* GatePlot { nullptr };
    vcl::TControl* GateName { nullptr };
    vcl::TControl* GateHead { nullptr };
    vcl::TControl* GateMeter { nullptr };
    std::array<vcl::TControl*, 9> GateScale {};

    // The menu items captioned from their keys, in the menu's order; the item that follows the link
    // state; the network setup item; the language items by their tag (Simplified, Traditional, English).
    std::vector<MenuCaption> MenuCaptions;
    vcl::TMenuItem* Connected { nullptr };
    vcl::TMenuItem* NetworkSetup { nullptr };
    std::array<vcl::TMenuItem*, 3> LanguageItems {};

    // The captions after the link button, in the order they are written.
    std::vector<CaptionStep> Captions;

private:
    std::vector<std::pair<const vcl::TComponent*, std::function<void()>>> m_kept;
};
