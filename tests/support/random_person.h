// A person playing at random among what he is offered: crosses, answers,
// targets, the moment to stop a die, the buttons of the gadgets he carries.
// Each choice depends only on the seed and on where the race stands (the
// events recorded so far and what is asked), so a race resumed after a
// crash is played on exactly as it was the first time.
#pragma once

#include <random>
#include <vector>

#include "core/decisions.h"

class RandomPerson : public PersonDriver {
public:
    explicit RandomPerson(unsigned seed) : seed_(seed) {}
    int Choose(RaceEventKind kind, int car, const std::vector<int>& offered) override;
    bool Take(RaceEventKind kind, int car, int value) override;

private:
    void Reseed(RaceEventKind kind, int car, int value);
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    int Cross(int car, const std::vector<int>& offered);
    unsigned seed_;
    std::mt19937 random_;
    int pressed_ = -1;
};
