// The plot's annotation files ("AnnotationCount = n" and "Annotation<i>.<property> = value"
// lines). Loading any file either sets the annotations or raises "Error Loading Annotations - ...",
// never building more annotations than a plot can hold; a saved file loads and saves unchanged.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "plot/iXYPlot.h"

#include <QFile>

namespace {

QByteArray savedBy(TiXYPlot& plot)
{
    const std::string path = fuzz::ScratchFile({}, ".saved");
    plot.SaveAnnotationsToFile(QString::fromStdString(path));
    QFile file(QString::fromStdString(path));
    fuzz::Require(file.open(QIODevice::ReadOnly), "the saved file reads back");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zq9-fuzz";
    static char* argv[] = { name, nullptr };
    new vcl::TApplication(argc, argv); // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TiXYPlot plot(nullptr);
    try {
        plot.LoadAnnotationsFromFile(QString::fromStdString(fuzz::ScratchFile({ data, size }, ".txt")));
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Annotations - ")), "load failures are wrapped");
    }
    fuzz::Require(plot.AnnotationCount() <= 4096, "a damaged count builds no runaway list");
    const QByteArray first = savedBy(plot);
    TiXYPlot again(nullptr);
    const std::string copy = fuzz::ScratchFile({ reinterpret_cast<const std::uint8_t*>(first.constData()),
                                                 static_cast<std::size_t>(first.size()) }, ".copy");
    again.LoadAnnotationsFromFile(QString::fromStdString(copy));
    fuzz::Require(savedBy(again) == first, "a saved annotation file loads and saves unchanged");
    return 0;
}
