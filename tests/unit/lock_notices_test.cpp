// What the parent reads where the lock cannot hold: in the language the game shows, with what
// to install where that helps.
#include <gtest/gtest.h>

#include "lang/lock_notices.h"

using kelo::lang::Language;
using kelo::lang::LockProblem;

TEST(LockNotices, TheNoticeFollowsTheLanguageTheQuestionIsIn) {
    using kelo::lang::languageShown;
    using kelo::lang::Target;
    for (const Language language : {Language::English, Language::Japanese, Language::Indonesian}) {
        EXPECT_EQ(languageShown(kelo::lang::text(language, Target::Label3Caption)), language);
    }
    EXPECT_EQ(languageShown(""), Language::Indonesian) << "as the game starts";
    EXPECT_NE(kelo::lang::lockNotice(Language::English, LockProblem::NoWaylandPlatform),
              kelo::lang::lockNotice(Language::Japanese, LockProblem::NoWaylandPlatform));
}

TEST(LockNotices, EveryLanguageNamesThePackageThatMakesTheLockHoldOnWayland) {
    for (const Language language : {Language::English, Language::Japanese, Language::Indonesian}) {
        EXPECT_NE(
            kelo::lang::lockNotice(language, LockProblem::NoWaylandPlatform).find("qt6-wayland"),
            std::string_view::npos);
        EXPECT_EQ(kelo::lang::lockNotice(language, LockProblem::CompositorKeepsShortcuts)
                      .find("qt6-wayland"),
                  std::string_view::npos)
            << "installing it would not help there";
    }
}
