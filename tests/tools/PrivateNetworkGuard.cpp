// The emulator program's tests listen and dial; they run only inside a private network namespace.
#include "support/PrivateNetwork.h"

namespace {
const bool registered = (testsupport::RequirePrivateNetwork(), true);
}
