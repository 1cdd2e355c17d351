#include "EmulatorOptions.h"

#include <gtest/gtest.h>

namespace {

EmulatorOptionsResult Parse(std::vector<std::string> args) { return ParseEmulatorOptions(args); }

} // namespace

TEST(EmulatorOptions, DefaultsServeTheDeviceFactoryAddress)
{
    const auto r = Parse({});
    ASSERT_EQ(r.Error, "");
    EXPECT_TRUE(r.Options.Listen);
    EXPECT_EQ(r.Options.ListenAddress, "192.168.2.1");
    EXPECT_EQ(r.Options.ListenPort, 9761);
    EXPECT_EQ(r.Options.DeviceId, 1);
    EXPECT_EQ(r.Options.Identity, "ZQ9 V010");
    EXPECT_TRUE(r.Options.Presets.empty());
    EXPECT_FALSE(r.Options.Pty);
    EXPECT_EQ(r.Options.LogPath, "");
}

TEST(EmulatorOptions, EveryOptionInBothSpellings)
{
    const auto r = Parse({ "--listen", "127.0.0.1:0", "--id=17", "--version", "ZQ9 V011", "--preset", "3=Main Hall",
                           "--preset=30", "--pty", "--log", "-" });
    ASSERT_EQ(r.Error, "");
    EXPECT_EQ(r.Options.ListenAddress, "127.0.0.1");
    EXPECT_EQ(r.Options.ListenPort, 0);
    EXPECT_EQ(r.Options.DeviceId, 17);
    EXPECT_EQ(r.Options.Identity, "ZQ9 V011");
    ASSERT_EQ(r.Options.Presets.size(), 2u);
    EXPECT_EQ(r.Options.Presets[0].Number, 3);
    EXPECT_EQ(r.Options.Presets[0].Name, "Main Hall");
    EXPECT_EQ(r.Options.Presets[1].Number, 30);
    EXPECT_EQ(r.Options.Presets[1].Name, "Preset 30");
    EXPECT_TRUE(r.Options.Pty);
    EXPECT_EQ(r.Options.LogPath, "-");

    const auto off = Parse({ "--listen", "none", "--pty" });
    ASSERT_EQ(off.Error, "");
    EXPECT_FALSE(off.Options.Listen);
    EXPECT_EQ(Parse({ "--listen", "10.1.2.3" }).Options.ListenPort, 9761);
}

TEST(EmulatorOptions, BadValuesAreRefusedWithTheOptionNamed)
{
    const struct
    {
        std::vector<std::string> Args;
        const char* Names;
    } cases[] = {
        { { "--id", "0" }, "--id" },
        { { "--id", "255" }, "--id" },
        { { "--id", "7x" }, "--id" },
        { { "--listen", "127.0.0.1:65536" }, "--listen" },
        { { "--listen", ":9761" }, "--listen" },
        { { "--preset", "0" }, "--preset" },
        { { "--preset", "31=Stage" }, "--preset" },
        { { "--preset", "2=A name far too long" }, "--preset" },
        { { "--version", "" }, "--version" },
        { { "--log" }, "--log" },
        { { "--colour", "red" }, "--colour" },
        { { "stray" }, "stray" },
    };
    for (const auto& c : cases) {
        const auto r = Parse(c.Args);
        EXPECT_NE(r.Error.find(c.Names), std::string::npos) << c.Args[0] << ": " << r.Error;
    }
}
