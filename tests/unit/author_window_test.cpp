// The author window: opened by its button with the main window disabled meanwhile; closing it
// gives the main window back, with a new activation.
#include <gtest/gtest.h>

#include "lang/texts.h"
#include "support/headless_game.h"

using namespace kelo;
using kelo::testing::HeadlessGame;

namespace {

struct AuthorWindow : ::testing::Test {
    AuthorWindow() {
        game.start();
        auto activate = game.program.mainForm().onActivate;
        game.program.mainForm().onActivate = [this, activate] {
            ++activations;
            activate();
        };
    }
    scene::AuthorWindow& window() { return game.program.authorWindow(); }
    HeadlessGame game;
    int activations = 0;
};

TEST_F(AuthorWindow, OpensWithTheMainWindowDisabledAndDeafToInput) {
    game.click("Command2");
    EXPECT_TRUE(window().shown());
    EXPECT_FALSE(game.w().form.enabled());
    EXPECT_EQ(game.program.activeWindow(), app::KeloProgram::ActiveWindow::Author);
    const auto gate = game.w().tes.tag();
    game.type("A ");
    game.click("Command1");
    game.click("Command2");
    game.program.selectLanguage(0);
    EXPECT_EQ(game.w().panah.tag(), "0");
    EXPECT_EQ(game.w().tes.tag(), gate);
    EXPECT_EQ(game.w().combo1.listIndex(), -1);
    EXPECT_TRUE(game.platform.records().beeps.empty());
}

TEST_F(AuthorWindow, ClosingDuringAGameGivesTheKeyBoxTheFocusAndANewQuestion) {
    game.setQuestion("3", "4", "3");
    game.w().hasil.setCaption("2");
    game.w().uang(1).setVisible(true);
    game.program.selectLanguage(0);
    game.click("Command2");
    game.platform.queueDraws({0.7F, 0.1F, 0.2F});  // 7 and 1, answer 7
    game.program.closeAuthorWindow();
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(game.w().form.enabled());
    EXPECT_EQ(game.focus(), "panah");
    EXPECT_EQ(game.w().aba.tag(), "7");
    EXPECT_EQ(game.visibleCars(), HeadlessGame::firstCars(7));
    EXPECT_EQ(game.w().hasil.caption(), "2");
    EXPECT_TRUE(game.w().uang(1).visible());
    EXPECT_EQ(game.w().Label6.caption(), "You win") << "the main window keeps its language";
    EXPECT_EQ(window().get().Label1.caption(), "Diprogram oleh Mas Kurdalo")
        << "the author texts go back";
    game.type("A");
    EXPECT_EQ(game.w().panah.tag(), "45") << "the next key works the pistol at once";
}

TEST_F(AuthorWindow, ClosingAfterAWinFocusesTheStartButtonAndReopensTheGate) {
    game.w().hasil.setCaption("4");
    game.setQuestion("3", "4", "3");
    game.shootAt(0);
    ASSERT_TRUE(game.w().kelkel.visible());
    game.click("Command2");
    game.program.closeAuthorWindow();
    EXPECT_EQ(game.focus(), "Command1");
    EXPECT_TRUE(game.w().kelkel.visible());
    EXPECT_FALSE(game.w().pn4.visible());
    EXPECT_EQ(game.w().tes.tag(), "0");
    game.space();
    game.space();
    game.space();
    EXPECT_TRUE(game.w().kelkel.visible()) << "from an open gate four presses are needed";
    game.space();
    EXPECT_FALSE(game.w().kelkel.visible());
}

TEST_F(AuthorWindow, ReopensWithTheTextsLastWrittenAndItsDesignedFonts) {
    game.platform.setFonts({"IPAゴシック"});
    game.click("Command2");
    game.program.closeAuthorWindow();  // the activation finds the font installed meanwhile
    game.program.selectLanguage(1);
    EXPECT_EQ(window().get().Label1.fontName(), "IPAゴシック");
    game.click("Command2");
    game.program.closeAuthorWindow();
    EXPECT_EQ(window().get().Label1.fontName(), "Times New Roman")
        << "loaded afresh from its design";
    game.program.selectLanguage(0);
    game.click("Command2");
    EXPECT_EQ(window().get().Label1.caption(), "Created by Mas Kurdalo");
}

TEST_F(AuthorWindow, OnlyItsClosingActivatesTheMainWindow) {
    game.program.selectLanguage(1);    // a message box: no activation
    game.program.closeAuthorWindow();  // not open: nothing
    EXPECT_EQ(activations, 0);
    game.click("Command2");
    game.program.closeAuthorWindow();
    EXPECT_EQ(activations, 1);
}

TEST_F(AuthorWindow, ClosingTheMainWindowWhileItIsOpenEndsEverythingQuietly) {
    game.click("Command2");
    game.program.closeMainWindow();
    EXPECT_TRUE(game.program.ended());
    EXPECT_TRUE(game.platform.ended());
    EXPECT_FALSE(window().loaded());
    EXPECT_EQ(activations, 0);
    EXPECT_TRUE(game.platform.records().messages.empty());
}

}  // namespace
