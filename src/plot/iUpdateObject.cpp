#include "plot/iUpdateObject.h"

#include "plot/iUpdateClock.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TTimer.h"

#include <algorithm>

using namespace vcl;

TiUpdateObject& TiUpdateObject::Instance()
{
    static TiUpdateObject instance;
    return instance;
}

TiUpdateObject::TiUpdateObject() = default;

TiUpdateObject::~TiUpdateObject() = default;

bool TiUpdateObject::TimerEnabled() const { return m_timer && m_timer->Enabled(); }

void TiUpdateObject::Add(IiUpdateClient* Client)
{
    if (!Client || std::find(m_clients.begin(), m_clients.end(), Client) != m_clients.end())
        return;
    m_clients.push_back(Client);
    if (!m_timer) {
        m_timer = std::make_unique<TTimer>(nullptr); // the platform's default 1000 ms
        m_timer->OnTimer = [this](TObject*) { Tick(); };
    }
    m_timer->SetEnabled(true);
}

void TiUpdateObject::Remove(IiUpdateClient* Client)
{
    const auto it = std::find(m_clients.begin(), m_clients.end(), Client);
    if (it == m_clients.end())
        return;
    m_clients.erase(it);
    if (m_clients.empty() && m_timer)
        m_timer->SetEnabled(false);
}

void TiUpdateObject::Tick()
{
    const std::vector<IiUpdateClient*> snapshot = m_clients; // controls may come and go meanwhile
    for (IiUpdateClient* client : snapshot) {
        if (std::find(m_clients.begin(), m_clients.end(), client) == m_clients.end())
            continue;
        if (client->UpdateClientActive() || !client->UpdateClientNeedsRepaint())
            continue;
        const int rate = client->UpdateClientFrameRate();
        if (rate > 0 && !(iUpdateClockNow() > client->UpdateClientLastUpdate() + 1.0 / (rate * 86400.0)))
            continue;
        Guarded([client] { client->UpdateClientInvalidateNow(); });
    }
}
