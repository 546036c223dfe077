// What the keys do in a race. Most stand for a click a person would make on
// the screen: Return or Space on the message's button ("Fermer", "Arréter
// le Dé"), 1 to 4 on its answers, a letter on a button or box of the race
// column; such a key does nothing where its control is hidden or disabled,
// as a click could not reach it. The others are requests that the loop in
// progress takes: a digit of the numeric keypad and Return for the choice
// of a cross, Escape to leave an aiming screen. Space pauses and resumes a
// race that no person plays. O cuts the sound and gives it back.
#pragma once

#include <irrlicht.h>

#include <vector>

#include "platform/key_text.h"

void PressRaceKey(const RaceKey& key);

// The race key of an engine key event: what a window whose keys are not
// read from the X server gives (the null renderer, the software renderer).
RaceKey RaceKeyOfEngineKey(irr::EKEY_CODE key);

// Hands the keys read from the window since the last frame to PressRaceKey
// during a race, and drops them in the menus; once per pumped frame.
void DeliverRaceKeys();

// The letter of each button and box of the race column, for their tooltips.
struct ColumnKey {
    int guiId;
    char letter;
};
const std::vector<ColumnKey>& ColumnKeys();
