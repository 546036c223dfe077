#include "scene/race_view.h"

#include "core/camera_control.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/message_window.h"
#include "platform/clock.h"
#include "scene/race_frame.h"

void RunRaceView() {
    CreateMessageWindow();
    while (PumpFrame()) {
        CameraControl();
        DrawRaceFrame();
        SleepMilliseconds(static_cast<int>(game.frameDelay));
    }
}
