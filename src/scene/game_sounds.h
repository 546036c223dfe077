// The game's sounds, heard where the player sees them happen: at a car, at
// a point of the circuit, or beside the player (the dice, the menus). They
// are started by what is shown (a move drawn, an explosion, the dice
// window), never by the rules' own reckoning, and they are silent while
// nothing is drawn (a resumed race catching up), when muted, and when no
// sound device could be opened.
#pragma once

#include <irrlicht.h>

#include <functional>
#include <string>

#include "platform/audio.h"

enum class Sound {
    Engine, Tyres, WallHit, CarHit, Explosion, BurnOut, MachineGun, Pistol,
    Bazooka, Grenade, Oil, DieRolling, DieStop, Click, Crowd, Count
};
constexpr int kSoundCount = static_cast<int>(Sound::Count);

// The sound's file below the game folder, such as "data/sons/moteur.flac".
std::string SoundFile(Sound sound);

// Opens the sound device when `on` and loads every sound; a missing or
// unreadable file leaves that sound silent. Volume 0 to 100.
void StartGameSounds(bool on, int volume);
void StopGameSounds();

void PlayAtCar(Sound sound, int car, float gain = 1);
void PlayAtPoint(Sound sound, const irr::core::vector3df& at, float gain = 1);
Voice PlayBesidePlayer(Sound sound, float gain = 1, bool loop = false);

// A blow's loudness: a brush is quiet, more damage louder.
float ImpactLoudness(int damage);

// The engine of a car in motion: started with its move, following the car,
// its pitch rising with the move's length in cells.
Voice StartEngine(int car, float cells);
void FollowWithEngine(Voice engine, int car, float cells);

// Called with each sound that is heard (tests record when).
using SoundHeardHook = std::function<void(Sound)>;
void SetSoundHeardHook(SoundHeardHook hook);
