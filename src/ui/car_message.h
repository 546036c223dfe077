// Messages of the rules about one car: anchored at its node, in its colour.
#pragma once

#include <string>

// DiceDialog about car `car`, in its colour, pointing at the node of car
// `anchorCar` (the car itself when 0; no point when it has no node), no
// trail highlighted; `anchored` places the window away from the node.
int DiceDialogAboutCar(const std::wstring& text, int car, int anchorCar = 0, bool anchored = true);

// A message about car `car` in its colour, closed with "Fermer", about car
// `anchorCar` (the car itself when 0).
void TellAboutCar(const std::wstring& text, int car, int anchorCar = 0, bool anchored = true);

// A die of `faces` faces rolled for car `car`: a person rolls it in the
// message window under `text`, in the car's colour, about car `anchorCar`
// (the car itself when 0); the computer rolls it silently.
int RollForCar(const std::wstring& text, int car, int faces, int anchorCar = 0,
               bool anchored = true);

// A test of car `car`'s pilot: a die of 20 faces rolled as RollForCar does,
// passed at `atMost` or less. A person sees "8 ou moins" beside the die; with
// `tellOutcome` (when the rules' next message does not say it), the status
// line then says whether the test was passed.
int RollTestForCar(const std::wstring& text, int car, int atMost, bool tellOutcome, int anchorCar = 0,
                   bool anchored = true);

// A question to a person about car `car` with two answers, in its colour,
// anchored at car `anchorCar` (the car itself when 0); returns 1 or 2.
int AskAboutCar(const std::wstring& text, int car, const std::wstring& first,
                const std::wstring& second, int anchorCar = 0);

// `personText` for a car driven by a person, `computerText` (which names
// the pilot) for a computer driver.
std::wstring ForDriver(int car, const std::wstring& personText, const std::wstring& computerText);

// A message anchored at no point, placed away from the screen's origin.
int DiceDialogUnanchored(const std::wstring& text, unsigned colour);

constexpr unsigned kOpaqueGreen = 0xFF00FF00;
constexpr unsigned kOpaqueWhite = 0xFFFFFFFF;
