#include "app/narration.h"

#include "forms/number_text.h"
#include "lang/spoken_texts.h"

namespace kelo::app {
namespace {

void add(std::string& text, std::string_view sentence) {
    if (sentence.empty()) {
        return;
    }
    if (!text.empty()) {
        text += ' ';
    }
    text += sentence;
}

}  // namespace

Told toldOf(const KeloProgram& program) {
    const scene::MainWindow& w = program.mainWindow();
    return {w.Label3.caption(), w.lbl(0).caption(), w.lbl(1).caption(),
            w.aba.tag(),        w.hasil.caption(),  w.kelkel.visible()};
}

std::optional<Utterance> narrate(const std::optional<Told>& before, const Told& after, bool shot) {
    const lang::Language language = lang::languageShown(after.question);
    const lang::SpokenTexts& spoken = lang::spokenTexts(language);
    std::string text;
    bool questionSet =
        !before.has_value() || before->question != after.question || before->answer != after.answer;
    if (before && shot && (before->left != after.left || before->right != after.right)) {
        // The hit target's number changes; the one it showed is the one the child hit.
        const std::string& hit = before->left != after.left ? before->left : before->right;
        const std::string_view number =
            lang::spokenNumber(language, static_cast<int>(forms::lenientNumber(hit)));
        if (!number.empty()) {
            add(text, std::string(number) + std::string(spoken.stop));
        }
        if (forms::lenientNumber(after.score) > forms::lenientNumber(before->score)) {
            add(text, spoken.praise);
        }
        questionSet = true;  // every hit sets a new question, whatever its answer
    }
    if (questionSet) {
        add(text, spoken.question);
    }
    if (after.won && (!before || !before->won)) {
        add(text, spoken.win);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    return Utterance{language, text};
}

}  // namespace kelo::app
