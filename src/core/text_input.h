// What the players type into the menus' edit boxes, in the real window: the
// characters come from the window's own keyboard reading (the layout in
// use, dead keys composed) rather than from the engine's key events, whose
// characters the event receiver then keeps from the boxes. Editing keys
// (arrows, deletion, Enter, Control shortcuts) still come from the engine.
// Without a window (the null renderer) or an X window to read (the software
// renderer exposes none), the engine's characters are used as they are.
#pragma once

#include <irrlicht.h>

// Starts reading the keyboard of the device's window, if it has one.
void StartTextInput();
void StopTextInput();

// True when the engine's key event carries a character that the text input
// types instead: a menu is running and an edit box has the focus.
bool TypedByTextInput(const irr::SEvent::SKeyInput& key);

// Types the text read since the last frame into the edit box that has the
// focus in a menu; elsewhere it is dropped. Called once per pumped frame:
// within one frame, characters come after the engine's editing keys.
void DeliverTypedText();
