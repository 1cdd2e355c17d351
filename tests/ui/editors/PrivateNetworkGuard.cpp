// Every test here may build the main window, whose start-up timer opens the connection search.
#include "support/PrivateNetwork.h"

namespace {
const bool registered = (testsupport::RequirePrivateNetwork(), true);
}
