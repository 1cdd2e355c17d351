// The plot's colour-scheme files (element-only XML: SchemeTypes, SchemeType, Scheme, Properties).
// Loading any file either reads its schemes or raises one of the reader's errors; it always ends,
// and every scheme read keeps a name and only non-empty property paths.

#include "PlotFuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/os/Registry.h"
#include "plot/iXYPlot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The fuzz programs' own scratch folder, which the run cleans up.
QString SchemeFolder()
{
    static const QString folder = QFileInfo(fuzz::ScratchPath({}, ".none")).absolutePath();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnsurePlotApplication();
    QDir().mkpath(SchemeFolder() + QStringLiteral("/config"));
    qputenv("XDG_CONFIG_HOME", (SchemeFolder() + QStringLiteral("/config")).toLocal8Bit());
    vcl::TRegistry registry;
    registry.SetRootKey(vcl::HKEY_CURRENT_USER);
    registry.OpenKey(QStringLiteral("SOFTWARE\\Zarvik\\Themes"), true);
    registry.WriteString(QStringLiteral("Zarvik Defined Theme Path"), SchemeFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(SchemeFolder() + QStringLiteral("/TiXYPlot.xml"));
    fuzz::Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scheme file can be written");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    TiXYPlot plot(nullptr);
    try {
        plot.LoadThemes();
    } catch (const vcl::Exception&) {
    }
    for (int c = 0; c < plot.GetThemeCategoryCount(); ++c)
        for (int s = 0; s < plot.GetThemeCategorySchemeCount(c); ++s)
            fuzz::Require(!plot.GetThemeCategorySchemeIsUser(c, s), "schemes of the library's file are the library's");
    return 0;
}
