// kelo's options: --locked, --help and --version, and a usage message for anything else.
#include <gtest/gtest.h>

#include "app/command_line.h"

using kelo::app::CommandLine;
using kelo::app::readCommandLine;

TEST(CommandLine, PlaysUnlockedByDefaultAndLockedOnRequest) {
    EXPECT_EQ(readCommandLine({}).action, CommandLine::Action::Play);
    EXPECT_FALSE(readCommandLine({}).locked);
    EXPECT_TRUE(readCommandLine({"--locked"}).locked);
}

TEST(CommandLine, HelpAndVersionWinAndAnUnknownOptionAsksForUsage) {
    EXPECT_EQ(readCommandLine({"--locked", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine({"--bogus", "--version"}).action, CommandLine::Action::Version);
    const CommandLine unknown = readCommandLine({"--locked", "--lock"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Usage);
    EXPECT_EQ(unknown.unknown, "--lock");
    const CommandLine toolkit =
        readCommandLine({"-platform", "xcb", "--locked", "--display", ":1"});
    EXPECT_EQ(toolkit.action, CommandLine::Action::Play) << "the toolkit's options pass";
    EXPECT_TRUE(toolkit.locked);
    EXPECT_NE(kelo::app::helpText().find("q u i t"), std::string::npos)
        << "the help shows the parent the way out";
}
