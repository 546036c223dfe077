#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace {
long long clockOverride = -1;
long long millisecondOverride = -1;
bool sleepEnabled = true;
}

long long CurrentTimeSeconds() {
    if (clockOverride >= 0) return clockOverride;
    return static_cast<long long>(std::time(nullptr));
}

void SetClockOverride(long long seconds) { clockOverride = seconds; }

long long CurrentTimeMilliseconds() {
    if (millisecondOverride >= 0) return millisecondOverride;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void SetMillisecondClockOverride(long long milliseconds) { millisecondOverride = milliseconds; }

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void SleepMilliseconds(int ms) {
    if (sleepEnabled && ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetSleepEnabled(bool enabled) { sleepEnabled = enabled; }
bool SleepEnabled() { return sleepEnabled; }

std::wstring DateTimeText(long long seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}
