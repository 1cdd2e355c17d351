#pragma once
// Draws every picture of the window skin: button and page-button faces for each state and the
// start-up picture.

#include <QImage>
#include <QString>

#include <vector>

struct SkinPictureSpec
{
    QString name;
    QImage image;
};

// Every picture, in a fixed order, under the name the windows ask for.
std::vector<SkinPictureSpec> PaintSkin();
