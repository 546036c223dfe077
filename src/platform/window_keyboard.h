// The keys pressed in the game's X window, read on a connection to the X
// server of the game's own, beside the engine's. The engine turns keys into
// characters by a table of its own that knows no dead keys and loses keys
// of layouts other than the American one (on a French keyboard the key of
// "è" and "7" reaches the engine's edit boxes as its Shift key, which they
// ignore, and the digits of the top row and of the keypad come as other
// keys); here the layout in use says what each key types.
#pragma once

#include <string>
#include <vector>

#include "platform/key_text.h"

// Starts reading the keys of `window` on the X server that `engineDisplay`
// (the engine's X Display, of which only the name is used) is connected to.
// False when there is no such window or the server cannot be reached.
bool OpenWindowKeyboard(void* engineDisplay, unsigned long window);

bool WindowKeyboardOpen();

// The text typed in the window since the last call, dead keys composed;
// a key pressed with Control held is a shortcut and types nothing.
std::wstring TakeTypedText();

// The race keys pressed since the last call, in order: a key held down
// counts once, however long the keyboard repeats it.
std::vector<RaceKey> TakeRaceKeys();

void CloseWindowKeyboard();
