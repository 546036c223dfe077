// Dressing one car for the start: its slot, its flags, its node, its colour
// and its trail.
#pragma once

#include <irrlicht.h>

#include <string>

// Prepares car `index` of the table for the start in slot `carNumber`
// (1..19). Returns false, with the message in `error`, when its mesh cannot
// be loaded.
bool SetupCarForRace(int index, int carNumber, const std::wstring& colourName,
                     std::wstring& error);

// The colour of a colour word ("bleu", "rouge", "vert", "jaune"); false for
// any other word.
bool ColourOfName(const std::wstring& colourName, irr::u32& colour);
