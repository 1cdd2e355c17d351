// A channel's own files: its settings, its points as a two-column table, and the log of points
// as they arrive.

#include "plot/iGPPropertyList.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotFileWriting.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/NumberUtils.h"
#include "platform/core/TStringList.h"

using namespace vcl;

namespace {

const QString kChannelPrefix = QStringLiteral("Channel");
constexpr int kMostLogLineBytes = 255;

QByteArray LogLine(const QString& Text)
{
    QByteArray line = AnsiCodec::EncodeToByteArray(Text).left(kMostLogLineBytes);
    line.append("\r\n");
    return line;
}

} // namespace

QChar TiPlotChannelCustom::ColumnSeparator() const
{
    const TiPlotComponent* plot = Plot();
    return plot ? plot->GetColumnSeparatorChar() : QChar(u'\t');
}

void TiPlotChannelCustom::SavePropertiesToFile(const QString& FileName)
{
    try {
        TStringList lines;
        lines.Add(QStringLiteral("File Type = Plot Channel Config"));
        TStringList exclude;
        exclude.Add(kChannelPrefix + QStringLiteral(".Name"));
        const TiPlotComponent* plot = Plot();
        iSaveObjectToStringList(this, kChannelPrefix, &lines, plot && plot->DifferentialPropertySave(), &exclude);
        iWriteWholeFile(FileName, lines.SaveToBytes(TTextEncoding::Ansi));
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
}

void TiPlotChannelCustom::LoadPropertiesFromFile(const QString& FileName)
{
    try {
        TStringList lines;
        lines.LoadFromBytes(iReadWholeFile(FileName));
        QString fileType;
        if (!iExtractNameValue(QStringLiteral("File Type"), fileType, &lines)
            || fileType.trimmed().compare(QStringLiteral("Plot Channel Config"), Qt::CaseInsensitive) != 0)
            throw Exception(QStringLiteral("Incompatible Plot Channel Configuration File Type"));
        iLoadObjectFromStringList(this, kChannelPrefix, &lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
}

void TiPlotChannelCustom::SaveDataToFile(const QString& FileName)
{
    const QChar separator = ColumnSeparator();
    QByteArray out;
    for (int i = 0; i < Count(); ++i) {
        if (GetEmpty(i))
            continue;
        const QString y = GetNull(i) ? QStringLiteral("Null") : FloatToStr(GetY(i));
        out.append(AnsiCodec::EncodeToByteArray(FloatToStr(GetX(i)) + separator + y));
        out.append("\r\n");
    }
    iWriteWholeFile(FileName, out);
}

void TiPlotChannelCustom::LoadDataFromFile(const QString& FileName, bool ClearPreviousData)
{
    if (FLoggingActive)
        LogDeactivate();
    TStringList lines;
    lines.LoadFromBytes(iReadWholeFile(FileName));
    if (ClearPreviousData)
        Clear();
    if (lines.Count() > 0)
        FLoadingSeparator = lines.Strings(0).contains(u'\t') ? QChar(u'\t') : QChar(u',');
    for (int l = 0; l < lines.Count(); ++l) {
        const QString line = lines.Strings(l);
        const qsizetype cut = line.indexOf(FLoadingSeparator);
        const QString x = cut < 0 ? QString() : line.left(cut).trimmed();
        const QString y = cut < 0 ? QString() : line.mid(cut + 1).trimmed();
        if (x.isEmpty())
            continue;
        if (y.compare(QStringLiteral("Null"), Qt::CaseInsensitive) == 0)
            AddPoint(StrToFloat(x), 0.0, true, false);
        else
            AddPoint(StrToFloat(x), StrToFloat(y), false, false);
    }
}

void TiPlotChannelCustom::SetLogFileName(const QString& Value)
{
    if (FLogFileName == Value)
        return;
    if (FLoggingActive) {
        const QString text = QStringLiteral("Log File Name can not be changed while logging is active.");
        const TiPlotComponent* plot = Plot();
        throw Exception(plot ? plot->TranslateString(text) : text);
    }
    FLogFileName = Value;
}

void TiPlotChannelCustom::LogActivate(bool Append)
{
    if (FLogFileName.trimmed().isEmpty())
        throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive)
        throw Exception(QStringLiteral("Logging Already Active"));
    if (Append)
        iCheckFileWritable(FLogFileName);
    else
        iWriteWholeFile(FLogFileName, QByteArray());
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotChannelCustom::LogDeactivate()
{
    if (!FLoggingActive)
        throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    if (FLogBufferCount > 0)
        WriteLogBuffer();
}

void TiPlotChannelCustom::BufferLogPoint()
{
    ++FLogBufferCount;
    if (FLogBufferSize < 2 || FLogBufferCount >= FLogBufferSize)
        WriteLogBuffer();
}

void TiPlotChannelCustom::WriteLogBuffer()
{
    const QChar separator = ColumnSeparator();
    QByteArray out;
    // Points deleted since they were buffered are gone: the write starts at the first one left.
    for (int i = std::max(0, Count() - FLogBufferCount); i < Count(); ++i)
        out.append(LogLine(FloatToStr(GetX(i)) + separator + FloatToStr(GetY(i))));
    iAppendToFile(FLogFileName, out);
    FLogBufferCount = 0;
}
