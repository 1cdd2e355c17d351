#pragma once
// Edits routing and linking: the routing matrix toggles and lines, the block diagram's labels,
// the link masks, the page captions of linked channels and the channel copy.

#include "ui/editors/BlockEditor.h"

namespace vcl {
class TObject;
}

namespace editors {

class LinkEditor : public BlockEditor
{
public:
    LinkEditor(EditorContext& context, EditorControls& controls) : BlockEditor(context, controls) {}

    // An output's InA or InB routing toggle (its Tag the input) was clicked.
    void RouteClick(vcl::TObject* Sender, int ch);
    void DrawMatrixLines();
    // A block label of the diagram opens the page that edits its block.
    void OpenPageFromDiagram(int page);
    void SetLinkMask(int ch, int mask);
    // A follower's page button reads e.g. "2=1"; a master's or a single channel's its own name.
    void SetMenuCaption(int master, int ch);
    // Copies src's settings to dst's link group: by the device online, in the model offline.
    void CopyChannel(int src, int dst, bool reread);
    void RereadAfterLink();
};

} // namespace editors
