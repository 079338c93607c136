#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/font_list.h"
#include "desktop/sound/pace_clock.h"
#include "desktop/sound/tone_player.h"
#include "desktop/sound/voice.h"
#include "forms/platform.h"
#include "forms/platform_records.h"
#include "forms/uniform_generator.h"

namespace kelo::desktop {

/// The platform on a real desktop: Qt message boxes, fontconfig's font list, the system
/// clock and locale, the whistle through the sound device, and painting a moved control at
/// once. It records what the state log reports when asked to.
class DesktopPlatform : public forms::Platform {
  public:
    explicit DesktopPlatform(bool record);

    /// The first activation takes its font list from here (start-up reads it early).
    void setFontPrefetch(std::unique_ptr<FontListPrefetch> prefetch) {
        prefetch_ = std::move(prefetch);
    }
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }
    /// Shows a message box and waits for its answer; by default the box is modal (exec()).
    void setMessageRunner(std::function<void(QMessageBox&)> run) { runMessage_ = std::move(run); }
    void setShowNow(std::function<void(const forms::Control&)> show) { showNow_ = std::move(show); }
    forms::PlatformRecords takeRecords();
    /// Starts the whistle, which finds the sound server in the background; until then, and
    /// wherever there is none, tones are silent waits. Start-up calls it after the first frame.
    void startSound();
    /// Starts the voice, which loads its synthesiser at the first sentence; the whistle must be
    /// started. Start-up calls it after the first frame, with --voice only.
    void startVoice();
    /// Says `text` in the synthesiser's voice `voice`, through the whistle's stream; never
    /// waits. Nothing without a voice started.
    void say(const std::string& voice, const std::string& text);
    /// A handler starts: its flight, if any, keeps its pace from now.
    void startEvent() {
        pace_.restart();
        beepsThisEvent_ = 0;
    }
    /// The handler that ran last sounded a flight.
    bool flew() const { return beepsThisEvent_ > 0; }

    /// Reads the installed fonts again; the font search starts here at every activation.
    int fontCount() const override;
    std::string fontName(int position) const override;
    void messageBox(std::string_view prompt) override;
    void beep(int hertz, int milliseconds) override;
    void pause(std::chrono::milliseconds duration) override;
    void showNow(const forms::Control& moved) override;
    forms::ClockReading clock() const override;
    float nextRandom() override { return generator_.next(); }
    void reseedRandom(double seed) override { generator_.reseed(seed); }
    void endProgram() override;
    void handlerAbandoned(const forms::RuntimeError& error) override;

  private:
    bool record_;
    forms::PlatformRecords records_;
    mutable std::vector<std::string> fonts_;
    mutable std::unique_ptr<FontListPrefetch> prefetch_;
    QPointer<QWidget> messageParent_;
    std::function<void(const forms::Control&)> showNow_;
    std::function<void(QMessageBox&)> runMessage_;
    std::unique_ptr<TonePlayer> tones_;
    std::unique_ptr<Voice> voice_;  // after tones_: it hands its sentences to it until it ends
    int beepsThisEvent_ = 0;
    PaceClock pace_;
    forms::UniformGenerator generator_;
};

}  // namespace kelo::desktop
