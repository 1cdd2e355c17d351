// The plot's data files (a text table, or "Compact Interval" binary). Loading any file either
// adds points or raises "Error Loading Data - ..."; it always ends, and what the plot then holds
// saves and loads into an empty plot with the same point counts.

#include "PlotFuzzSupport.h"
#include "platform/core/Exception.h"
#include "plot/iXYPlot.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnsurePlotApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    try {
        plot.LoadDataFromFile(fuzz::ScratchPath({ data, size }, ".txt"));
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Data - ")), "load failures are wrapped");
    }
    fuzz::Require(!plot.UpdateActive(), "the update block is closed");

    // Titles are the plot's own, so the saved header cannot be read as a shared-X table.
    plot.Channel(0)->SetTitleText(QStringLiteral("a"));
    plot.Channel(1)->SetTitleText(QStringLiteral("b"));
    const QString saved = fuzz::ScratchPath({}, ".saved");
    plot.SaveDataToFile(saved);
    TiXYPlot again(nullptr);
    again.AddChannel();
    again.LoadDataFromFile(saved);
    for (int i = 0; i < 2; ++i)
        fuzz::Require(again.Channel(i)->Count() == plot.Channel(i)->Count(), "a saved data file loads every point");
    return 0;
}
