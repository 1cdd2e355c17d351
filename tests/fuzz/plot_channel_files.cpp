// A channel's own files: the same bytes read as its settings file ("File Type = Plot Channel
// Config" and "Channel.<property> = value" lines) and as its two-column data file. A settings load
// either applies or raises "Error Loading Properties - ..."; a data load either adds points or
// raises a conversion error; the points it holds save and load back to the same count.

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
    TiPlotChannelCustom* channel = plot.Channel(0);
    const QString input = fuzz::ScratchPath({ data, size }, ".txt");
    try {
        channel->LoadPropertiesFromFile(input);
    } catch (const vcl::Exception& e) {
        fuzz::Require(e.Message().startsWith(QStringLiteral("Error Loading Properties - ")), "load failures are wrapped");
    }
    try {
        channel->LoadDataFromFile(input, true);
    } catch (const vcl::EConvertError&) {
    }
    int kept = 0;
    for (int i = 0; i < channel->Count(); ++i)
        kept += channel->GetEmpty(i) ? 0 : 1;
    const QString saved = fuzz::ScratchPath({}, ".saved");
    channel->SaveDataToFile(saved);
    channel->LoadDataFromFile(saved, true);
    fuzz::Require(channel->Count() == kept, "a saved data file loads every point it holds");
    return 0;
}
