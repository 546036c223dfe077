// The piloting test a car takes after a heavy blow: on failure it skids at
// its next turn.
#pragma once

#include <string>

// Car `car` rolls a d20 against its piloting (a person in the message
// window, the computer silently); a roll above it sets skidPending. The
// computer's failure is told as its pilot's name + `failureText`. Messages
// are anchored at car `anchorCar` (the car whose move this is).
void LossOfControlTest(int car, const std::wstring& failureText, int anchorCar);
