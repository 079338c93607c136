#include "script.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace kelo::sim {
namespace {

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

bool isOneCharacter(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80U    ? 1
                               : lead >= 0xF0U ? 4
                               : lead >= 0xE0U ? 3
                               : lead >= 0xC0U ? 2
                                               : 0;
    return length == text.size();
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

ParsedLine fail(std::string why) {
    return {std::nullopt, std::move(why)};
}

/// A day that exists in the calendar: no 31 April, 29 February only in leap years.
bool isRealDate(int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) {
        return false;
    }
    return std::chrono::year_month_day{std::chrono::year(year),
                                       std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day))}
        .ok();
}

ParsedLine parseClock(std::string_view argument) {
    forms::DateTime now;
    char tail = 0;
    const std::string text(argument);
    const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &now.year, &now.month,
                                   &now.day, &now.hour, &now.minute, &now.second, &tail);
    if (fields != 6 || !isRealDate(now.year, now.month, now.day) || now.hour > 23 || now.hour < 0 ||
        now.minute < 0 || now.minute > 59 || now.second < 0 || now.second > 59) {
        return fail("clock needs YYYY-MM-DD HH:MM:SS");
    }
    return {SetClock{now}, {}};
}

ParsedLine parseFonts(std::string_view argument) {
    SetFonts fonts;
    while (!argument.empty()) {
        const auto bar = argument.find('|');
        fonts.fonts.emplace_back(argument.substr(0, bar));
        if (bar == std::string_view::npos) {
            break;
        }
        argument.remove_prefix(bar + 1);
    }
    return {fonts, {}};
}

ParsedLine parseKey(std::string_view argument) {
    using Kind = forms::Key::Kind;
    if (argument == "space") {
        return {TypeKey{forms::Key::typed(" ")}, {}};
    }
    if (argument == "enter") {
        return {TypeKey{forms::Key::of(Kind::Enter)}, {}};
    }
    if (argument == "tab") {
        return {TypeKey{forms::Key::of(Kind::Tab)}, {}};
    }
    if (argument == "backtab") {
        return {TypeKey{forms::Key::of(Kind::BackTab)}, {}};
    }
    if (argument == "up") {
        return {TypeKey{forms::Key::of(Kind::Up)}, {}};
    }
    if (argument == "down") {
        return {TypeKey{forms::Key::of(Kind::Down)}, {}};
    }
    if (isOneCharacter(argument)) {
        return {TypeKey{forms::Key::typed(std::string(argument))}, {}};
    }
    return fail("key needs one character, or space, enter, tab, backtab, up, down");
}

ParsedLine parseClick(std::string_view argument) {
    Click click;
    if (const auto open = argument.find('('); open != std::string_view::npos) {
        if (argument.back() != ')') {
            return fail("click needs NAME or NAME(i)");
        }
        const auto index = wholeNumber(argument.substr(open + 1, argument.size() - open - 2));
        if (!index || *index < 0) {
            return fail("click needs NAME or NAME(i)");
        }
        click.index = *index;
        argument = argument.substr(0, open);
    }
    if (argument.empty()) {
        return fail("click needs NAME or NAME(i)");
    }
    click.name = std::string(argument);
    return {click, {}};
}

ParsedLine parseDraws(std::string_view argument) {
    Draws draws;
    while (!argument.empty()) {
        const auto space = argument.find(' ');
        const auto word = argument.substr(0, space);
        float value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc{} || end != word.data() + word.size() ||
            !(value >= 0 && value < 1)) {  // written so that NaN fails too
            return fail("draws needs values in [0, 1)");
        }
        draws.values.push_back(value);
        argument =
            space == std::string_view::npos ? std::string_view{} : trim(argument.substr(space + 1));
    }
    return {draws, {}};
}

}  // namespace

ParsedLine parseLine(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() == '#') {
        return {};
    }
    const auto space = line.find(' ');
    const std::string_view verb = line.substr(0, space);
    const std::string_view argument =
        space == std::string_view::npos ? std::string_view{} : trim(line.substr(space + 1));
    const bool bare = argument.empty();

    if (verb == "clock") {
        return parseClock(argument);
    }
    if (verb == "fonts") {
        return parseFonts(argument);
    }
    if (verb == "start" && bare) {
        return {Start{}, {}};
    }
    if (verb == "dump" && bare) {
        return {Dump{}, {}};
    }
    if (verb == "key" && !bare) {
        return parseKey(argument);
    }
    if (verb == "click" && !bare) {
        return parseClick(argument);
    }
    if (verb == "select") {
        const auto entry = wholeNumber(argument);
        if (!entry) {
            return fail("select needs an entry number");
        }
        return {Select{*entry}, {}};
    }
    if (verb == "close" && (argument == "authorpekro" || argument == "mobil")) {
        return {Close{std::string(argument)}, {}};
    }
    if (verb == "draws" && !bare) {
        return parseDraws(argument);
    }
    return fail("unknown or malformed command '" + std::string(line) + "'");
}

}  // namespace kelo::sim
