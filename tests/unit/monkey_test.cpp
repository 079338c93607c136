// The monkey's own parts: every rule it checks can fail, a failing run shrinks to the actions
// that matter, and byte strings decode into valid action streams.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/headless_platform.h"
#include "invariants.h"
#include "monkey.h"
#include "support/headless_game.h"

using namespace kelo;
using kelo::monkey::Action;
using kelo::testing::HeadlessGame;
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

struct Rules : ::testing::Test {
    Rules() {
        game.start();
        game.platform.takeRecords();
    }
    std::vector<std::string> broken() {
        return monkey::brokenRules(game.program, game.platform.takeRecords(), game.platform);
    }
    HeadlessGame game;
};

TEST_F(Rules, HoldAfterStartUpAndAfterAShot) {
    EXPECT_TRUE(broken().empty());
    game.type("A ");
    EXPECT_TRUE(broken().empty());
}

TEST_F(Rules, CatchCarsThatDoNotMatchTheAnswer) {
    game.w().mobil(9).setVisible(true);
    EXPECT_THAT(broken(), Contains(HasSubstr("car 9 is")));
}

TEST_F(Rules, CatchAnAnswerOnNeitherTarget) {
    game.w().aba.setTag(game.w().lbl(0).caption() == "9" || game.w().lbl(1).caption() == "9" ? "0"
                                                                                             : "9");
    EXPECT_THAT(broken(), Contains(HasSubstr("is on neither target")));
}

TEST_F(Rules, CatchABallAwayFromRestOrHiddenDuringPlay) {
    game.w().bola.setTop(100);
    EXPECT_THAT(broken(), Contains(HasSubstr("the ball is not at its rest place")));
    game.w().bola.setTop(7440);
    game.w().bola.setVisible(false);
    EXPECT_THAT(broken(), Contains(HasSubstr("the ball is hidden during play")));
}

TEST_F(Rules, CatchAPistolThatDisagreesWithItsAim) {
    game.w().panah.setTag("45");
    EXPECT_THAT(broken(), Contains(HasSubstr("is not where the aim '45' puts it")));
    game.type("A");  // "45" + 45 = 90: the right lean, turned from the upright figure by +45
    EXPECT_THAT(broken(), Contains(HasSubstr("is not where the aim '-45' puts it")));
}

TEST_F(Rules, CatchTextWhereNumbersBelong) {
    game.w().tes.setTag("1.5");
    EXPECT_THAT(broken(), Contains(HasSubstr("the shot gate is '1.5'")));
    game.w().tes.setTag("1");
    game.w().hasil.setCaption(" 2");
    EXPECT_THAT(broken(), Contains(HasSubstr("the score is ' 2'")));
}

TEST_F(Rules, CatchAbandonedHandlersAndStrayMessages) {
    forms::PlatformRecords records;
    records.abandoned.push_back("Type mismatch");
    EXPECT_THAT(monkey::brokenRules(game.program, records, game.platform),
                Contains(HasSubstr("a handler was abandoned: Type mismatch")));
    records = {};
    records.messages.emplace_back("Error occurs in Japanese font-related module");
    EXPECT_THAT(monkey::brokenRules(game.program, records, game.platform),
                Contains(HasSubstr("message box: Error occurs in Japanese font-related module")));
    records.messages = {"No Available Japanese Font"};
    EXPECT_TRUE(monkey::brokenRules(game.program, records, game.platform).empty())
        << "no Japanese font is installed";
}

TEST(Shrink, KeepsOnlyTheActionsThatMakeTheRunFail) {
    std::vector<Action> run;
    for (int i = 0; i < 200; ++i) {
        run.push_back(
            {Action::Kind::Key, forms::Key::typed(i == 37 || i == 150 ? "A" : "q"), 0, 0});
    }
    const auto countA = [](const std::vector<Action>& actions) {
        return std::count_if(actions.begin(), actions.end(),
                             [](const Action& a) { return a.key.text == "A"; });
    };
    const auto shortest =
        monkey::shrink(run, [&](const std::vector<Action>& c) { return countA(c) >= 2; });
    EXPECT_EQ(shortest.size(), 2U);
    EXPECT_EQ(countA(shortest), 2);
}

TEST(Shrink, ReplaysARunThatKeepsTheRulesAsPassing) {
    monkey::ActionStream stream(7, 150);
    std::vector<Action> run;
    for (int i = 0; i < 2000; ++i) {
        run.push_back(stream.next());
    }
    EXPECT_FALSE(monkey::replay(run).has_value());
}

TEST(Decode, TurnsAnyBytesIntoActionsAScriptCanReplay) {
    const std::vector<std::uint8_t> bytes{0x00, 0x02, 0x61, 0x07, 0x90, 0x9A,
                                          0xA1, 0xB3, 0xE4, 0x1F, 0xFF};
    const auto actions = monkey::decodeActions(bytes, 150);
    EXPECT_GE(actions.size(), bytes.size() - 1);
    forms::HeadlessPlatform platform;
    const app::KeloProgram program(platform);
    for (const Action& action : actions) {
        EXPECT_FALSE(monkey::scriptLine(action, program).empty());
    }
    EXPECT_EQ(monkey::decodeActions({}, 150).size(), 0U);
}

}  // namespace
