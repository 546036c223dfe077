// The car menu opened by a right click on a car, and the car sheet
// "Fiche Voiture" listing its pilot, structure and gadgets.
#pragma once

#include <string>

// The sheet's text for car `car`.
std::wstring CarSheetText(int car);

// The "--->" window at the mouse position, until another right click or one
// of its buttons.
void CarMenu(int car, int x, int y);

// The "Fiche Voiture" window of the car, until the player closes it.
void CarSheet(int car);
