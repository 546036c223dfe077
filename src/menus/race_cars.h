// Putting the chosen pilots into the car table for a race, shared by the
// race setup and the race started from the command line.
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

// The refusals of a race that cannot start.
extern const wchar_t* const kSamePilotTwice;
extern const wchar_t* const kChooseCircuitAndPilots;
extern const wchar_t* const kAtLeastTwoPilots;

// The colour words, item by item of the colour choice: "rouge", "bleu",
// "vert", "jaune".
constexpr int kColourWordCount = 4;
const wchar_t* ColourWord(int item);

// The drivers a player chooses between, item by item of the driver
// choice: "Humain", "IA", "IA combative"; and the driver of an item.
constexpr int kDriverItemCount = 3;
const wchar_t* DriverItem(int item);
Driver DriverOfItem(int item);

// How many cars the loaded circuit takes: its own maximum, never more than
// the car table holds.
int RaceCarLimit();

// Loads the pilot into car `car` with its colour word and its driver's word
// ("Humain", "IA" or "IAC").
void LoadRaceCar(int car, const std::wstring& pilot, const std::wstring& colour, Driver driver);

// One message for each of cars 1..count whose pilot file does not match its
// integrity text.
std::vector<std::wstring> IntegrityRefusals(int count);
