// The sound synthesiser's building blocks: a mono clip of samples at the
// game's rate, filled by adding tones and noise under envelopes, filtered,
// faded at both ends and normalised.
#pragma once

#include <functional>
#include <vector>

#include "rng.h"

constexpr int kSoundRate = 22050;

struct Clip {
    std::vector<float> samples;
    explicit Clip(float seconds) : samples(static_cast<size_t>(seconds * kSoundRate), 0.0f) {}
    float Seconds() const { return static_cast<float>(samples.size()) / kSoundRate; }
};

// An envelope: the gain at time t seconds after the start of a part.
using Envelope = std::function<float(float t)>;
// Rises in `attack` seconds, then falls exponentially with time constant `decay`.
Envelope Strike(float attack, float decay);
// Constant gain.
Envelope Held(float gain);

// Adds a sine of frequency `hz` (it may glide: `hzEnd` at the part's end)
// from `start` for `length` seconds.
void AddTone(Clip& clip, float start, float length, float hz, float hzEnd, const Envelope& envelope);
// Adds white noise through a one-pole low-pass at `cutoff` Hz (0: unfiltered).
void AddNoise(Clip& clip, Rng& rng, float start, float length, float cutoff, const Envelope& envelope);
// Adds another clip from `start` seconds on (what passes the end is left out).
void MixIn(Clip& clip, const Clip& other, float start);
// Filters the whole clip.
void LowPass(Clip& clip, float cutoff);
void HighPass(Clip& clip, float cutoff);
// Short fades at both ends (no click when the sound starts or is cut) and
// the peak brought to `peak`.
void Finish(Clip& clip, float peak = 0.9f);
// The peak only: a clip that loops must not fade.
void Normalise(Clip& clip, float peak = 0.9f);
