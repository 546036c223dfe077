// A small deterministic random source for the generator: the same numbers on
// every machine and every build, so the generated art never changes by itself.
#pragma once

#include <cstdint>

class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}

    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    float Unit() { return (Next() >> 8) * (1.0f / 16777216.0f); }
    // Uniform in [low, high).
    float Range(float low, float high) { return low + (high - low) * Unit(); }
    // Uniform whole number in [low, high].
    int Int(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint32_t>(high - low + 1)); }

private:
    uint32_t state_;
};
