#include "ui/message_countdown.h"

#include <algorithm>

#include "core/decisions.h"
#include "platform/clock.h"

using namespace irr;

namespace {
struct ReadingPace {
    int baseMs;
    int perCharacterMs;
    int longestMs;
};

ReadingPace PaceOf(ComputerMessages setting) {
    if (setting == ComputerMessages::Long) return {2000, 60, 20000};
    return {1000, 30, 10000};
}

constexpr int kBarHeight = 3;


ComputerMessages ReadingSetting() {
    if (Replaying() && game.computerMessages == ComputerMessages::Waiting) return ComputerMessages::Short;
    return game.computerMessages;
}
}  // namespace

int ReadingTimeMs(const std::wstring& text) {
    const ComputerMessages setting = ReadingSetting();
    if (setting == ComputerMessages::Waiting) return 0;
    const ReadingPace pace = PaceOf(setting);
    const long long ms = pace.baseMs + static_cast<long long>(text.size()) * pace.perCharacterMs;
    const int speed = RaceOnlyWatched() ? std::max(game.watchSpeed, 1) : 1;
    return static_cast<int>(std::min<long long>(ms, pace.longestMs) / speed);
}

bool ClosesByItself(const DialogState& dialog) {
    if (dialog.dieFaces != 0 || dialog.choiceState != 0) return false;
    if (Replaying()) return true;
    const int car = dialog.aboutCar;
    if (car >= 1 && car <= game.carCount && (IsComputerDriven(game.cars[car]) || DecidedOnAnotherMachine(car)))
        return true;
    return NoPersonInRace();
}

MessageCountdown::MessageCountdown(int totalMs)
    : totalMs_(totalMs), lastReading_(CurrentTimeMilliseconds()) {}

bool MessageCountdown::Over() {
    const long long now = CurrentTimeMilliseconds();
    // A clock set back counts no time.
    if (!game.paused && now > lastReading_) elapsedMs_ += now - lastReading_;
    lastReading_ = now;
    return Running() && elapsedMs_ >= totalMs_;
}

void MessageCountdown::Draw(const core::rect<s32>& window) const {
    if (!Running() || !game.videoDriver) return;
    const double left = 1.0 - std::min<double>(1.0, static_cast<double>(elapsedMs_) / totalMs_);
    const s32 inner = window.getWidth() - 4;
    const s32 width = static_cast<s32>(inner * left);
    const s32 bottom = window.LowerRightCorner.Y - 2;
    const s32 x = window.UpperLeftCorner.X + 2;
    game.videoDriver->draw2DRectangle(video::SColor(255, 60, 60, 60),
                                      core::rect<s32>(x, bottom - kBarHeight, x + inner, bottom));
    game.videoDriver->draw2DRectangle(video::SColor(255, 40, 170, 255),
                                      core::rect<s32>(x, bottom - kBarHeight, x + width, bottom));
}
