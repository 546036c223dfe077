// Spending the charges of fitted gadgets: the first charged one, or one of
// the face the player picks when charged ones sit on several faces.
#pragma once

#include <string>

// One charge off the first gadget of that name whose charges are above 0 on
// `side` (kAllSides: sides 0 to 4 in order). False when there is none.
bool SpendFirstCharge(int car, const std::wstring& name, int side);

// One charge off a charged gadget of that name. With more than one charged,
// the player picks among the faces 1 to 4 holding one ("AVANT", "ARRIERE",
// "DROITE", "GAUCHE") under `question`, at the car in its colour, and the
// first charged one of that face is spent; a computer driver spends the first
// charged one. False when none is charged.
bool SpendChargeOfChosenSide(int car, const std::wstring& name, const std::wstring& question);
