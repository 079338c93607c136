// The kelo-sim script language: what a line means, and which lines are refused.
#include <gtest/gtest.h>

#include "script.h"

using namespace kelo::sim;

TEST(SimScript, SkipsBlankLinesAndComments) {
    EXPECT_FALSE(parseLine("").command);
    EXPECT_FALSE(parseLine("   ").command);
    EXPECT_FALSE(parseLine("# start").command);
    EXPECT_TRUE(parseLine("# start").error.empty());
}

TEST(SimScript, ReadsEveryCommand) {
    const auto clock = parseLine("clock 2026-01-02 14:00:00");
    ASSERT_TRUE(clock.command);
    EXPECT_EQ(std::get<SetClock>(*clock.command).now.hour, 14);
    EXPECT_TRUE(parseLine("clock 2028-02-29 10:00:00").command);  // a leap day
    const auto fonts = parseLine("fonts Arial|IPAゴシック|MS Sans Serif");
    EXPECT_EQ(std::get<SetFonts>(*fonts.command).fonts,
              (std::vector<std::string>{"Arial", "IPAゴシック", "MS Sans Serif"}));
    EXPECT_TRUE(std::get<SetFonts>(*parseLine("fonts").command).fonts.empty());
    EXPECT_EQ(std::get<TypeKey>(*parseLine("key space").command).key.text, " ");
    EXPECT_EQ(std::get<TypeKey>(*parseLine("key あ").command).key.text, "あ");
    EXPECT_EQ(std::get<TypeKey>(*parseLine("key tab").command).key.kind,
              kelo::forms::Key::Kind::Tab);
    const auto click = std::get<Click>(*parseLine("click mobil(3)").command);
    EXPECT_EQ(click.name, "mobil");
    EXPECT_EQ(click.index, 3);
    EXPECT_EQ(std::get<Select>(*parseLine("select 2").command).entry, 2);
    EXPECT_EQ(std::get<Close>(*parseLine("close authorpekro").command).window, "authorpekro");
    EXPECT_EQ(std::get<Draws>(*parseLine("draws 0.5 0.25").command).values,
              (std::vector<float>{0.5F, 0.25F}));
}

TEST(SimScript, RefusesMalformedLines) {
    for (const char* line : {"jump",
                             "start now",
                             "key",
                             "key AB",
                             "clock 2026-13-01 10:00:00",
                             "clock tomorrow",
                             "click",
                             "click mobil(x)",
                             "select one",
                             "close",
                             "close everything",
                             "dump all",
                             "draws 1.5",
                             "draws nan",
                             "draws -nan",
                             "draws inf",
                             "draws -0.5",
                             "clock 2026-02-31 10:00:00",
                             "clock 2025-02-29 10:00:00",
                             "clock 2026-04-31 10:00:00"}) {
        const auto parsed = parseLine(line);
        EXPECT_FALSE(parsed.command) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
    }
}
