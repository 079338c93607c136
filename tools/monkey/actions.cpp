#include "actions.h"

#include <array>

namespace kelo::monkey {
namespace {

using Kind = Action::Kind;

// Keys a child reaches: the game's own, their neighbours, and keys that type nothing.
const std::array<forms::Key, 15> keyboard{
    forms::Key::typed("A"),
    forms::Key::typed("a"),
    forms::Key::typed(" "),
    forms::Key::typed("s"),
    forms::Key::typed("q"),
    forms::Key::typed("1"),
    forms::Key::typed("B"),
    forms::Key::typed("あ"),
    forms::Key::of(forms::Key::Kind::Enter),
    forms::Key::of(forms::Key::Kind::Tab),
    forms::Key::of(forms::Key::Kind::BackTab),
    forms::Key::of(forms::Key::Kind::Up),
    forms::Key::of(forms::Key::Kind::Down),
    forms::Key::of(forms::Key::Kind::Other),
    forms::Key::typed("AA"),
};

std::string keyWord(const forms::Key& key) {
    switch (key.kind) {
        case forms::Key::Kind::Enter:
            return "enter";
        case forms::Key::Kind::Tab:
            return "tab";
        case forms::Key::Kind::BackTab:
            return "backtab";
        case forms::Key::Kind::Up:
            return "up";
        case forms::Key::Kind::Down:
            return "down";
        case forms::Key::Kind::Other:
            return "";
        case forms::Key::Kind::Text:
            break;
    }
    return key.text == " " ? "space" : key.text;
}

}  // namespace

forms::DateTime clockReading(int value) {
    static const std::array<forms::DateTime, clockReadings> readings{{
        {2026, 12, 8, 10, 17, 23},
        {2026, 12, 8, 14, 0, 0},  // a full hour at second 0
        {2027, 1, 1, 0, 0, 0},
        {2026, 6, 30, 23, 59, 59},
        {1999, 2, 28, 7, 0, 1},
        {2030, 10, 10, 12, 30, 0},
        {2026, 12, 8, 9, 0, 0},
        {2100, 3, 4, 5, 6, 7},
    }};
    return readings[static_cast<std::size_t>(value) % readings.size()];
}

std::vector<std::string> fontSet(int value) {
    static const std::array<std::vector<std::string>, fontSets> sets{{
        {"Sans", "Serif", "Monospace"},
        {"Arial", "IPAゴシック", "Tahoma"},
        {},
        {"IPAGothic", "IPAPGothic", "IPAPゴシック", "IPAゴシック", "Liberation Sans"},
        {"ＭＳ Ｐ明朝"},
    }};
    return sets[static_cast<std::size_t>(value) % sets.size()];
}

void perform(const Action& action, app::KeloProgram& program, forms::HeadlessPlatform& platform) {
    switch (action.kind) {
        case Kind::Key:
            program.typeKey(action.key);
            break;
        case Kind::Click: {
            const auto& controls = program.mainForm().controls();
            program.click(*controls[static_cast<std::size_t>(action.control) % controls.size()]);
            break;
        }
        case Kind::Select:
            program.selectLanguage(action.value % 3);
            break;
        case Kind::OpenAuthor:
            program.click(program.mainWindow().Command2);
            break;
        case Kind::CloseAuthor:
            program.closeAuthorWindow();
            break;
        case Kind::Clock:
            platform.setClock(clockReading(action.value));
            break;
        case Kind::Fonts:
            platform.setFonts(fontSet(action.value));
            break;
        case Kind::CloseMain:
            program.closeMainWindow();
            break;
    }
}

std::string scriptLine(const Action& action, const app::KeloProgram& program) {
    switch (action.kind) {
        case Kind::Key: {
            const std::string word = keyWord(action.key);
            return word.empty() ? "# a key that types nothing" : "key " + word;
        }
        case Kind::Click: {
            const auto& controls = program.mainForm().controls();
            return "click " + controls[static_cast<std::size_t>(action.control) % controls.size()]
                                  ->qualifiedName();
        }
        case Kind::Select:
            return "select " + std::to_string(action.value % 3);
        case Kind::OpenAuthor:
            return "click Command2";
        case Kind::CloseAuthor:
            return "close authorpekro";
        case Kind::Clock: {
            const forms::DateTime t = clockReading(action.value);
            char text[40];
            std::snprintf(text, sizeof text, "clock %04d-%02d-%02d %02d:%02d:%02d", t.year, t.month,
                          t.day, t.hour, t.minute, t.second);
            return text;
        }
        case Kind::Fonts: {
            std::string line = "fonts";
            const auto fonts = fontSet(action.value);
            for (std::size_t i = 0; i < fonts.size(); ++i) {
                line += (i == 0 ? " " : "|") + fonts[i];
            }
            return line;
        }
        case Kind::CloseMain:
            return "close mobil";
    }
    return "";
}

std::vector<Action> decodeActions(std::span<const std::uint8_t> bytes, int controlCount) {
    std::vector<Action> actions;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t byte = bytes[i];
        const int low = byte & 0x1F;
        Action action;
        switch (byte >> 5U) {
            case 0:
            case 1:
            case 2:  // keys are the commonest by far
                action.key = keyboard[static_cast<std::size_t>(low) % keyboard.size()];
                break;
            case 3: {
                action.kind = Kind::Click;
                const int next = i + 1 < bytes.size() ? bytes[++i] : 0;
                action.control = (low * 256 + next) % controlCount;
                break;
            }
            case 4:
                action.kind =
                    low < 16 ? Kind::Select : (low < 24 ? Kind::OpenAuthor : Kind::CloseAuthor);
                action.value = low;
                break;
            case 5:
                action.kind = low < 16 ? Kind::Clock : Kind::Fonts;
                action.value = low;
                break;
            default:  // a run of one key, as a held key gives
                for (int repeat = 0; repeat < 1 + low; ++repeat) {
                    actions.push_back(
                        {Kind::Key, keyboard[static_cast<std::size_t>(low) % 3], 0, 0});
                }
                continue;
        }
        actions.push_back(action);
    }
    return actions;
}

}  // namespace kelo::monkey
