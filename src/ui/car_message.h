// Messages of the rules about one car: anchored at its node, in its colour.
#pragma once

#include <string>

// DiceDialog anchored at the car's node (or at no point when it has none),
// placed away from it, no trail highlighted, in the given colour. Without
// `placeNearAnchor` the window keeps its place; the line to the car is drawn.
int DiceDialogAboutCar(const std::wstring& text, int car, unsigned colour,
                       bool placeNearAnchor = true);

// A message about car `car` in its colour, closed with "Fermer".
void TellAboutCar(const std::wstring& text, int car);

// A die of `faces` faces rolled for car `car`: a person rolls it in the
// message window under `text`, in the car's colour, anchored at car
// `anchorCar` (the car itself when 0); the computer rolls it silently.
int RollForCar(const std::wstring& text, int car, int faces, int anchorCar = 0);

// The same message and die, the window left in its place rather than moved
// away from the car: the windows of a shot.
void TellAboutCarInPlace(const std::wstring& text, int car);
int RollForCarInPlace(const std::wstring& text, int car, int faces);

// A question to a person about car `car` with two answers, in its colour,
// anchored at car `anchorCar` (the car itself when 0); returns 1 or 2.
int AskAboutCar(const std::wstring& text, int car, const std::wstring& first,
                const std::wstring& second, int anchorCar = 0);

// A message anchored at no point, placed away from the screen's origin.
int DiceDialogUnanchored(const std::wstring& text, unsigned colour);

constexpr unsigned kOpaqueGreen = 0xFF00FF00;
constexpr unsigned kOpaqueWhite = 0xFFFFFFFF;
