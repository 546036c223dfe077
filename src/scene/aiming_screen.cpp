#include "scene/aiming_screen.h"

#include "core/decisions.h"
#include "core/frame_pump.h"
#include "platform/clock.h"
#include "scene/camera_control.h"
#include "scene/cross_markers.h"
#include "scene/race_frame.h"

namespace {
// The person aims on the screen: the target picked, 0 when he left the aim,
// -1 when another button ended it.
int AimOnScreen(const AimingScreen& screen) {
    game.keys = KeyRequests();
    for (;;) {
        PumpFrameOrEnd();
        CameraControl();
        DrawRaceFrame(screen.drawAim);
        if (game.mouse.pickRequest) {
            game.mouse.pickRequest = 0;
            const int target = screen.pickedTarget();
            if (target != -1) return target;
        }
        if (game.keys.confirm) {
            game.keys.confirm = 0;
            const std::vector<int> targets = screen.targets();
            if (targets.size() == 1) return targets[0];
        }
        SleepMilliseconds(static_cast<int>(game.frameDelay));
        if (game.keys.escape) {
            game.keys.escape = 0;
            ClearActionRequests();
            return 0;
        }
        if (AnyActionRequest()) {
            if (!game.actionRequests[screen.ownRequest]) return -1;
            ClearActionRequests();
            return 0;
        }
    }
}
}  // namespace

void RunAimingScreen(const AimingScreen& screen) {
    for (;;) {
        std::vector<int> choices = screen.targets();
        choices.push_back(0);  // leaving the aim
        const int target =
            Decide(RaceEventKind::Target, screen.car, [&screen] { return AimOnScreen(screen); }, choices);
        if (target <= 0) {
            HideChoiceMarkers();
            return;
        }
        if (screen.fire(target)) return;
    }
}
