#pragma once
// The diagrams of the protocol document, drawn in code: the frame layout and a request/reply exchange.

#include <QStringList>

class QPainter;

namespace rs232code {

// Height in layout pixels of the named diagram ("frame" or "sequence"); 0 for an unknown name.
int DiagramHeight(const QString& name);

// Draws the named diagram across width pixels from the painter's origin. labels are the texts the
// diagram writes, in the order the document lists them; missing ones are left blank.
void DrawDiagram(QPainter& painter, const QString& name, const QStringList& labels, int width);

} // namespace rs232code
