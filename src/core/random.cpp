#include "core/random.h"

#include <deque>

#include "platform/clock.h"

namespace {
uint32_t randState = 1;
unsigned long long draws = 0;
std::deque<int> queuedDice;
}  // namespace

int Rand() {
    ++draws;
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7fff);
}

uint32_t RandomState() { return randState; }
unsigned long long RandomDraws() { return draws; }
void SkipRandom(unsigned long long count) {
    for (unsigned long long i = 0; i < count; ++i) Rand();
}
void SetRandomState(uint32_t state) { randState = state; }

RandomUntouched::RandomUntouched() : state_(randState), draws_(draws) {}
RandomUntouched::~RandomUntouched() {
    randState = state_;
    draws = draws_;
}

int DieFormula(int faces) {
    if (faces <= 0) return 0;
    const int divisor = kRandMax / faces;
    int face = (divisor > 0 ? Rand() / divisor : Rand() % faces) + 1;
    if (face < 1) face = 1;
    if (face > faces) face = faces;
    return face;
}

int RollDie(int faces) {
    int value;
    if (TakeQueuedDieResult(value)) return value;
    return DieFormula(faces);
}

bool CoinFlip() { return Rand() / 16383 == 0; }

void QueueDieResult(int value) { queuedDice.push_back(value); }

bool TakeQueuedDieResult(int& value) {
    if (queuedDice.empty()) return false;
    value = queuedDice.front();
    queuedDice.pop_front();
    return true;
}

void ClearQueuedDieResults() { queuedDice.clear(); }

void WarmUpRandom() {
    const long long seconds = CurrentTimeSeconds();
    const long long lastFive = (seconds < 0 ? -seconds : seconds) % 100000;
    for (long long i = 0; i < lastFive - 1; ++i) Rand();
}
