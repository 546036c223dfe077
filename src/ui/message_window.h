// The "Message" window through which the rules speak to the players: its
// text, its die face, its button and its four answer buttons, in a small and
// a large layout. The race screen creates it hidden; DiceDialog shows it.
#pragma once

#include <irrlicht.h>

struct MessageWindow {
    irr::gui::IGUIWindow* window = nullptr;
    irr::gui::IGUIStaticText* text = nullptr;     // id 1009
    irr::gui::IGUIStaticText* dieFace = nullptr;  // id 1008
    irr::gui::IGUIStaticText* dieTarget = nullptr;  // what a test's die must reach: "8 ou moins"
    irr::gui::IGUIButton* button = nullptr;       // id 1001, "Fermer" / "Arréter le Dé"
    irr::gui::IGUIButton* choices[5] = {};        // entries 1..4, ids 1002..1005
};

// Creates the window, hidden and in the small layout, unless it exists.
void CreateMessageWindow();
// The window's elements, created first when needed.
const MessageWindow& TheMessageWindow();

// Moves the window and its children to the large layout (the damage report)
// or back to the small one.
void DialogLayout(bool large);
bool DialogLayoutIsLarge();

// Makes the face colour of windows and buttons (or all 16 skin colours)
// opaque, or gives them back the alpha they had at start.
void SetDialogOpaque(bool opaque, bool allColours);
