#include "sound_synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kFadeIn = 0.004f, kFadeOut = 0.03f;

size_t SampleAt(const Clip& clip, float seconds) {
    return std::min(clip.samples.size(), static_cast<size_t>(std::max(seconds, 0.0f) * kSoundRate));
}

float LowPassFactor(float cutoff) { return 1.0f - std::exp(-2.0f * kPi * cutoff / kSoundRate); }
}  // namespace

Envelope Strike(float attack, float decay) {
    return [attack, decay](float t) { return t < attack ? t / attack : std::exp(-(t - attack) / decay); };
}

Envelope Held(float gain) {
    return [gain](float) { return gain; };
}

void AddTone(Clip& clip, float start, float length, float hz, float hzEnd, const Envelope& envelope) {
    const size_t first = SampleAt(clip, start), last = SampleAt(clip, start + length);
    float phase = 0;
    for (size_t i = first; i < last; ++i) {
        const float t = static_cast<float>(i - first) / kSoundRate;
        phase += 2 * kPi * (hz + (hzEnd - hz) * t / length) / kSoundRate;
        clip.samples[i] += std::sin(phase) * envelope(t);
    }
}

void AddNoise(Clip& clip, Rng& rng, float start, float length, float cutoff, const Envelope& envelope) {
    const size_t first = SampleAt(clip, start), last = SampleAt(clip, start + length);
    const float a = cutoff > 0 ? LowPassFactor(cutoff) : 1.0f;
    float state = 0;
    for (size_t i = first; i < last; ++i) {
        state += a * (rng.Range(-1, 1) - state);
        clip.samples[i] += state * envelope(static_cast<float>(i - first) / kSoundRate);
    }
}

void MixIn(Clip& clip, const Clip& other, float start) {
    const size_t first = SampleAt(clip, start);
    for (size_t i = 0; i < other.samples.size() && first + i < clip.samples.size(); ++i)
        clip.samples[first + i] += other.samples[i];
}

void LowPass(Clip& clip, float cutoff) {
    const float a = LowPassFactor(cutoff);
    float state = 0;
    for (float& s : clip.samples) s = state += a * (s - state);
}

void HighPass(Clip& clip, float cutoff) {
    const float a = LowPassFactor(cutoff);
    float low = 0;
    for (float& s : clip.samples) {
        low += a * (s - low);
        s -= low;
    }
}

void Normalise(Clip& clip, float peak) {
    float most = 0;
    for (float s : clip.samples) most = std::max(most, std::fabs(s));
    if (most > 0)
        for (float& s : clip.samples) s *= peak / most;
}

void Finish(Clip& clip, float peak) {
    const size_t in = SampleAt(clip, kFadeIn), out = SampleAt(clip, kFadeOut), n = clip.samples.size();
    for (size_t i = 0; i < in && i < n; ++i) clip.samples[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out && i < n; ++i) clip.samples[n - 1 - i] *= static_cast<float>(i) / out;
    Normalise(clip, peak);
}
