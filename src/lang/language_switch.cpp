#include "lang/language_switch.h"

#include <array>
#include <functional>

#include "forms/number_text.h"
#include "lang/texts.h"

namespace kelo::lang {
namespace {

/// Writes target 1 to 9 of a language into the main window, in the order of the table.
void writeMainWindowTexts(scene::MainWindow& w, Language language) {
    const std::array<std::function<void(std::string)>, 9> targets{
        [&](std::string t) { w.Label4.setCaption(std::move(t)); },
        [&](std::string t) { w.Command2.setCaption(std::move(t)); },
        [&](std::string t) { w.Label1.setCaption(std::move(t)); },
        [&](std::string t) { w.Label2.setCaption(std::move(t)); },
        [&](std::string t) { w.Label3.setCaption(std::move(t)); },
        [&](std::string t) { w.pn4.setCaption(std::move(t)); },
        [&](std::string t) { w.Command1.setCaption(std::move(t)); },
        [&](std::string t) { w.form.setCaption(std::move(t)); },
        [&](std::string t) { w.Label6.setCaption(std::move(t)); },
    };
    for (std::size_t i = 0; i < targets.size(); ++i) {
        targets[i](text(language, static_cast<Target>(i)));
    }
}

void writeAuthorTexts(scene::AuthorWindow& authorWindow, Language language) {
    authorWindow.get().Label1.setCaption(text(language, Target::authorLabel1Caption));
    authorWindow.get().additional.setCaption(text(language, Target::authorNote));
}

void switchToJapanese(scene::MainWindow& w, scene::AuthorWindow& authorWindow,
                      forms::Platform& platform) {
    if (forms::strictNumber(w.ifon.caption()) == -1) {
        platform.messageBox(noJapaneseFontMessage);
        return;
    }
    const auto japaneseFont = [&] {
        return platform.fontName(forms::toInt16(forms::strictNumber(w.ifon.caption())));
    };
    w.Label4.setFontName(japaneseFont());
    w.Command1.setFontName(japaneseFont());
    w.Command2.setFontName(japaneseFont());
    w.Label1.setFontName(japaneseFont());
    w.Label2.setFontName(japaneseFont());
    w.Label3.setFontName(japaneseFont());
    w.pn4.setFontName(japaneseFont());
    w.form.setFontName(japaneseFont());
    w.Label6.setFontName(japaneseFont());
    writeMainWindowTexts(w, Language::Japanese);
    authorWindow.get().Label1.setFontName(japaneseFont());
    authorWindow.get().additional.setFontName(japaneseFont());
    writeAuthorTexts(authorWindow, Language::Japanese);
}

}  // namespace

void combo1_Click(scene::MainWindow& w, scene::AuthorWindow& authorWindow,
                  forms::Platform& platform) {
    try {
        if (w.kelkel.visible()) {
            w.Command1.setFocus();
        } else {
            w.panah.setFocus();
        }
        const int index = w.combo1.listIndex();
        if (index == static_cast<int>(Language::Indonesian) ||
            index == static_cast<int>(Language::English)) {
            const auto language = static_cast<Language>(index);
            writeMainWindowTexts(w, language);
            writeAuthorTexts(authorWindow, language);
        } else if (index == static_cast<int>(Language::Japanese)) {
            switchToJapanese(w, authorWindow, platform);
        }
    } catch (const forms::RuntimeError&) {
        platform.messageBox(languageSwitchErrorMessage);
    }
}

}  // namespace kelo::lang
