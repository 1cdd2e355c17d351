// A plot's properties file ("path = value" lines). Loading any file either applies it or raises
// "Error Loading Properties - ..."; whatever a plot took from it, it saves, and that saved file
// loads into a new plot that saves it again unchanged.

#include "PlotFuzzSupport.h"
#include "platform/core/Exception.h"
#include "plot/iXYPlot.h"

namespace {

QByteArray savedBy(TiXYPlot& plot)
{
    return fuzz::SavedBy([&](const QString& path) { plot.SavePropertiesToFile(path); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnsurePlotApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TiXYPlot plot(nullptr);
    try {
        plot.LoadPropertiesFromFile(fuzz::ScratchPath({ data, size }, ".txt"));
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Properties - ")), "load failures are wrapped");
    }
    const QByteArray first = savedBy(plot);

    TiXYPlot again(nullptr);
    again.LoadPropertiesFromFile(fuzz::ScratchPath(fuzz::BytesOf(first), ".copy"));
    fuzz::Require(savedBy(again) == first, "a saved properties file loads and saves unchanged");
    return 0;
}
