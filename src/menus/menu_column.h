// The home menu's column as every menu screen handles it, once per frame.
#pragma once

// Pumps one frame (the program ends when the window has been closed) and
// acts on the column: "Accueil" clears lastGuiId and asks to return home;
// "Nouveau Pilote", "Editer Pilote", "Nouvelle course", "Credits", "Règles" and
// "Rejoindre" ask to
// return with lastGuiId kept, so the home menu opens that screen next;
// "Quitter" releases the device and ends the program. `ownButton` (a
// screen's own column button, 0 for none) is left alone. True when the
// screen must return.
bool MenuColumnFrame(int ownButton = 0);
