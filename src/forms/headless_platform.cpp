#include "forms/headless_platform.h"

#include <cstdio>

namespace kelo::forms {

HeadlessPlatform::HeadlessPlatform() : fonts_{"Sans", "Serif", "Monospace"} {}

void HeadlessPlatform::queueDraws(const std::vector<float>& draws) {
    queuedDraws_.insert(queuedDraws_.end(), draws.begin(), draws.end());
}

HeadlessPlatform::Records HeadlessPlatform::takeRecords() {
    Records taken = std::move(records_);
    records_ = {};
    return taken;
}

int HeadlessPlatform::fontCount() const {
    return static_cast<int>(fonts_.size());
}

std::string HeadlessPlatform::fontName(int position) const {
    if (position < 0 || position >= fontCount()) {
        throw RuntimeError(ErrorCode::SubscriptOutOfRange,
                           "Subscript out of range: font " + std::to_string(position));
    }
    return fonts_[static_cast<std::size_t>(position)];
}

void HeadlessPlatform::messageBox(std::string_view prompt) {
    records_.messages.emplace_back(prompt);
}

void HeadlessPlatform::beep(int hertz, int milliseconds) {
    records_.beeps.push_back({hertz, milliseconds});
}

void HeadlessPlatform::pause(std::chrono::milliseconds duration) {
    records_.pausedMilliseconds += duration.count();
}

void HeadlessPlatform::showNow(const Control& moved) {
    records_.recordMove(moved);
}

ClockReading HeadlessPlatform::clock() const {
    return {shortDateText(now_), now_.minute, now_.second};
}

float HeadlessPlatform::nextRandom() {
    if (!queuedDraws_.empty()) {
        const float draw = queuedDraws_.front();
        queuedDraws_.pop_front();
        return draw;
    }
    return generator_.next();
}

void HeadlessPlatform::reseedRandom(double seed) {
    generator_.reseed(seed);
}

void HeadlessPlatform::endProgram() {
    ended_ = true;
}

void HeadlessPlatform::handlerAbandoned(const RuntimeError& error) {
    records_.abandoned.emplace_back(error.what());
}

std::string shortDateText(const DateTime& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    return text;
}

}  // namespace kelo::forms
