// Draws the window skin: zq9-skin-generator <folder> <source> writes every picture as
// <folder>/<name>.png and <source>, a C++ file that builds the same PNG files into the program.

#include "PngWriter.h"
#include "SkinPainter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

QByteArray SourceOf(const std::vector<SkinPictureSpec>& pictures, const std::vector<QByteArray>& files)
{
    QByteArray out = "// Written by zq9-skin-generator: the skin's pictures as PNG files.\n"
                     "#include \"ui/SkinPictures.h\"\n\nnamespace {\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
        out += "const unsigned char Picture" + QByteArray::number(static_cast<qulonglong>(i)) + "[] = {";
        for (qsizetype k = 0; k < files[i].size(); ++k) {
            if (k % 20 == 0)
                out += "\n    ";
            out += QByteArray::number(static_cast<unsigned char>(files[i][k])) + ',';
        }
        out += "\n};\n";
    }
    out += "} // namespace\n\nnamespace skin {\n\nstd::span<const SkinPicture> SkinPictures()\n{\n"
           "    static const SkinPicture table[] = {\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QByteArray n = QByteArray::number(static_cast<qulonglong>(i));
        out += "        { \"" + pictures[i].name.toLatin1() + "\", Picture" + n + ", sizeof Picture" + n + " },\n";
    }
    out += "    };\n    return table;\n}\n\n} // namespace skin\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zq9-skin-generator <folder> <source>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "zq9-skin-generator: cannot make %s\n", argv[1]);
        return 1;
    }
    const std::vector<SkinPictureSpec> pictures = PaintSkin();
    std::vector<QByteArray> files;
    for (const SkinPictureSpec& p : pictures) {
        const QString path = QDir(folder).filePath(p.name + QStringLiteral(".png"));
        QFile written(path);
        if (!WritePng(p.image, path.toStdString()) || !written.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "zq9-skin-generator: cannot write %s\n", qPrintable(path));
            return 1;
        }
        files.push_back(written.readAll());
    }
    QSaveFile source(QString::fromLocal8Bit(argv[2]));
    if (!source.open(QIODevice::WriteOnly) || source.write(SourceOf(pictures, files)) < 0 || !source.commit()) {
        std::fprintf(stderr, "zq9-skin-generator: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
