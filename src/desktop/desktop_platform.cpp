#include "desktop/desktop_platform.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QTime>

#include "desktop/font_list.h"

namespace kelo::desktop {

DesktopPlatform::DesktopPlatform(bool record) : record_(record) {}

forms::PlatformRecords DesktopPlatform::takeRecords() {
    forms::PlatformRecords taken = std::move(records_);
    records_ = {};
    return taken;
}

int DesktopPlatform::fontCount() const {
    if (prefetch_) {
        fonts_ = prefetch_->take();
        prefetch_.reset();
    } else {
        fonts_ = installedFontFamilies();
    }
    return static_cast<int>(fonts_.size());
}

std::string DesktopPlatform::fontName(int position) const {
    if (position < 0 || position >= static_cast<int>(fonts_.size())) {
        throw forms::RuntimeError(forms::ErrorCode::SubscriptOutOfRange,
                                  "Subscript out of range: font " + std::to_string(position));
    }
    return fonts_[static_cast<std::size_t>(position)];
}

void DesktopPlatform::messageBox(std::string_view prompt) {
    if (record_) {
        records_.messages.emplace_back(prompt);
    }
    // No title of its own: the window system shows the application's name.
    QMessageBox box(QMessageBox::NoIcon, QString(),
                    QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
                    QMessageBox::Ok, messageParent_);
    if (runMessage_) {
        runMessage_(box);
    } else {
        box.exec();
    }
}

void DesktopPlatform::beep(int hertz, int milliseconds) {
    ++beepsThisEvent_;
    if (record_) {
        records_.beeps.push_back({hertz, milliseconds});
    }
    // The clock sets the pace, with a sound device or without; the whistle follows the clock.
    const auto duration = std::chrono::milliseconds(milliseconds);
    const auto start = pace_.nextStart();
    if (tones_) {
        tones_->play(start, hertz, duration);
    }
    pace_.wait(duration);
}

void DesktopPlatform::startSound() {
    if (!tones_) {
        tones_ = std::make_unique<TonePlayer>();
    }
}

void DesktopPlatform::startVoice() {
    if (!voice_ && tones_) {
        TonePlayer* player = tones_.get();
        // The helper is the game's own program, whatever it was started as.
        voice_ = std::make_unique<Voice>(
            "/proc/self/exe", TonePlayer::sampleRate,
            [player](std::vector<std::int16_t> samples) { player->speak(std::move(samples)); });
    }
}

void DesktopPlatform::say(const std::string& voice, const std::string& text) {
    if (voice_) {
        voice_->say(voice, text);
    }
}

void DesktopPlatform::pause(std::chrono::milliseconds duration) {
    if (record_) {
        records_.pausedMilliseconds += duration.count();
    }
    pace_.wait(duration);
}

void DesktopPlatform::showNow(const forms::Control& moved) {
    if (record_) {
        records_.recordMove(moved);
    }
    if (showNow_) {
        showNow_(moved);
    }
}

forms::ClockReading DesktopPlatform::clock() const {
    const QTime now = QTime::currentTime();
    return {QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(),
            now.minute(), now.second()};
}

void DesktopPlatform::endProgram() {
    QCoreApplication::exit(0);
}

void DesktopPlatform::handlerAbandoned(const forms::RuntimeError& error) {
    if (record_) {
        records_.abandoned.emplace_back(error.what());
    }
    qWarning("kelo: a handler was abandoned: %s", error.what());
}

}  // namespace kelo::desktop
