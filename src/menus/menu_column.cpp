#include "menus/menu_column.h"

#include "core/event_receiver.h"
#include "core/frame_pump.h"
#include "core/game_state.h"

bool MenuColumnFrame(int ownButton) {
    PumpFrameOrEnd();
    const int id = game.lastGuiId;
    if (id == 0 || id == ownButton) return false;
    switch (id) {
        case gui_id::Home:
            game.lastGuiId = 0;
            return true;
        case gui_id::NewPilot:
        case gui_id::EditPilot:
        case gui_id::NewRace:
        case gui_id::Credits:
        case gui_id::Replays:
        case gui_id::Resume:
        case gui_id::Rules:
        case gui_id::JoinRace:
            return true;
        case gui_id::QuitGame:
            EndProgram();
        default:
            return false;
    }
}
