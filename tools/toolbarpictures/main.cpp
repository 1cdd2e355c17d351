// Draws the plot toolbar's button pictures: zq9-toolbar-pictures <folder> writes <NAME>.bmp (24 x 24)
// and SMALL<NAME>.bmp (16 x 16) for every button.

#include "ToolBarPictures.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <utility>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zq9-toolbar-pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (const QString& name : toolbarpictures::Names()) {
        for (auto [prefix, size] : { std::pair<const char*, int>("", 24), { "SMALL", 16 } }) {
            QFile file(folder + QLatin1Char('/') + QLatin1String(prefix) + name + QStringLiteral(".bmp"));
            const QByteArray bytes = toolbarpictures::EncodeBmp4(toolbarpictures::Draw(name, size));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
