#include "controls/PeqEntry.h"

#include "device/ValueGrids.h"

#include <gtest/gtest.h>

#include <limits>

#include <optional>

namespace {

constexpr std::optional<int> Refused = std::nullopt;

struct EntryCase
{
    const char* text;
    std::optional<int> stored;
};

} // namespace

TEST(PeqEntry, TypedFrequency)
{
    const EntryCase cases[] = {
        { "1kHz", 170 }, { "1k", 170 }, { "1000", 170 }, { "1.5k", 188 }, { "2.5k", 210 }, { "20000", 300 },
        { "100000", 300 }, { "10", 0 }, { "1,5k", 170 }, { "1KHZ", 170 }, { "1000hz", 170 }, { "977.2", 169 },
        { "0.0", 0 }, { "00", 0 }, { ",5", 0 }, // read as zero: the grid's lowest index
        { "", Refused }, { ".", Refused }, { "0", Refused }, { "500 Hz", Refused }, { "1.2.3", Refused },
        { "abc", Refused }, { "-50", Refused }, { "1e3", Refused },
    };
    for (const EntryCase& c : cases)
        EXPECT_EQ(ParsePeqFreqEntry(c.text), c.stored) << c.text;
}

TEST(PeqEntry, TypedQ)
{
    const EntryCase cases[] = {
        { "200", 100 }, { "128", 100 }, { "0.3", 0 }, { "0.4", 0 }, { "1", 16 }, { "3", 35 }, { "0.0", 0 },
        { "1,9", 16 }, { "0", Refused }, { "", Refused }, { ".", Refused }, { "1.2.", Refused }, { "q", Refused },
        { "-3", Refused },
    };
    for (const EntryCase& c : cases)
        EXPECT_EQ(ParsePeqQEntry(c.text), c.stored) << c.text;
}

TEST(PeqEntry, TypedGain)
{
    const EntryCase cases[] = {
        { "3.47dB", 34 }, { "3.47", 34 }, { "-15", -120 }, { "15dB", 120 }, { ".5", 5 }, { "0", 0 }, { "0dB", 0 },
        { "-3.4DB", -34 }, { "12", 120 }, { "-0.5db", -5 }, { "1,5", 10 }, { "5-", 50 },
        { "5.", Refused }, { "-", Refused }, { ".", Refused }, { "", Refused }, { "--1", Refused },
        { "1.2.3", Refused }, { "x1", Refused }, { "dB", Refused },
    };
    for (const EntryCase& c : cases)
        EXPECT_EQ(ParsePeqGainEntry(c.text), c.stored) << c.text;
}

TEST(PeqEntry, SimpleEditorEntry)
{
    const EntryCase freq[] = { { "2.5k", 210 }, { "20000hz", 300 }, { "0", Refused }, { "1.2.3", Refused },
                               { "1,5k", Refused }, { "100", 70 } };
    for (const EntryCase& c : freq)
        EXPECT_EQ(ParseSimpleFreqEntry(c.text), c.stored) << c.text;
    const EntryCase q[] = { { "3", 35 }, { "1", 16 }, { "500", 100 }, { "0", Refused }, { "1,0", Refused } };
    for (const EntryCase& c : q)
        EXPECT_EQ(ParseSimpleQEntry(c.text), c.stored) << c.text;
    const EntryCase gain[] = { { "-20dB", -24 }, { "3.75", 7 }, { "3.5", 7 }, { "3.2", 6 }, { "-3.7", -7 },
                               { "20", 24 }, { "-.7", -1 }, { "5.", Refused }, { "-", Refused },
                               { "5-3", Refused }, { "-.3", Refused }, { ".3", Refused } };
    for (const EntryCase& c : gain)
        EXPECT_EQ(ParseSimpleGainEntry(c.text), c.stored) << c.text;
}

TEST(PeqEntry, Texts)
{
    EXPECT_EQ(PeqFreqText(IndexToFreq(0)), "19.7Hz");
    EXPECT_EQ(PeqFreqText(IndexToFreq(169)), "977.2Hz");
    EXPECT_EQ(PeqFreqText(IndexToFreq(170)), "1.00KHz");
    EXPECT_EQ(PeqFreqText(IndexToFreq(300)), "20.16KHz");
    EXPECT_EQ(PeqFreqText(IndexToFreq(210)), "2.52KHz");
    EXPECT_EQ(PeqQText(0), "0.40");
    EXPECT_EQ(PeqQText(1), "0.42");
    EXPECT_EQ(PeqQText(35), "3.00");
    EXPECT_EQ(PeqQText(60), "12.70");
    EXPECT_EQ(PeqQText(100), "128.00");
    EXPECT_EQ(PeqQText(250), "128.00") << "index beyond the table";
    EXPECT_EQ(PeqGainText(0), "0dB");
    EXPECT_EQ(PeqGainText(-34 * 0.1), "-3.4dB");
    EXPECT_EQ(PeqGainText(120 * 0.1), "12dB");
    EXPECT_EQ(PeqGainText(-3.47), "-3.47dB");
}

TEST(PeqEntry, GridPosition)
{
    struct Case
    {
        double hz;
        int position;
    };
    const Case cases[] = {
        { 1000, 0 }, { 1100, 4 }, { 1195, 8 }, { 500, -30 }, { 2000, 30 }, { 0, -170 }, { -5, -170 },
        { 40000, 160 }, // beyond the grid: not clamped
        { std::numeric_limits<double>::infinity(), 100000 }, // far beyond, yet index arithmetic stays in range
    };
    for (const Case& c : cases)
        EXPECT_EQ(PeqGridPosition(c.hz), c.position) << c.hz;
    for (int index = -10; index <= 310; ++index)
        ASSERT_EQ(PeqGridPosition(IndexToFreq(index)), index - 170) << index;
}
