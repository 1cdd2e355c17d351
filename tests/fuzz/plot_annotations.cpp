// The plot's annotation files ("AnnotationCount = n" and "Annotation<i>.<property> = value"
// lines). Loading any file either sets the annotations or raises "Error Loading Annotations - ...",
// never building more annotations than a plot can hold; a saved file loads and saves unchanged.

#include "PlotFuzzSupport.h"
#include "platform/core/Exception.h"
#include "plot/iXYPlot.h"

namespace {

QByteArray savedBy(TiXYPlot& plot)
{
    return fuzz::SavedBy([&](const QString& path) { plot.SaveAnnotationsToFile(path); });
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
        plot.LoadAnnotationsFromFile(fuzz::ScratchPath({ data, size }, ".txt"));
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Annotations - ")), "load failures are wrapped");
    }
    fuzz::Require(plot.AnnotationCount() <= 4096, "a damaged count builds no runaway list");
    const QByteArray first = savedBy(plot);
    TiXYPlot again(nullptr);
    again.LoadAnnotationsFromFile(fuzz::ScratchPath(fuzz::BytesOf(first), ".copy"));
    fuzz::Require(savedBy(again) == first, "a saved annotation file loads and saves unchanged");
    return 0;
}
