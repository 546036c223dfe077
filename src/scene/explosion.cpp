#include "scene/explosion.h"

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "platform/clock.h"
#include "scene/camera_control.h"
#include "scene/game_sounds.h"
#include "scene/race_frame.h"

using namespace irr;

namespace {
constexpr int kFirstImage = 10;
constexpr int kLastLoadedImage = 64;

video::ITexture* ExplosionImage(int number) {
    return number <= kLastLoadedImage ? game.explosionImages[number] : nullptr;
}

// One frame of the explosion: the race as usual, the image over it.
void ExplosionFrame(const core::vector3df& at, int number) {
    PumpFrameOrEnd();
    const core::position2di centre = ScreenPosition(at);
    CameraControl();
    video::ITexture* image = ExplosionImage(number);
    DrawRaceFrame([image, centre] {
        if (image) DrawImageCentredAt(image, centre);
    });
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}
}  // namespace

void PlayExplosion(int x, int y, int z, int lastImage) {
    const core::vector3df at(static_cast<f32>(x), static_cast<f32>(y), static_cast<f32>(z));
    PlayAtPoint(Sound::Explosion, at);
    for (int number = kFirstImage; number <= lastImage; ++number) ExplosionFrame(at, number);
}

void PlayExplosionAtCar(int car) {
    if (car < 1 || car > game.carCount || !game.cars[car].sceneNode) return;
    const core::vector3df at = game.cars[car].sceneNode->getPosition();
    PlayExplosion(static_cast<int>(at.X), static_cast<int>(at.Y), static_cast<int>(at.Z),
                  kLastLoadedImage);
}
