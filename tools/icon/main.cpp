// Draws the program's icon at each size a desktop asks for: zq9-icon-generator <folder> <size>...
// writes <folder>/<size>x<size>/zq9-editor.png.

#include "IconPainter.h"
#include "PngWriter.h"

#include <QDir>

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
    return 0;
}
