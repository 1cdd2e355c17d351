#pragma once
// Brings the OPC library's notifications to the user-interface thread: a call made there runs at
// once, a call from any other thread is queued and runs from the event loop, and only while the
// object it is meant for still exists.

#include <functional>
#include <memory>

// A token an object holds while it may receive notifications; dropping it cancels queued ones.
using TiOPCLifeToken = std::shared_ptr<int>;

// Create the queue on the user-interface thread before the library can call back (the items and
// managers do this when they register with the library).
void iOPCPrepareUiThread();
void iOPCRunOnUiThread(std::weak_ptr<int> Life, std::function<void()> Call);
