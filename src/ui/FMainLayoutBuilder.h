#pragma once
// Builds the main window's controls: every control is owned by the window and found by its name. The
// layout's files share it.

#include "ui/FMain.h"

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TUpDown.h"
#include "plot/iXYPlot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/FMainLayoutNames.h"
#include "ui/Skin.h"
#include "ui/editors/TransferPlot.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"
#include "widgets/RzPanel.h"
#include "widgets/VrButtons.h"

namespace layout {

// The window's colours, from the skin.
inline constexpr vcl::TColor FormColor = skin::Colour(skin::FormBack);
inline constexpr vcl::TColor BarColor = skin::Colour(skin::BarBack);
inline constexpr vcl::TColor BoxColor = skin::Colour(skin::UpperBack);
inline constexpr vcl::TColor ParamColor = skin::Colour(skin::LowerBack);
inline constexpr vcl::TColor RowColor = skin::Colour(skin::RowBack);
inline constexpr vcl::TColor TextColor = skin::Colour(skin::Text);
inline constexpr vcl::TColor DimText = skin::Colour(skin::Caption);

// Builds the controls of one window.
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
                       int w = 0, int tag = 0, vcl::TColor colour = TextColor);
    // The look every label of the window shares: transparent, its colour made readable on the parent.
    static void Dress(vcl::TLabel& label, vcl::TWinControl* parent, bool autoSize, vcl::TColor colour);

    rz::TRzGroupBox* Box(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h,
                         vcl::TColor c);

    // Every fader of the window stands upright, Min at the bottom, with the window's shared look.
    TAdvTrackBar* Fader(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h, int tag,
                        int min, int max, int page, int position = 0);

    TCurvyEdit* Edit(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int tag,
                     const QString& text, bool readOnly);

    rz::TRzBmpButton* Button(vcl::TWinControl* parent, const QString& name, const QString& caption, int l,
                             int t, int w, int h, int tag, int group = 0, bool allowAllUp = false);

    LProgressBar* Meter(vcl::TWinControl* parent, const QString& name, int l, int t, int w, int h, int tag,
                        int max);

    // 20 Hz .. 20 kHz of the 4096-point grid of the 96 kHz design rate, -18 .. +18 dB.
    static void Range(LMyFFTDrawPhase* plot);
    // Nine labels k = 1..9 beside a page meter, from its top down (MeterScaleTop).
    void Scale(vcl::TWinControl* parent, const QString& stem, int left,
               std::initializer_list<const char*> texts);
    void Bar();
    // The channel name on the block diagram opens the name dialog when clicked.
    void NameLabelClick(vcl::TLabel& label);
    void ChannelPage(int ch);
    void Crossover(vcl::TWinControl* lo, int ch);
    void GainPage();
    void CompPage();
    void DelayPage();
    void MatrixPage();
    void GatePage();
    void Preset();

    TfmMain& F;
    rz::TRzGroupBox* Main{nullptr};
    int ToggleGroup{1000}; // group numbers of the stand-alone toggle buttons
};

} // namespace layout
