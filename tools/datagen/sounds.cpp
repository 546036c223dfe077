#include "sounds.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "platform/audio.h"
#include "scene/game_sounds.h"
#include "sound_synth.h"

namespace {
// A loop: whole cycles of whole-hertz tones, so its end meets its start.
Clip Engine(Rng&) {
    Clip clip(1.0f);
    // A four-cylinder's firing: a low fundamental, its harmonics and a throb.
    const float harmonics[] = {1.0f, 0.6f, 0.45f, 0.25f, 0.15f};
    for (int h = 0; h < 5; ++h) AddTone(clip, 0, 1, 55.0f * (h + 1), 55.0f * (h + 1), Held(harmonics[h]));
    for (size_t i = 0; i < clip.samples.size(); ++i)
        clip.samples[i] *= 0.75f + 0.25f * std::sin(2 * 3.14159265f * 20.0f * i / kSoundRate);
    Normalise(clip, 0.8f);
    return clip;
}

Clip Tyres(Rng& rng) {
    Clip clip(0.9f);
    AddTone(clip, 0, 0.9f, 1150, 900, Strike(0.05f, 0.5f));
    AddTone(clip, 0, 0.9f, 1730, 1400, Strike(0.05f, 0.4f));
    AddNoise(clip, rng, 0, 0.9f, 0, Strike(0.03f, 0.4f));
    HighPass(clip, 500);
    Finish(clip);
    return clip;
}

Clip Thump(Rng& rng, float pitch, float length) {
    Clip clip(length);
    AddTone(clip, 0, length, 90 * pitch, 40 * pitch, Strike(0.003f, 0.12f));
    AddNoise(clip, rng, 0, length, 2500, Strike(0.001f, 0.05f));
    Finish(clip);
    return clip;
}

Clip WallHit(Rng& rng) { return Thump(rng, 1, 0.5f); }

Clip CarHit(Rng& rng) {
    Clip clip = Thump(rng, 1.4f, 0.7f);
    // Sheet metal ringing: partials that are no harmonics of each other.
    for (float hz : {420.0f, 693.0f, 1187.0f, 1610.0f}) AddTone(clip, 0, 0.7f, hz, hz * 0.97f, Strike(0.002f, 0.15f));
    Finish(clip);
    return clip;
}

Clip Boom(Rng& rng, float length) {
    Clip clip(length);
    AddNoise(clip, rng, 0, length, 900, Strike(0.01f, length / 4));
    AddNoise(clip, rng, 0, length, 150, Strike(0.02f, length / 3));
    AddTone(clip, 0, length, 55, 30, Strike(0.01f, length / 5));
    Finish(clip);
    return clip;
}

Clip Explosion(Rng& rng) { return Boom(rng, 1.6f); }

Clip BurnOut(Rng& rng) {
    Clip clip(1.6f);
    AddNoise(clip, rng, 0, 1.6f, 400, Strike(0.2f, 0.8f));
    // The crackle of burning: short sharp clicks scattered over the roar.
    for (int k = 0; k < 40; ++k)
        AddNoise(clip, rng, rng.Range(0.05f, 1.4f), 0.015f, 0, Strike(0.0005f, 0.003f * rng.Range(1, 3)));
    Finish(clip);
    return clip;
}

Clip Shot(Rng& rng, Clip clip, float at, float gain) {
    AddNoise(clip, rng, at, 0.12f, 6000, [gain](float t) { return gain * std::exp(-t / 0.025f); });
    AddTone(clip, at, 0.08f, 180, 90, [gain](float t) { return 0.5f * gain * std::exp(-t / 0.02f); });
    return clip;
}

Clip MachineGun(Rng& rng) {
    Clip clip(0.75f);
    for (int k = 0; k < 9; ++k) clip = Shot(rng, clip, 0.07f * k, rng.Range(0.8f, 1));
    Finish(clip);
    return clip;
}

Clip Pistol(Rng& rng) {
    Clip clip = Shot(rng, Clip(0.4f), 0, 1);
    AddNoise(clip, rng, 0.02f, 0.35f, 1200, Strike(0.01f, 0.1f));  // its echo
    Finish(clip);
    return clip;
}

Clip Bazooka(Rng& rng) {
    Clip clip(1.1f);
    AddNoise(clip, rng, 0, 0.45f, 3000, [](float t) { return t / 0.45f; });  // the rocket's whoosh
    MixIn(clip, Boom(rng, 0.65f), 0.45f);
    Finish(clip);
    return clip;
}

Clip Grenade(Rng& rng) {
    Clip clip(1.0f);
    AddTone(clip, 0, 0.06f, 900, 900, Strike(0.001f, 0.01f));  // the launcher's pop
    MixIn(clip, Boom(rng, 0.8f), 0.2f);
    Finish(clip);
    return clip;
}

Clip Oil(Rng& rng) {
    Clip clip(0.8f);
    AddNoise(clip, rng, 0, 0.8f, 0, [](float t) { return t < 0.1f ? t / 0.1f : std::exp(-(t - 0.1f) / 0.3f); });
    HighPass(clip, 2500);
    Finish(clip, 0.7f);
    return clip;
}

// A loop of knocks of the die on the table, none at the loop's ends.
Clip DieRolling(Rng& rng) {
    Clip clip(0.6f);
    for (int k = 0; k < 9; ++k) {
        const float at = 0.02f + 0.06f * k + rng.Range(0, 0.02f), hz = rng.Range(1800, 3200);
        AddTone(clip, at, 0.02f, hz, hz, Strike(0.0005f, 0.004f));
        AddNoise(clip, rng, at, 0.02f, 5000, Strike(0.0005f, 0.003f));
    }
    Normalise(clip, 0.7f);
    return clip;
}

Clip DieStop(Rng& rng) {
    Clip clip(0.2f);
    AddTone(clip, 0, 0.2f, 1400, 1300, Strike(0.001f, 0.03f));
    AddTone(clip, 0, 0.2f, 320, 300, Strike(0.001f, 0.04f));
    AddNoise(clip, rng, 0, 0.05f, 4000, Strike(0.0005f, 0.006f));
    Finish(clip);
    return clip;
}

Clip Click(Rng&) {
    Clip clip(0.06f);
    AddTone(clip, 0, 0.06f, 2200, 1800, Strike(0.001f, 0.01f));
    Finish(clip, 0.6f);
    return clip;
}

Clip Crowd(Rng& rng) {
    Clip clip(2.4f);
    // Voices cheering: many bands of noise swelling, a few whistles.
    for (int k = 0; k < 30; ++k) {
        const float at = rng.Range(0, 0.6f);
        AddNoise(clip, rng, at, 2.4f - at, rng.Range(500, 1500), Strike(rng.Range(0.2f, 0.5f), rng.Range(0.5f, 1.2f)));
    }
    for (int k = 0; k < 3; ++k) {
        const float at = rng.Range(0.2f, 1.2f), hz = rng.Range(1800, 2600);
        AddTone(clip, at, 0.5f, hz, hz * 1.3f, Strike(0.05f, 0.2f));
    }
    HighPass(clip, 200);
    Finish(clip);
    return clip;
}

using Recipe = Clip (*)(Rng&);
constexpr Recipe kRecipes[kSoundCount] = {Engine,  Tyres,   WallHit, CarHit,     Explosion, BurnOut, MachineGun, Pistol,
                                          Bazooka, Grenade, Oil,     DieRolling, DieStop,   Click,   Crowd};

void WriteFlac(const std::string& path, const Clip& clip) {
    SF_INFO info{};
    info.samplerate = kSoundRate;
    info.channels = 1;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const sf_count_t written = sf_writef_float(file, clip.samples.data(), static_cast<sf_count_t>(clip.samples.size()));
    sf_close(file);
    if (written != static_cast<sf_count_t>(clip.samples.size())) throw std::runtime_error("cut while writing " + path);
}
}  // namespace

void WriteSounds(const std::string& gameFolder) {
    std::filesystem::create_directories(gameFolder + "/data/sons");
    for (int i = 0; i < kSoundCount; ++i) {
        Rng rng(1000u + static_cast<uint32_t>(i));
        WriteFlac(gameFolder + "/" + SoundFile(static_cast<Sound>(i)), kRecipes[i](rng));
    }
}

void CheckSounds(const std::string& gameFolder) {
    for (int i = 0; i < kSoundCount; ++i) {
        const std::string path = gameFolder + "/" + SoundFile(static_cast<Sound>(i));
        const SoundSamples sound = ReadSoundFile(path);
        float peak = 0;
        for (float s : sound.samples) peak = std::max(peak, std::fabs(s));
        if (sound.rate != kSoundRate || sound.samples.size() < kSoundRate / 50 || peak < 0.5f || peak > 0.95f)
            throw std::runtime_error(path + " reads back wrong");
        // A sound that does not loop starts and ends at rest: no click.
        const bool ends = std::fabs(sound.samples.front()) < 0.01f && std::fabs(sound.samples.back()) < 0.01f;
        if (static_cast<Sound>(i) != Sound::Engine && !ends) throw std::runtime_error(path + " clicks at an end");
    }
}
