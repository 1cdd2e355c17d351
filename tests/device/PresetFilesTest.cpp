#include "RecordingLinkHost.h"

#include "device/LUnitControl.h"
#include "device/PresetFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("zq9-files-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static BytePacket ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return BytePacket(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteAll(const std::string& path, const BytePacket& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string Text(const BytePacket& b, std::size_t from, std::size_t n)
    {
        return std::string(b.begin() + static_cast<std::ptrdiff_t>(from), b.begin() + static_cast<std::ptrdiff_t>(from + n));
    }

    fs::path dir;
};

} // namespace

TEST(FileNameRule, AppliesToTheBaseNameOnly)
{
    struct Case { const char* chosen; const char* letters; const char* result; };
    const Case cases[] = {
        {"/d/set", "unt", "/d/set.unt"},
        {"/d/set.unt", "unt", "/d/set.unt"},
        {"/d/set.UNT", "unt", "/d/set.unt"},
        {"/d/set.Unt", "unt", "/d/set.Unt.unt"},
        {"/d/set.unt.bak", "unt", "/d/set.unt"},
        {"/d/a.b", "unt", "/d/a.b.unt"},
        {"/d/x.unt.d/set", "unt", "/d/x.unt.d/set.unt"},
        {"/d/x.prs/p.PRS", "prs", "/d/x.prs/p.prs"},
        {"plain", "prs", "plain.prs"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyFileNameRule(c.chosen, c.letters), c.result) << c.chosen;
}

TEST_F(FileTest, PresetFileOfDefaultImage)
{
    const LUnitControl unit;
    ASSERT_EQ(SavePresetFile(unit, Path("p")), FileResult::Ok);
    const BytePacket bytes = ReadAll(Path("p.prs"));
    ASSERT_EQ(bytes.size(), 724u);
    EXPECT_EQ(Text(bytes, 0, 16), "*****ZQ9V010****");
    EXPECT_EQ(Text(bytes, 16, 14), "Default Preset");
    EXPECT_EQ(Text(bytes, 30, 8), std::string("InA\0\0\0\0\0", 8));
    EXPECT_TRUE(std::equal(bytes.begin() + 16, bytes.begin() + 722, DefaultPresetImage.begin() + 2));
    EXPECT_EQ(bytes[722], 0x0D);
    EXPECT_EQ(bytes[723], 0x0A);
    EXPECT_EQ(SavePresetFile(unit, ""), FileResult::Cancelled);
}

TEST_F(FileTest, PresetFileRoundTripsAndRefusesForeignFiles)
{
    LUnitControl saved;
    saved.SetGain(4, 123);
    saved.SetPeq(0, 7, PeqBand {1, 2, 3, 4}, false);
    ASSERT_EQ(SavePresetFile(saved, Path("a.prs")), FileResult::Ok);
    const BytePacket good = ReadAll(Path("a.prs"));

    RecordingLinkHost host;
    LUnitControl unit;
    unit.SetLinkHost(&host);
    unit.SetSender(&host);
    ASSERT_EQ(OpenPresetFile(unit, Path("a.prs")), FileResult::Ok);
    EXPECT_EQ(unit.GetGain(4), 123);
    EXPECT_EQ(unit.GetPeq(0, 7), (PeqBand {1, 2, 3, 4}));
    EXPECT_EQ(host.sent.size(), 149u);

    BytePacket shortFile(good.begin(), good.end() - 1);
    BytePacket longFile = good;
    longFile.push_back(0);
    BytePacket foreign = good;
    foreign[9] = 'A';
    const std::pair<const char*, BytePacket> bad[] = {{"short.prs", shortFile}, {"long.prs", longFile},
                                                      {"foreign.prs", foreign}, {"empty.prs", {}}};
    LUnitControl fresh;
    fresh.SetLinkHost(&host);
    fresh.SetSender(&host);
    host.sent.clear();
    for (const auto& [name, bytes] : bad) {
        WriteAll(Path(name), bytes);
        EXPECT_EQ(OpenPresetFile(fresh, Path(name)), FileResult::ErrorFile) << name;
    }
    EXPECT_EQ(OpenPresetFile(fresh, Path("missing.prs")), FileResult::ErrorFile);
    EXPECT_EQ(fresh.GetImage(), DefaultPresetImage);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(FileTest, UnwritableTargetIsReportedNotSilent)
{
    const LUnitControl unit;
    EXPECT_EQ(SavePresetFile(unit, Path("no-such-folder/p")), FileResult::ErrorFile);
    EXPECT_EQ(unit.SaveUnitFile(Path("no-such-folder/u")), FileResult::ErrorFile);
    fs::create_directories(dir / "taken.unt");
    EXPECT_EQ(unit.SaveUnitFile(Path("taken")), FileResult::ErrorFile);
    EXPECT_EQ(FileResultSid(FileResult::ErrorFile), "SID_INFO_ERROR_FILE");
    EXPECT_EQ(FileResultSid(FileResult::ErrorDownload), "SID_INFO_ERROR_DOWNLAOD");
    EXPECT_EQ(FileResultSid(FileResult::Ok), "");
}

TEST_F(FileTest, UnitFileWithoutAndWithStoredPresets)
{
    LUnitControl unit;
    ASSERT_EQ(unit.SaveUnitFile(Path("empty.UNT")), FileResult::Ok);
    const BytePacket empty = ReadAll(Path("empty.unt"));
    ASSERT_EQ(empty.size(), 21634u);
    EXPECT_EQ(Text(empty, 0, 16), "*****ZQ9V010****");
    for (std::size_t k = 0; k < 30; ++k) {
        const std::size_t at = 34 + 720 * k;
        EXPECT_EQ(Text(empty, at, 718), std::string(718, 'd')) << k;
        EXPECT_EQ(Text(empty, at + 718, 2), "\r\n") << k;
    }

    BytePacket info(18);
    for (std::size_t i = 0; i < 18; ++i)
        info[i] = static_cast<std::uint8_t>(0xA0 + i);
    unit.OnDeviceInfo(info);
    BytePacket flags(30, 0);
    flags[6] = 0xFF;
    unit.SetPresetUsedFlags(flags);
    std::array<std::uint8_t, 750> dump {};
    dump[0] = 0xFF;
    dump[1] = 0x42;
    dump[716] = 0x77;
    dump[717] = 0x99; // not stored
    for (int b = 0; b < 15; ++b) {
        BytePacket p {static_cast<std::uint8_t>(b)};
        p.insert(p.end(), dump.begin() + 50 * b, dump.begin() + 50 * b + 50);
        unit.OnStoredPresetDumpBlock(7, p);
    }
    ASSERT_EQ(unit.SaveUnitFile(Path("full")), FileResult::Ok);
    const BytePacket full = ReadAll(Path("full.unt"));
    ASSERT_EQ(full.size(), 21634u);
    EXPECT_TRUE(std::equal(info.begin(), info.end(), full.begin() + 16));
    const std::size_t rec = 34 + 720 * 6;
    EXPECT_EQ(full[rec], 7);
    EXPECT_EQ(full[rec + 1], 0xFF);
    EXPECT_EQ(full[rec + 2], 0x42);
    EXPECT_EQ(full[rec + 717], 0x77);
    EXPECT_EQ(Text(full, rec + 718, 2), "\r\n");
    EXPECT_EQ(full[rec - 3], 'd');

    UnitFileContents contents;
    ASSERT_EQ(ReadUnitFile(Path("full.unt"), contents), FileResult::Ok);
    EXPECT_EQ(contents.UsedRecordCount(), 1);
    EXPECT_EQ(contents.Info[0], 0xA0);
    EXPECT_EQ(contents.Records[6][0], 7);
}

TEST_F(FileTest, UnitFileReaderBounds)
{
    LUnitControl unit;
    ASSERT_EQ(unit.SaveUnitFile(Path("u")), FileResult::Ok);
    const BytePacket good = ReadAll(Path("u.unt"));

    struct Case { const char* name; std::size_t size; bool identityOk; FileResult result; };
    const Case cases[] = {
        {"at-limit.unt", 21573, true, FileResult::ErrorDownload},
        {"just-over.unt", 21574, true, FileResult::Ok},
        {"foreign.unt", 21634, false, FileResult::ErrorDownload},
        {"long.unt", 21634 + 720 * 2, true, FileResult::Ok},
    };
    for (const auto& c : cases) {
        BytePacket bytes = good;
        bytes.resize(c.size, 0xFF); // extra records would all count as used
        if (!c.identityOk)
            bytes[0] = '#';
        WriteAll(Path(c.name), bytes);
        UnitFileContents contents;
        contents.Records[29].fill(0xFF); // left over from an earlier read
        EXPECT_EQ(ReadUnitFile(Path(c.name), contents), c.result) << c.name;
        if (c.result == FileResult::Ok) {
            EXPECT_EQ(contents.UsedRecordCount(), 0) << c.name; // at most 30 records
            EXPECT_EQ(contents.Records[29][700], c.size < 21634 ? 0x00 : 'd') << c.name; // slots cleared first
        }
    }
    UnitFileContents contents;
    EXPECT_EQ(ReadUnitFile(Path("missing.unt"), contents), FileResult::ErrorDownload);
}
