#pragma once
// What the block editors work with: the model, the curve sets, where commands go, the suppress-send
// flag, the marks of stale curve copies, the timers of their deferred redraws and the few things of
// the window around them.

#include "device/CommandSender.h"
#include "platform/core/TColor.h"
#include "response/CurveStaleMarks.h"
#include "ui/editors/EditorConstants.h"

#include <QString>

#include <array>

class LUnitControl;
class Plot;

namespace vcl {
class TTimer;
}

namespace editors {

class EditorSet;

// What the editors ask of the window that holds them.
class EditorWindow
{
public:
    virtual ~EditorWindow() = default;

    // The text of a SID_ key in the current language.
    virtual QString Text(const QString& key) const = 0;
    // The page shown (GainPage, a channel, DelayPage, ...).
    virtual int CurrentPage() const = 0;
    // True only during the refresh inside the window's creation: transfer curves are not drawn.
    virtual bool InStartupRefresh() const = 0;
    // The height the window has above its design size.
    virtual int ExtraHeight() const = 0;
    // The link mask of channel ch as the link dialog shows it.
    virtual int LinkMaskOf(int ch) const = 0;
    // The number and name of the preset the device last reported.
    virtual void ShowPreset(const QString& number, const QString& name) = 0;
    virtual void RefreshAll() = 0;
    // The text colour of a cut-off's frequency box while it is dragged on a plot, and at rest.
    virtual vcl::TColor CutTextColour(bool dragged) const = 0;

    // --- the dialogs that show what the editors change ---
    virtual void ShowChannelLinks(int ch, int mask) = 0;
    virtual void ShowWorkMode(int mode, int sineIndex) = 0;
    virtual void ApplyLinks() = 0;
    // Asks whether channel ch's PEQ goes back to its defaults (the dialog resets it on OK).
    virtual void AskPeqReset(int ch) = 0;

    // --- the link to the device ---
    virtual bool IsLinked() const = 0;
    virtual int CurrentPreset() const = 0;
    // Copies channel src onto dst in the device; with reread, every setting is read again after.
    virtual void CopyOnDevice(int src, int dst, bool reread) = 0;
    // Reads every setting of the device again; the link button takes the focus.
    virtual void RereadFromDevice() = 0;

protected:
    EditorWindow() = default;
    EditorWindow(const EditorWindow&) = default;
    EditorWindow& operator=(const EditorWindow&) = default;
};

// The one-shot timers that defer a redraw to the next tick; each fires into its editor.
struct EditorTimers
{
    vcl::TTimer* EqCurve { nullptr };
    vcl::TTimer* HpLpCurve { nullptr };
    vcl::TTimer* CompDisp { nullptr };
    vcl::TTimer* MouseEqCurve { nullptr };
};

struct EditorContext
{
    EditorWindow& Window;
    CommandSender& Sender;
    // Set while controls are written from the model: setters store without sending.
    bool& SuppressSend;
    // The curve sets of InA, InB, Out1..Out6 and the Gain page's input and output plots.
    std::array<Plot*, PlotCount>& Plots;
    CurveStaleMarks& Stale;
    EditorTimers Timers {};
    // The model, once the window made it.
    LUnitControl* Model { nullptr };
    // The editors of one window, for the few that call another.
    EditorSet* Set { nullptr };
};

} // namespace editors
