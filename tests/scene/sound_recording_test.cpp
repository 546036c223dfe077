// What the player hears, recorded: OpenAL Soft's wave writer takes the
// device's output into a file while a machine gun is fired at a car, its
// dice rolled in the window and the hit's explosion shown. Each sound is in
// the recording when it is heard, and nothing before the first.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/clock.h"
#include "rules/machine_gun.h"
#include "scene/game_sounds.h"
#include "support/shot_fixture.h"

namespace {
// The loudness (root mean square) of the recording from `from` for `length` seconds.
float Loudness(const SoundSamples& recording, double from, double length) {
    const size_t first = static_cast<size_t>(std::max(from, 0.0) * recording.rate);
    const size_t last = std::min(recording.samples.size(), first + static_cast<size_t>(length * recording.rate));
    double sum = 0;
    for (size_t i = first; i < last; ++i) sum += recording.samples[i] * recording.samples[i];
    return last > first ? static_cast<float>(std::sqrt(sum / static_cast<double>(last - first))) : 0.0f;
}
}  // namespace

TEST_F(ShotTest, AMachineGunBurstTheRolledDiceAndTheHitsExplosionAreHeardWhenTheyHappen) {
    const std::string wave = workDir + "/entendu.wav";
    WriteFile("alsoft.conf", "[general]\ndrivers = wave\nfrequency = 22050\nchannels = stereo\n"
                             "sample-type = int16\n[wave]\nfile = " + wave + "\n");
    setenv("ALSOFT_CONF", (workDir + "/alsoft.conf").c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);
    ASSERT_TRUE(CopyFromGameFolder("data/sons"));
    // The race as a player sees it: frames spaced in time, as the recording is.
    SetSleepEnabled(true);
    game.frameDelay = 4;
    // The recording starts with the device, before the sounds are read.
    ASSERT_TRUE(OpenAudio());
    const double opened = SteadySeconds();
    StartGameSounds(true, 100);
    std::map<Sound, double> firstHeard;
    SetSoundHeardHook([&](Sound sound) { firstHeard.emplace(sound, SteadySeconds() - opened); });
    SleepMilliseconds(600);

    AddGadget(1, SideFront, L"Mitrailleuse avant");
    StandCar(1, 2, 5, 90);
    StandCar(2, 5, 5, 270);
    for (int roll : {1, 4, 15}) QueueDieResult(roll);  // hit, damage, piloting of car 2
    ShootAtCarTwo([] { FireMachineGun(1, GunMount::Front); });
    SleepMilliseconds(1500);
    SetSoundHeardHook(nullptr);
    StopGameSounds();  // the wave file's header written

    const SoundSamples recording = ReadSoundFile(wave);
    ASSERT_EQ(recording.rate, 22050);
    double first = 1e9;
    for (Sound sound : {Sound::MachineGun, Sound::DieRolling, Sound::Explosion}) {
        ASSERT_TRUE(firstHeard.count(sound)) << SoundFile(sound) << " never started";
        first = std::min(first, firstHeard[sound]);
        EXPECT_GT(Loudness(recording, firstHeard[sound] - 0.05, 0.3), 0.02f) << SoundFile(sound);
    }
    EXPECT_GT(first, 0.5);
    EXPECT_LT(Loudness(recording, 0.05, first - 0.1), 0.0005f) << "silence before the first sound";
    // The explosion stands out of the dice rattling before it.
    const double explosion = firstHeard[Sound::Explosion];
    EXPECT_GT(Loudness(recording, explosion - 0.05, 0.3), 2 * Loudness(recording, explosion - 0.4, 0.3));
}
