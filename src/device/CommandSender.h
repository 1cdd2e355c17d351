#pragma once
// Where commands for the device go: the open link's send path.

class LCmd;

class CommandSender
{
public:
    virtual ~CommandSender() = default;

    // Frames (when framed) and queues the command on the open transport; does nothing when none is open.
    virtual void SendCommand(const LCmd& cmd, int mode, bool framed) = 0;
    // The address byte every command carries.
    virtual int GetDeviceId() const = 0;

protected:
    CommandSender() = default;
    CommandSender(const CommandSender&) = default;
    CommandSender& operator=(const CommandSender&) = default;
};
