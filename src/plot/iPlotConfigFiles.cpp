// The plot's configuration file (every object and the control's own properties) and its
// annotation file, both lists of property lines.

#include "plot/iGPPropertyList.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotFileWriting.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/TStringList.h"
#include "platform/core/TUpdateGuard.h"

#include <functional>

using namespace vcl;

namespace {

// A count beyond this is a damaged file, not a plot: it would only make the load run for ever.
constexpr int kMostObjectsOfAKind = 4096;

const char* const kControlExclusions[] = { "Left", "Top",     "Width", "Height", "Align",       "Cursor",     "ShowHint",
                                           "Tag",  "Visible", "Enabled", "Hint", "HelpContext", "HelpKeyword" };

struct KindBlocks
{
    const char* countName;
    const char* prefix;
    std::function<int()> count;
    std::function<TPersistent*(int)> item;
};

std::vector<KindBlocks> Kinds(TiPlotComponent& Plot)
{
    TiPlotComponent* p = &Plot;
    return {
        { "ChannelCount", "Channel", [p] { return p->ChannelCount(); }, [p](int i) -> TPersistent* { return p->Channel(i); } },
        { "XAxisCount", "XAxis", [p] { return p->XAxisCount(); }, [p](int i) -> TPersistent* { return p->XAxis(i); } },
        { "YAxisCount", "YAxis", [p] { return p->YAxisCount(); }, [p](int i) -> TPersistent* { return p->YAxis(i); } },
        { "ToolBarCount", "ToolBar", [p] { return p->ToolBarCount(); }, [p](int i) -> TPersistent* { return p->ToolBar(i); } },
        { "LegendCount", "Legend", [p] { return p->LegendCount(); }, [p](int i) -> TPersistent* { return p->Legend(i); } },
        { "TableCount", "Table", [p] { return p->TableCount(); }, [p](int i) -> TPersistent* { return p->Table(i); } },
        { "LabelCount", "Label", [p] { return p->LabelCount(); }, [p](int i) -> TPersistent* { return p->Label(i); } },
        { "DataViewCount", "DataView", [p] { return p->DataViewCount(); }, [p](int i) -> TPersistent* { return p->DataView(i); } },
        { "DataCursorCount", "DataCursor", [p] { return p->DataCursorCount(); },
          [p](int i) -> TPersistent* { return p->DataCursor(i); } },
        { "LimitCount", "Limit", [p] { return p->LimitCount(); }, [p](int i) -> TPersistent* { return p->Limit(i); } },
    };
}

QString Latin(const char* Text) { return QString::fromLatin1(Text); }

QString CountLine(const QString& Name, int Value)
{
    return Name + QStringLiteral(" = ") + QString::number(Value);
}

// The count on the line Name (0 without one); the line is taken out of Lines.
int ExtractCount(const QString& Name, TStrings* Lines)
{
    QString value;
    if (!iExtractNameValue(Name, value, Lines))
        return 0;
    const int count = StrToInt(value.trimmed());
    if (count > kMostObjectsOfAKind)
        throw EReadError(QStringLiteral("Invalid %s of %d"), Name, count);
    return count;
}

// Runs Fn between DisableLayoutManager/BeginUpdate and EnableLayoutManager/EndUpdate, the closing
// pair also when Fn fails.
template <typename Fn>
void WithLayoutHeld(TiPlotComponent& Plot, Fn&& fn)
{
    Plot.DisableLayoutManager();
    Plot.BeginUpdate();
    struct Release
    {
        TiPlotComponent& plot;
        ~Release()
        {
            plot.EnableLayoutManager();
            plot.EndUpdate();
        }
    } release { Plot };
    fn();
}

} // namespace

void TiPlotComponent::SavePropertiesToFile(const QString& FileName)
{
    try {
        TStringList lines;
        lines.Add(QStringLiteral("File Type = Plot Config"));
        const auto kinds = Kinds(*this);
        for (const KindBlocks& kind : kinds)
            lines.Add(CountLine(Latin(kind.countName), kind.count()));
        lines.Add(CountLine(QStringLiteral("DataViewZHorz"), DataViewZHorz()));
        lines.Add(CountLine(QStringLiteral("DataViewZVert"), DataViewZVert()));
        for (const KindBlocks& kind : kinds)
            for (int i = 0; i < kind.count(); ++i)
                iSaveObjectToStringList(kind.item(i), Latin(kind.prefix) + QString::number(i), &lines,
                                        DifferentialPropertySave());
        TStringList exclude;
        exclude.Add(QStringLiteral("Name"));
        if (!OptionSaveAllProperties())
            for (const char* name : kControlExclusions)
                exclude.Add(Latin(name));
        iSaveObjectToStringList(this, QString(), &lines, DifferentialPropertySave(), &exclude);
        iWriteWholeFile(FileName, lines.SaveToBytes(TTextEncoding::Ansi));
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
    FLastPropertiesFileName = FileName;
    if (OnAfterSaveProperties)
        OnAfterSaveProperties(this);
}

void TiPlotComponent::LoadPropertiesFromFile(const QString& FileName)
{
    if (OnBeforeLoadProperties)
        OnBeforeLoadProperties(this);
    try {
        TStringList lines;
        lines.LoadFromBytes(iReadWholeFile(FileName));
        QString fileType;
        if (!iExtractNameValue(QStringLiteral("File Type"), fileType, &lines)
            || fileType.trimmed().compare(QStringLiteral("Plot Config"), Qt::CaseInsensitive) != 0)
            throw Exception(QStringLiteral("Incompatible Plot Configuration File Type"));
        WithLayoutHeld(*this, [&] {
            std::vector<int> counts;
            const auto kinds = Kinds(*this);
            for (const KindBlocks& kind : kinds)
                counts.push_back(ExtractCount(Latin(kind.countName), &lines));
            QString z;
            if (iExtractNameValue(QStringLiteral("DataViewZHorz"), z, &lines))
                SetDataViewZHorz(StrToInt(z.trimmed()));
            if (iExtractNameValue(QStringLiteral("DataViewZVert"), z, &lines))
                SetDataViewZVert(StrToInt(z.trimmed()));

            RemoveAllLegends();
            RemoveAllTables();
            RemoveAllLabels();
            RemoveAllLimits();
            RemoveAllXAxes();
            RemoveAllYAxes();
            RemoveAllDataViews();
            RemoveAllChannels();
            RemoveAllAnnotations();
            RemoveAllDataCursors();

            auto block = [&](TPersistent* object, const char* prefix, int i) {
                iLoadObjectFromStringList(object, Latin(prefix) + QString::number(i), &lines);
            };
            for (int i = 0; i < counts[0]; ++i) {
                TiPlotChannelCustom* channel = Channel(AddChannel());
                channel->SetColor(clRed);
                block(channel, "Channel", i);
            }
            for (int i = 0; i < counts[1]; ++i)
                block(XAxis(AddXAxis()), "XAxis", i);
            for (int i = 0; i < counts[2]; ++i)
                block(YAxis(AddYAxis()), "YAxis", i);
            for (int i = 0; i < counts[3] && ToolBarCount() > 0; ++i)
                block(ToolBar(0), "ToolBar", i);
            for (int i = 0; i < counts[4]; ++i)
                block(Legend(AddLegend()), "Legend", i);
            for (int i = 0; i < counts[5]; ++i)
                block(Table(AddTable()), "Table", i);
            for (int i = 0; i < counts[6]; ++i)
                block(i == 0 && LabelCount() > 0 ? Label(0) : Label(AddLabel()), "Label", i);
            for (int i = 0; i < counts[7]; ++i)
                block(DataView(AddDataView()), "DataView", i);
            for (int i = 0; i < counts[8]; ++i)
                block(DataCursor(AddDataCursor()), "DataCursor", i);
            for (int i = 0; i < counts[9]; ++i)
                block(Limit(AddLimit()), "Limit", i);
            iLoadObjectFromStringList(this, QString(), &lines);
        });
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
    FLastPropertiesFileName = FileName;
    if (OnAfterLoadProperties)
        OnAfterLoadProperties(this);
}

void TiPlotComponent::SaveAnnotationsToFile(const QString& FileName)
{
    try {
        TStringList lines;
        lines.Add(CountLine(QStringLiteral("AnnotationCount"), AnnotationCount()));
        for (int i = 0; i < AnnotationCount(); ++i)
            iSaveObjectToStringList(Annotation(i), QStringLiteral("Annotation") + QString::number(i), &lines, true);
        iWriteWholeFile(FileName, lines.SaveToBytes(TTextEncoding::Ansi));
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Annotations - ") + e.Message());
    }
}

void TiPlotComponent::LoadAnnotationsFromFile(const QString& FileName)
{
    try {
        TStringList lines;
        lines.LoadFromBytes(iReadWholeFile(FileName));
        TUpdateGuard<TiPlotComponent> update(this);
        RemoveAllAnnotations();
        const int count = ExtractCount(QStringLiteral("AnnotationCount"), &lines);
        for (int i = 0; i < count; ++i)
            iLoadObjectFromStringList(Annotation(AddAnnotation()), QStringLiteral("Annotation") + QString::number(i),
                                      &lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Annotations - ") + e.Message());
    }
}
