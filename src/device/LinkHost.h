#pragma once
// What the device model needs of the main window: sending, the device ID, the suppress flag, curve marks.

class LCmd;

class LinkHost
{
public:
    virtual ~LinkHost() = default;

    // Frames (when framed) and queues the command on the open transport; does nothing when none is open.
    virtual void SendCommand(const LCmd& cmd, int mode, bool framed) = 0;
    // The address byte every command carries.
    virtual int GetDeviceId() const = 0;
    // True while controls are refreshed from the model: setters then store without sending.
    virtual bool IsSendSuppressed() const = 0;
    // The channel's response curve copies must be rebuilt before they are shown again.
    virtual void MarkCurveStale(int channel) = 0;

protected:
    LinkHost() = default;
    LinkHost(const LinkHost&) = default;
    LinkHost& operator=(const LinkHost&) = default;
};
