#pragma once
// The program's icon, drawn in code: a processor front with a response curve and level meters.

#include <QImage>

QImage PaintEditorIcon(int size);
