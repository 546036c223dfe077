#include "scene/aiming_screen.h"

#include "core/frame_pump.h"
#include "platform/clock.h"
#include "scene/camera_control.h"
#include "scene/cross_markers.h"
#include "scene/race_frame.h"

void RunAimingScreen(const AimingScreen& screen) {
    game.keys = KeyRequests();
    for (;;) {
        PumpFrameOrEnd();
        CameraControl();
        DrawRaceFrame(screen.drawAim);
        if (game.mouse.pickRequest) {
            game.mouse.pickRequest = 0;
            if (screen.onPick()) return;
        }
        if (game.keys.confirm) {
            game.keys.confirm = 0;
            if (screen.onConfirm && screen.onConfirm()) return;
        }
        SleepMilliseconds(static_cast<int>(game.frameDelay));
        if (game.keys.escape) {
            game.keys.escape = 0;
            HideChoiceMarkers();
            ClearActionRequests();
            return;
        }
        if (AnyActionRequest()) {
            HideChoiceMarkers();
            if (game.actionRequests[screen.ownRequest]) ClearActionRequests();
            return;
        }
    }
}
