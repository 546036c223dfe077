#include "scene/loading_screen.h"

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "platform/clock.h"
#include "scene/race_frame.h"

using namespace irr;

core::rect<s32> LoadingBarRect(int step, int total, core::dimension2du screen) {
    const f32 percent = total < 1 ? 0.0f : static_cast<f32>(static_cast<s32>(
                                               static_cast<f32>(step) * (100.0f / static_cast<f32>(total))));
    const f32 sx = static_cast<f32>(screen.Width) / 800.0f;
    const f32 sy = static_cast<f32>(screen.Height) / 600.0f;
    const s32 full = static_cast<s32>(677 * sx - 126 * sx);
    const s32 width = static_cast<s32>(static_cast<f32>(full) / 100.0f * percent);
    const s32 right = static_cast<s32>(126 * sx + static_cast<f32>(width));
    return {static_cast<s32>(124 * sx), static_cast<s32>(293 * sy), right, static_cast<s32>(328 * sy)};
}

namespace {
// A loading screen drawn more often than this is not seen, and each drawing
// costs as much as a frame of the race.
constexpr long long kLoadingFrameMilliseconds = 33;
long long lastLoadingFrame = -kLoadingFrameMilliseconds;

bool LoadingFrameDue(int step, int total) {
    const long long now = CurrentTimeMilliseconds();
    // The first and the last steps are always shown.
    if (step > 0 && step < total && now - lastLoadingFrame < kLoadingFrameMilliseconds) return false;
    lastLoadingFrame = now;
    return true;
}
}  // namespace

void ShowLoading(int step, int total) {
    PumpFrameOrEnd();
    if (!LoadingFrameDue(step, total)) return;
    video::IVideoDriver* driver = game.videoDriver;
    const core::dimension2du screen = driver->getScreenSize();
    BeginRaceScene();
    game.sceneManager->drawAll();
    UsePlainDrawing();
    if (game.loadingImage)
        driver->draw2DImage(game.loadingImage,
                            core::rect<s32>(-1, 0, static_cast<s32>(screen.Width) - 1,
                                            static_cast<s32>(screen.Height)),
                            core::rect<s32>(0, 0, 1024, 768));
    if (game.loadingBarImage)
        driver->draw2DImage(game.loadingBarImage, LoadingBarRect(step, total, screen),
                            core::rect<s32>(0, 0, 100, 100));
    game.guiEnvironment->drawAll();
    driver->endScene();
}
