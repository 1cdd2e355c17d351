#pragma once
// The process-wide list of live plot-library controls: a 1000 ms timer carries out the repaints
// that the frame-rate limit deferred.

#include "platform/core/TObject.h"

#include <memory>
#include <vector>

namespace vcl {
class TTimer;
}

// What the update object asks of a control.
class IiUpdateClient
{
public:
    virtual bool UpdateClientActive() const = 0;       // an update block is open
    virtual bool UpdateClientNeedsRepaint() const = 0; // a repaint is pending
    virtual int UpdateClientFrameRate() const = 0;
    virtual double UpdateClientLastUpdate() const = 0; // days on the update clock
    virtual void UpdateClientInvalidateNow() = 0;

protected:
    ~IiUpdateClient() = default;
};

class TiUpdateObject : public vcl::TObject
{
public:
    static TiUpdateObject& Instance();

    // The first control enables the timer, the last one leaving disables it.
    void Add(IiUpdateClient* Client);
    // A control that is not registered is ignored.
    void Remove(IiUpdateClient* Client);
    int Count() const { return static_cast<int>(m_clients.size()); }
    bool TimerEnabled() const;

    // One timer tick: every control with no update block, a pending repaint and its frame period
    // passed repaints now. A frame rate of 0 sets no limit.
    void Tick();

private:
    TiUpdateObject();
    ~TiUpdateObject() override;

    std::unique_ptr<vcl::TTimer> m_timer;
    std::vector<IiUpdateClient*> m_clients;
};
