#pragma once
// Writes an image as an RGBA PNG file through libpng.

#include <QImage>

#include <string>

// False when the file cannot be written.
bool WritePng(const QImage& image, const std::string& path);
