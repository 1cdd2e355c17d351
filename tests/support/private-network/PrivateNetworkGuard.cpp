// Linked into every test program that may build the main window (whose start-up timer opens the
// connection search) or listen and dial as the emulator does: it runs only in a private network.
#include "support/PrivateNetwork.h"

namespace {
const bool registered = (testsupport::RequirePrivateNetwork(), true);
}
