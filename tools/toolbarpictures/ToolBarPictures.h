#pragma once
// The plot toolbar's button pictures: our own drawings, one per button, at 24 x 24 and 16 x 16,
// on the mask colour (teal, 0x80 green and blue) that the toolbar leaves out, written as 16-colour
// bitmap files.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace toolbarpictures {

// The base names of the pictures ("AUTO", "PAUSE", ...); the small ones add the prefix "SMALL".
QStringList Names();
// The picture of Name (a base name) at Size pixels square, reduced to the 16 standard colours.
QImage Draw(const QString& Name, int Size);
// A 4-bit bitmap file of an image whose pixels are all standard colours.
QByteArray EncodeBmp4(const QImage& Image);

} // namespace toolbarpictures
