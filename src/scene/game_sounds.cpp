#include "scene/game_sounds.h"

#include <algorithm>

#include "core/game_state.h"
#include "platform/paths.h"
#include "scene/race_frame.h"

using namespace irr;

namespace {
SoundHeardHook heardHook;

const char* const kFileNames[kSoundCount] = {
    "moteur", "pneus", "choc_mur", "choc_voiture", "explosion", "burnout", "mitrailleuse", "pistolet",
    "bazooka", "grenade", "huile", "de_roule", "de_arret", "clic", "foule"};

// Nothing is heard while nothing is drawn: a resumed race catching up, the
// simulator.
bool Heard(Sound sound) {
    if (!AudioOpen() || AudioMuted() || FramesDrawnEvery() == 0) return false;
    if (heardHook) heardHook(sound);
    return true;
}

SoundPoint ToVec(const core::vector3df& v) { return {v.X, v.Y, v.Z}; }

// The listener is the camera: placed before each sound starts.
void PlaceListenerAtCamera() {
    if (!game.camera) return;
    game.camera->updateAbsolutePosition();
    PlaceListener(ToVec(game.camera->getAbsolutePosition()), ToVec(game.camera->getTarget()),
                  ToVec(game.camera->getUpVector()));
}

bool HasNode(int car) { return car >= 1 && car <= game.carCount && game.cars[car].sceneNode; }

core::vector3df CarPosition(int car) { return game.cars[car].sceneNode->getAbsolutePosition(); }

// An engine turns faster on a longer move: a move of one cell sounds at the
// sound's own pitch, one of six cells twice as high.
float EnginePitch(float cells) { return 0.8f + std::min(cells, 8.0f) * 0.2f; }
}  // namespace

std::string SoundFile(Sound sound) {
    return std::string("data/sons/") + kFileNames[static_cast<int>(sound)] + ".flac";
}

void StartGameSounds(bool on, int volume) {
    if (!on || !OpenAudio()) return;
    SetAudioGain(static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f);
    for (int i = 0; i < kSoundCount; ++i) {
        const std::string file = SoundFile(static_cast<Sound>(i));
        LoadSound(i, GamePath(std::wstring(file.begin(), file.end())));
    }
}

void StopGameSounds() { CloseAudio(); }

void PlayAtPoint(Sound sound, const core::vector3df& at, float gain) {
    if (!Heard(sound)) return;
    PlaceListenerAtCamera();
    PlaySound({static_cast<int>(sound), ToVec(at), false, gain, 1, false});
}

void PlayAtCar(Sound sound, int car, float gain) {
    if (!HasNode(car) || !Heard(sound)) return;
    PlaceListenerAtCamera();
    PlaySound({static_cast<int>(sound), ToVec(CarPosition(car)), false, gain, 1, false});
}

Voice PlayBesidePlayer(Sound sound, float gain, bool loop) {
    if (!Heard(sound)) return 0;
    return PlaySound({static_cast<int>(sound), {}, true, gain, 1, loop});
}

float ImpactLoudness(int damage) {
    return std::min(0.35f + 0.1f * static_cast<float>(std::max(damage, 0)), 1.0f);
}

Voice StartEngine(int car, float cells) {
    if (!HasNode(car) || !Heard(Sound::Engine)) return 0;
    PlaceListenerAtCamera();
    return PlaySound({static_cast<int>(Sound::Engine), ToVec(CarPosition(car)), false, 0.6f, EnginePitch(cells), true});
}

void FollowWithEngine(Voice engine, int car, float cells) {
    if (!engine || !HasNode(car)) return;
    PlaceListenerAtCamera();
    MoveVoice(engine, ToVec(CarPosition(car)), EnginePitch(cells));
}

void SetSoundHeardHook(SoundHeardHook hook) { heardHook = std::move(hook); }
