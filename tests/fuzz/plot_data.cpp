// The plot's data files (a text table, or "Compact Interval" binary). Loading any file either
// adds points or raises "Error Loading Data - ..."; it always ends, and what the plot then holds
// saves and loads into an empty plot with the same point counts.

#include "FuzzSupport.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "plot/iXYPlot.h"

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
    plot.AddChannel();
    try {
        plot.LoadDataFromFile(QString::fromStdString(fuzz::ScratchFile({ data, size }, ".txt")));
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Data - ")), "load failures are wrapped");
    }
    fuzz::Require(!plot.UpdateActive(), "the update block is closed");

    // Titles are the plot's own, so the saved header cannot be read as a shared-X table.
    plot.Channel(0)->SetTitleText(QStringLiteral("a"));
    plot.Channel(1)->SetTitleText(QStringLiteral("b"));
    const QString saved = QString::fromStdString(fuzz::ScratchFile({}, ".saved"));
    plot.SaveDataToFile(saved);
    TiXYPlot again(nullptr);
    again.AddChannel();
    again.LoadDataFromFile(saved);
    for (int i = 0; i < 2; ++i)
        fuzz::Require(again.Channel(i)->Count() == plot.Channel(i)->Count(), "a saved data file loads every point");
    return 0;
}
