// kelo's options: --locked, --help and --version; the toolkit's own are the toolkit's to judge.
#include <gtest/gtest.h>

#include "app/command_line.h"

using kelo::app::CommandLine;
using kelo::app::leftByToolkit;
using kelo::app::readCommandLine;

TEST(CommandLine, PlaysUnlockedAndSilentByDefaultLockedOrSpeakingOnRequest) {
    EXPECT_EQ(readCommandLine({}).action, CommandLine::Action::Play);
    EXPECT_FALSE(readCommandLine({}).locked);
    EXPECT_FALSE(readCommandLine({}).voice);
    const CommandLine both = readCommandLine({"--voice", "--locked"});
    EXPECT_TRUE(both.locked && both.voice);
    EXPECT_TRUE(both.forToolkit.empty());
    EXPECT_NE(kelo::app::helpText().find("--voice"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionWinAndTheToolkitJudgesTheRest) {
    EXPECT_EQ(readCommandLine({"--locked", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine({"--bogus", "--version"}).action, CommandLine::Action::Version);
    const CommandLine toolkit = readCommandLine({"-name", "kids", "--locked", "-style=Fusion"});
    EXPECT_EQ(toolkit.action, CommandLine::Action::Play);
    EXPECT_TRUE(toolkit.locked);
    EXPECT_EQ(toolkit.forToolkit, (std::vector<std::string>{"-name", "kids", "-style=Fusion"}));
    // What the toolkit did not take is no option of kelo's.
    const CommandLine left = leftByToolkit({"--locked", "--lock"});
    EXPECT_EQ(left.action, CommandLine::Action::Usage);
    EXPECT_NE(left.complaint.find("'--lock'"), std::string::npos);
    EXPECT_EQ(leftByToolkit({"--locked"}).action, CommandLine::Action::Play);
    EXPECT_NE(kelo::app::helpText().find("q u i t"), std::string::npos)
        << "the help shows the parent the way out";
}

TEST(CommandLine, TheLockRefusesAnOptionThatUndoesIt) {
    for (const char* undoing : {"-nograb", "--nograb"}) {
        const CommandLine line = readCommandLine({"--locked", undoing});
        EXPECT_EQ(line.action, CommandLine::Action::Usage) << undoing;
        EXPECT_NE(line.complaint.find(undoing), std::string::npos);
    }
    EXPECT_EQ(readCommandLine({"-nograb"}).action, CommandLine::Action::Play)
        << "unlocked, it is the toolkit's";
}

TEST(CommandLine, ALockedGameAsksForWaylandInAWaylandSession) {
    EXPECT_EQ(kelo::app::lockedPlatform("wayland-0", nullptr), "wayland;xcb");
    EXPECT_EQ(kelo::app::lockedPlatform(nullptr, "wayland"), "wayland;xcb");
    EXPECT_EQ(kelo::app::lockedPlatform(nullptr, "x11"), "");
    EXPECT_EQ(kelo::app::lockedPlatform("", nullptr), "");
}
