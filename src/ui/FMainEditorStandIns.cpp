// Stand-ins for what the block editors of the main window provide: the refresh of every control from
// the model and the level meters. They do nothing until those editors exist.

#include "ui/FMain.h"

void TfmMain::RefreshAll() {}

void TfmMain::ClearMeters() {}

void TfmMain::OnLevelReply(const BytePacket&) {}
