// Where each kind of game file lives. A game folder (the one the build
// makes, or any copy of it) is portable: everything is read and written
// below the working directory. An installed game (its executables in
// <prefix>/bin, its data in <prefix>/share/skarvoll3d) reads its data from
// there and keeps the player's files in his home, by the XDG rules.
#pragma once

#include <string>
#include <vector>

// Whether the running executable is an installed one: no "data/" beside it,
// and "../share/skarvoll3d/data" holds the game's data. Decided once.
bool InstalledGame();

// The folders a game path such as "\pilotes\Max.xml" or "data/croix.ms3d"
// may live in, in the order they are searched: "data/" and "circuits/" in
// the installed data then in the player's folder; "pilotes/", "courses/"
// and the rest in the player's folder, "config.xml" in his settings folder.
// One folder, the working directory, for a portable game.
std::vector<std::string> FoldersOf(const std::string& relative);

// The installed game's read-only data; the player's files; his settings.
std::string InstalledDataFolder();
std::string PlayerDataFolder();
std::string PlayerConfigFolder();

// For an installed game: makes the player's folders and, the first time,
// copies the sample pilots into his "pilotes/". False, with a French
// message on standard error, when his home cannot hold them. Does nothing
// for a portable game.
bool PreparePlayerFolders();
