// The clock and sleeping: the one place the game reads the time, so tests
// can set it.
#pragma once

#include <string>

long long CurrentTimeSeconds();
// Tests fix the clock; a negative value gives the real time back.
void SetClockOverride(long long seconds);

// A steady clock in milliseconds, for spacing frames; tests fix it too.
long long CurrentTimeMilliseconds();
// A negative value gives the real time back.
void SetMillisecondClockOverride(long long milliseconds);

// Seconds on a steady clock, for measuring how long things take.
double SteadySeconds();

void SleepMilliseconds(int ms);
// Tests run their frame loops without sleeping.
void SetSleepEnabled(bool enabled);
bool SleepEnabled();

// A time in seconds as local date and time: "2026-12-07 20:41:05".
std::wstring DateTimeText(long long seconds);
