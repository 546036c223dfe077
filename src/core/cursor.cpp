#include "core/cursor.h"

#include "core/game_state.h"

namespace {
bool overridden = false;
irr::core::position2di overridePosition;
}  // namespace

irr::core::position2di CursorPosition() {
    if (overridden) return overridePosition;
    if (game.cursorControl) return game.cursorControl->getPosition();
    return {0, 0};
}

void SetCursorOverride(irr::core::position2di position) {
    overridden = true;
    overridePosition = position;
}

void ClearCursorOverride() { overridden = false; }
