#pragma once
// What the device model needs of the screen that shows it: the suppress flag and curve marks.

class LinkHost
{
public:
    virtual ~LinkHost() = default;

    // True while controls are refreshed from the model: setters then store without sending.
    virtual bool IsSendSuppressed() const = 0;
    // The channel's response curve copies must be rebuilt before they are shown again.
    virtual void MarkCurveStale(int channel) = 0;

protected:
    LinkHost() = default;
    LinkHost(const LinkHost&) = default;
    LinkHost& operator=(const LinkHost&) = default;
};
