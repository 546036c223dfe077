// The turn of a fighting computer driver around its move: the action chosen
// by rules/fight_choice, carried out through the same firing sequences as a
// player's, its questions answered by that choice.
#pragma once

// Before the move: a shot, a grenade, a reload or the oil projector when one
// is worth it now.
void FightBeforeMove(int car);

// After the move, when the car has not acted yet: a shot, a grenade or a
// reload when one is worth it.
void FightAfterMove(int car);
