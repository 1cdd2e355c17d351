// zq9-screenshot <file.png>: writes the whole X screen named by DISPLAY as a PNG, for checking what
// the editor shows under a virtual display.

#include "PngWriter.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zq9-screenshot <file.png>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "zq9-screenshot: no screen\n");
        return 1;
    }
    if (!WritePng(screen->grabWindow(0).toImage(), argv[1])) {
        std::fprintf(stderr, "zq9-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
