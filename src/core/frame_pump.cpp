#include "core/frame_pump.h"

#include <cstdlib>

#include "core/game_state.h"
#include "core/race_keys.h"
#include "core/text_input.h"

namespace {
long long framesPumped = 0;
FrameHook frameHook;
FrameHook networkPump;
FrameHook waitingScreen;
EndProgramHandler endProgramHandler;
}  // namespace

bool PumpFrame() {
    if (!game.device || !game.device->run()) return false;
    ++framesPumped;
    DeliverTypedText();
    DeliverRaceKeys();
    if (networkPump) networkPump();
    if (frameHook) frameHook();
    return true;
}

void SetNetworkPump(FrameHook pump) { networkPump = std::move(pump); }

void SetWaitingScreen(FrameHook screen) { waitingScreen = std::move(screen); }

bool ShowWaitingScreen() {
    if (!waitingScreen) return false;
    waitingScreen();
    return true;
}

long long FramesPumped() { return framesPumped; }

void SetFrameHook(FrameHook hook) { frameHook = std::move(hook); }

void SetEndProgramHandler(EndProgramHandler handler) { endProgramHandler = std::move(handler); }

void EndProgram() {
    if (endProgramHandler) endProgramHandler();
    StopTextInput();
    if (game.device) {
        game.device->drop();
        game.device = nullptr;
    }
    std::exit(0);
}

void PumpFrameOrEnd() {
    if (!PumpFrame()) EndProgram();
}
