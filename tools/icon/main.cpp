// Draws the program's icon at each size a desktop asks for: zq9-icon-generator <folder> <size>...
// writes <folder>/<size>x<size>/zq9-editor.png and the scalable <folder>/scalable/zq9-editor.svg.

#include "IconPainter.h"
#include "PngWriter.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zq9-icon-generator <folder> <size>...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "zq9-icon-generator: a size is 16 to 1024: %s\n", argv[i]);
            return 2;
        }
        const std::string dir = std::string(argv[1]) + "/" + std::to_string(size) + "x" + std::to_string(size);
        const std::string path = dir + "/zq9-editor.png";
        if (!QDir().mkpath(QString::fromStdString(dir)) || !WritePng(PaintEditorIcon(size), path)) {
            std::fprintf(stderr, "zq9-icon-generator: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    // The same drawing as a vector picture, 256 units square.
    const QString scalable = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/scalable");
    const QString svg = scalable + QStringLiteral("/zq9-editor.svg");
    QSvgGenerator generator;
    generator.setFileName(svg);
    generator.setSize(QSize(256, 256));
    generator.setViewBox(QRect(0, 0, 256, 256));
    generator.setTitle(QStringLiteral("ZQ9 DSP Processor Editor"));
    QPainter painter;
    if (!QDir().mkpath(scalable) || !painter.begin(&generator)) {
        std::fprintf(stderr, "zq9-icon-generator: cannot write %s\n", svg.toLocal8Bit().constData());
        return 1;
    }
    PaintEditorIcon(painter, 256.0);
    painter.end();
    return 0;
}
