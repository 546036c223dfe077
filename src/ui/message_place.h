// Where the message window opens: in the half of the screen away from the
// point it is about; but within one turn, the next message about the same
// car puts its button where the last one's was, so the mouse waits on
// "Fermer" instead of chasing it.
#pragma once

#include <irrlicht.h>

#include "ui/message_window.h"

// Places the window for a message about car `aboutCar` (0: none) pointing
// at `anchor`, and remembers where.
void PlaceMessageWindow(const MessageWindow& w, const irr::core::vector3df& anchor, int aboutCar);
// Remembers where a window left where it stood opened.
void RememberPlace(const MessageWindow& w, int aboutCar);
