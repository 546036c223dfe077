// The game's one random source: a linear congruential generator that is
// never seeded, so a race can be replayed from the same warm-up.
#pragma once

#include <cstdint>

constexpr int kRandMax = 32767;

// Next value in 0..32767.
int Rand();
// How many values have been drawn since the program started.
unsigned long long RandomDraws();
// Draws and throws away `count` values.
void SkipRandom(unsigned long long count);
// The whole state, for tests and replays.
uint32_t RandomState();
void SetRandomState(uint32_t state);

// Draws made while one lives are taken back when it ends: the source and its
// count of draws as they were (a look ahead of the rules that must not
// change the race, such as "Voir risques").
class RandomUntouched {
public:
    RandomUntouched();
    ~RandomUntouched();
    RandomUntouched(const RandomUntouched&) = delete;
    RandomUntouched& operator=(const RandomUntouched&) = delete;

private:
    uint32_t state_;
    unsigned long long draws_;
};

// A die of `faces` faces drawn with the game's formula, limited to 1..faces.
int DieFormula(int faces);
// A roll of the rules: the next queued result when a test queued one,
// otherwise DieFormula.
int RollDie(int faces);
// An even choice: true for the first option.
bool CoinFlip();

// Queued die results, taken by the next rolls (tests script the dice so).
void QueueDieResult(int value);
bool TakeQueuedDieResult(int& value);
void ClearQueuedDieResults();

// Throws away a time-dependent number of values: as many as the last five
// digits of the current time in seconds, less one.
void WarmUpRandom();
