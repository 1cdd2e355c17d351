#pragma once
// What the plot's fuzz programs share: the widget application a plot control needs, and plot
// files passed through the scratch folder by the names the plot's loaders and savers take.

#include "FuzzSupport.h"

#include "platform/ui/TApplication.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

namespace fuzz {

// Creates the widget application (offscreen), once; it lives as long as the process.
inline void EnsurePlotApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zq9-fuzz";
    static char* argv[] = { name, nullptr };
    new vcl::TApplication(argc, argv);
}

// The scratch file holding the bytes, as a file name for the plot.
inline QString ScratchPath(std::span<const std::uint8_t> bytes, const std::string& extension)
{
    return QString::fromStdString(ScratchFile(bytes, extension));
}

// The bytes of what a plot saved, to be loaded again.
inline std::span<const std::uint8_t> BytesOf(const QByteArray& bytes)
{
    return { reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()) };
}

// What `save` writes when given a scratch file's name.
template <class Save>
QByteArray SavedBy(Save save)
{
    const QString path = ScratchPath({}, ".saved");
    save(path);
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly), "the saved file reads back");
    return file.readAll();
}

} // namespace fuzz
