// The plot's data files (a text table or the compact binary form), rows of values added to every
// channel at once, and the log of those rows.

#include "plot/iPlotComponent.h"
#include "plot/iPlotFileWriting.h"
#include "plot/iXYPlotChannel.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/NumberUtils.h"
#include "platform/core/TStringList.h"
#include "platform/core/TUpdateGuard.h"

#include <cstring>
#include <vector>

using namespace vcl;

namespace {

const QByteArray kCompactHeader = QByteArrayLiteral("Compact Interval");
const QByteArray kCRLF = QByteArrayLiteral("\r\n");
constexpr float kFillValue = 1e38f;
constexpr float kEndMark = 2e38f;

void AppendSingle(QByteArray& Out, double Value)
{
    const float single = static_cast<float>(Value);
    char bytes[4];
    std::memcpy(bytes, &single, 4); // the file is little-endian, as the machine is
    Out.append(bytes, 4);
}

void AppendLine(QByteArray& Out, const QString& Line)
{
    Out.append(AnsiCodec::EncodeToByteArray(Line));
    Out.append(kCRLF);
}

// Adds Field to Line with the separator before every field but the first.
void AppendField(QString& Line, bool& First, QChar Separator, const QString& Field)
{
    if (!First)
        Line += Separator;
    Line += Field;
    First = false;
}

QString PointYText(const TiPlotChannelCustom& Channel, int Index)
{
    if (Channel.GetNull(Index))
        return QStringLiteral("Null");
    if (Channel.GetEmpty(Index))
        return QStringLiteral("Empty");
    return FloatToStr(Channel.GetY(Index));
}

bool IsNullMarker(double Value) { return Value > 1e-301 && Value < 1e-300; }
bool IsEmptyMarker(double Value) { return Value > 1e-302 && Value < 1e-301; }

// The first comma of a field becomes the point numbers are written with.
QString ExchangeDecimal(QString Field)
{
    const qsizetype comma = Field.indexOf(u',');
    if (comma >= 0)
        Field[comma] = u'.';
    return Field;
}

QStringList SplitDataLine(const QString& Line, QChar Separator)
{
    QStringList pieces = Line.split(Separator);
    if (Line.endsWith(Separator))
        pieces.removeLast();
    return pieces;
}

// Reads the compact binary form from its bytes.
class CompactReader
{
public:
    explicit CompactReader(const QByteArray& Bytes) : m_bytes(Bytes) {}

    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    // Bytes up to and including a LF; CR and LF are dropped.
    QString ReadLine()
    {
        QByteArray line;
        while (!AtEnd()) {
            const char c = m_bytes[m_pos++];
            if (c == '\n')
                break;
            if (c != '\r')
                line.append(c);
        }
        return AnsiCodec::Decode(line);
    }

    float ReadSingle()
    {
        if (m_bytes.size() - m_pos < 4)
            throw Exception(QStringLiteral("Invalid Data"));
        float value;
        std::memcpy(&value, m_bytes.constData() + m_pos, 4);
        m_pos += 4;
        return value;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos { 0 };
};

// A value at or above the end-mark threshold (or not a number) ends the data.
bool EndsData(float Value) { return !(Value <= 1.5e38f); }

} // namespace

QChar TiPlotComponent::GetColumnSeparatorChar() const
{
    return FDataFileColumnSeparator == TiPlotDataFileColumnSeparator::ipdfcsTab ? QChar(u'\t') : QChar(u',');
}

// ---------------------------------------------------------------- saving

namespace {

QByteArray DataText(const TiPlotComponent& Plot)
{
    const QChar separator = Plot.GetColumnSeparatorChar();
    QByteArray out;
    QString header;
    bool first = true;
    int rows = 0;
    for (int i = 0; i < Plot.ChannelCount(); ++i) {
        const TiPlotChannelCustom* channel = Plot.Channel(i);
        AppendField(header, first, separator, channel->TitleText() + QStringLiteral("(X)"));
        AppendField(header, first, separator, channel->TitleText() + QStringLiteral("(Y)"));
        rows = std::max(rows, channel->Count());
    }
    AppendLine(out, header);
    for (int r = 0; r < rows; ++r) {
        QString line;
        first = true;
        for (int i = 0; i < Plot.ChannelCount(); ++i) {
            const TiPlotChannelCustom* channel = Plot.Channel(i);
            const bool has = r < channel->Count();
            AppendField(line, first, separator, has ? FloatToStr(channel->GetX(r)) : QString());
            AppendField(line, first, separator, has ? PointYText(*channel, r) : QString());
        }
        AppendLine(out, line);
    }
    return out;
}

QByteArray CompactHeader(int ChannelCount)
{
    QByteArray out = kCompactHeader + kCRLF;
    out += QByteArray::number(ChannelCount) + kCRLF;
    return out;
}

// Row r of every channel: X in rows 0 and 1, Y in every row; the fill value for a missing point.
void AppendCompactRow(QByteArray& Out, const TiPlotComponent& Plot, int Row)
{
    for (int i = 0; i < Plot.ChannelCount(); ++i) {
        const TiPlotChannelCustom* channel = Plot.Channel(i);
        const bool has = Row >= 0 && Row < channel->Count();
        if (Row < 2)
            AppendSingle(Out, has ? channel->GetX(Row) : kFillValue);
        AppendSingle(Out, has ? channel->GetY(Row) : kFillValue);
    }
}

QByteArray DataCompact(const TiPlotComponent& Plot)
{
    QByteArray out = CompactHeader(Plot.ChannelCount());
    int rows = 0;
    for (int i = 0; i < Plot.ChannelCount(); ++i)
        rows = std::max(rows, Plot.Channel(i)->Count());
    for (int r = 0; r < rows; ++r)
        AppendCompactRow(out, Plot, r);
    AppendSingle(out, kEndMark);
    return out;
}

} // namespace

void TiPlotComponent::SaveDataToFile(const QString& FileName)
{
    try {
        iWriteWholeFile(FileName,
                        FDataFileFormat == TiPlotDataFileFormat::ipdffText ? DataText(*this) : DataCompact(*this));
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Data - ") + e.Message());
    }
    FLastDataFileName = FileName;
    if (OnAfterSaveData)
        OnAfterSaveData(this);
}

// ---------------------------------------------------------------- loading

namespace {

void AddMarkedPoint(TiPlotChannelCustom* Channel, double X, const QString& YField)
{
    const QString upper = YField.trimmed().toUpper();
    if (upper == QLatin1String("NULL")) {
        Channel->AddXY(X, 0);
        Channel->SetNull(Channel->Count() - 1, true);
    } else if (upper == QLatin1String("EMPTY")) {
        Channel->AddXY(X, 0);
        Channel->SetEmpty(Channel->Count() - 1, true);
    } else {
        Channel->AddXY(X, StrToFloat(ExchangeDecimal(YField)));
    }
}

void ReadDataPairs(TiPlotComponent& Plot, const TStringList& Lines, QChar Separator)
{
    for (int l = 1; l < Lines.Count(); ++l) {
        const QStringList fields = SplitDataLine(Lines.Strings(l), Separator);
        for (int i = 0; i < fields.size() / 2 && i < Plot.ChannelCount(); ++i) {
            const QString xField = ExchangeDecimal(fields[2 * i]);
            const QString yField = fields[2 * i + 1];
            if (xField.trimmed().isEmpty() || yField.trimmed().isEmpty())
                continue;
            AddMarkedPoint(Plot.Channel(i), StrToFloat(xField), yField);
        }
    }
}

void ReadDataSharedX(TiPlotComponent& Plot, const TStringList& Lines, QChar Separator)
{
    for (int l = 1; l < Lines.Count(); ++l) {
        const QStringList fields = SplitDataLine(Lines.Strings(l), Separator);
        if (fields.isEmpty() || fields[0].trimmed().isEmpty())
            continue;
        const double x = StrToFloat(fields[0]);
        for (int k = 1; k < fields.size() && k - 1 < Plot.ChannelCount(); ++k) {
            if (fields[k].trimmed().isEmpty())
                continue;
            AddMarkedPoint(Plot.Channel(k - 1), x, fields[k]);
        }
    }
}

void ReadDataBinary(TiPlotComponent& Plot, const QByteArray& Bytes)
{
    CompactReader reader(Bytes);
    reader.ReadLine();
    const int slotCount = StrToInt(reader.ReadLine().trimmed());
    // A row of no slots would never move on through the bytes after the header.
    if (slotCount <= 0)
        return;
    for (int r = 0; !reader.AtEnd(); ++r) {
        for (int i = 0; i < slotCount; ++i) {
            const float x = r < 2 ? reader.ReadSingle() : 0.0f;
            if (EndsData(x))
                return;
            const float y = reader.ReadSingle();
            if (EndsData(y))
                return;
            if (x < 9e37f && y < 9e37f && i < Plot.ChannelCount())
                Plot.Channel(i)->AddXY(x, y);
        }
    }
}

} // namespace

void TiPlotComponent::LoadDataFromFile(const QString& FileName)
{
    TUpdateGuard<TiPlotComponent> update(this);
    try {
        const QByteArray bytes = iReadWholeFile(FileName);
        TStringList lines;
        lines.LoadFromBytes(bytes);
        const QString first = lines.Strings(0);
        if (first.compare(QString::fromLatin1(kCompactHeader), Qt::CaseInsensitive) == 0) {
            ReadDataBinary(*this, bytes);
        } else {
            FLoadingSeparator = first.contains(u'\t') ? QChar(u'\t') : QChar(u',');
            if (first.left(3).toUpper() == QLatin1String("(X)"))
                ReadDataSharedX(*this, lines, FLoadingSeparator);
            else
                ReadDataPairs(*this, lines, FLoadingSeparator);
        }
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Data - ") + e.Message());
    }
    FLastDataFileName = FileName;
    if (OnAfterLoadData)
        OnAfterLoadData(this);
}

// ---------------------------------------------------------------- rows and the log

namespace {

void AddMarker(TiPlotChannelCustom* Channel, double X, bool Null)
{
    if (auto* xy = dynamic_cast<TiXYPlotChannel*>(Channel)) {
        Null ? xy->AddNull() : xy->AddEmpty();
    } else if (dynamic_cast<TiPlotChannel*>(Channel)) {
        Channel->AddPoint(X, 0.0, Null, !Null);
    }
}

} // namespace

void TiPlotComponent::AddDataArray(double XValue, const TVariant& Data)
{
    const int dims = Data.IsArray() ? Data.DimCount() : 0;
    if (dims == 1) {
        const int low = Data.LowBound(1);
        const int high = Data.HighBound(1);
        // The whole row is checked first, so a row that cannot be taken adds no point at all.
        if (high - low + 1 > ChannelCount())
            ListIndexError(ChannelCount());
        std::vector<double> values;
        for (int k = low; k <= high; ++k)
            values.push_back(Data.Element({ k }).AsDouble());
        for (int c = 0; c < static_cast<int>(values.size()); ++c) {
            const double v = values[static_cast<std::size_t>(c)];
            if (IsNullMarker(v) || IsEmptyMarker(v))
                AddMarker(Channel(c), XValue, IsNullMarker(v));
            else
                Channel(c)->AddXY(XValue, v);
        }
        ++FLogBufferCount;
    } else if (dims == 2) {
        const int low1 = Data.LowBound(1), high1 = Data.HighBound(1);
        const int low2 = Data.LowBound(2), high2 = Data.HighBound(2);
        if (low1 < 0 || high1 >= ChannelCount())
            ListIndexError(low1 < 0 ? low1 : ChannelCount());
        std::vector<double> values;
        for (int j = low2; j <= high2; ++j)
            for (int i = low1; i <= high1; ++i)
                values.push_back(Data.Element({ i, j }).AsDouble());
        std::size_t next = 0;
        for (int j = low2; j <= high2; ++j) {
            for (int i = low1; i <= high1; ++i) {
                TiPlotChannelCustom* channel = Channel(i);
                const double x = channel->Count() ? channel->GetX(channel->Count() - 1) + XValue : 0.0;
                channel->AddXY(x, values[next++]);
            }
        }
        FLogBufferCount += high2 - low2 + 1;
    } else {
        throw Exception(QStringLiteral("Data Array must be 1 or 2 Dimensions"));
    }
    if (FLoggingActive && FLogBufferCount >= FLogBufferSize)
        FlushLog();
}

void TiPlotComponent::LogActivate(bool Append)
{
    if (FLogFileName.trimmed().isEmpty())
        throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive)
        throw Exception(QStringLiteral("Logging Already Active"));
    if (Append) {
        iCheckFileWritable(FLogFileName);
    } else if (FDataFileFormat == TiPlotDataFileFormat::ipdffText) {
        const QChar separator = GetColumnSeparatorChar();
        QString header = QStringLiteral("(X)");
        for (int i = 0; i < ChannelCount(); ++i)
            header += separator + Channel(i)->TitleText() + QStringLiteral("(Y)");
        QByteArray out;
        AppendLine(out, header);
        iWriteWholeFile(FLogFileName, out);
    } else {
        iWriteWholeFile(FLogFileName, CompactHeader(ChannelCount()));
    }
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotComponent::LogDeactivate()
{
    if (!FLoggingActive)
        throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    if (FLogBufferCount > 0)
        FlushLog();
}

void TiPlotComponent::FlushLog()
{
    const int first = ChannelCount() ? Channel(0)->Count() - FLogBufferCount : 0;
    QByteArray out;
    for (int k = 0; k < FLogBufferCount; ++k) {
        // Rows deleted since they were added are gone: they are left out rather than read.
        const int p = first + k;
        if (p < 0)
            continue;
        if (FDataFileFormat == TiPlotDataFileFormat::ipdffText) {
            const QChar separator = GetColumnSeparatorChar();
            QString line = ChannelCount() && p < Channel(0)->Count() ? FloatToStr(Channel(0)->GetX(p)) : QString();
            for (int i = 0; i < ChannelCount(); ++i) {
                const TiPlotChannelCustom* channel = Channel(i);
                line += separator + (p < channel->Count() ? PointYText(*channel, p) : QString());
            }
            AppendLine(out, line);
        } else {
            AppendCompactRow(out, *this, p);
        }
    }
    iAppendToFile(FLogFileName, out);
    FLogBufferCount = 0;
}

void TiPlotComponent::ClearAllData()
{
    if (FLoggingActive)
        LogDeactivate();
    for (int i = 0; i < ChannelCount(); ++i)
        Channel(i)->Clear();
}
