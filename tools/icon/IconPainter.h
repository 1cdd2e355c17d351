#pragma once
// The program's icon, drawn in code: a processor front with a response curve and level meters.

#include <QImage>

class QPainter;

// Onto a painter whose square drawing area is size units wide.
void PaintEditorIcon(QPainter& p, double size);
QImage PaintEditorIcon(int size);
