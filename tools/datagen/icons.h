// The game's icon for the desktop menus: a red armed car seen from above on
// a square of track, at the sizes the icon theme asks for, as PNG files
// "icones/<size>.png" beside the game's data.
#pragma once

class DataFolder;

void WriteIcons(const DataFolder& folder);
