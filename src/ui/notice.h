// The menus' small notice window and the frame drawn around the menu screens.
#pragma once

#include <string>

// Opens a modal 200 x 100 window titled "Message", centred on the screen,
// holding the text; the player closes it with its close button.
void ShowNotice(const std::wstring& text);
// Whether a notice is open (until UpkeepNotice has seen it closed).
bool NoticeOpen();
// The menus' upkeep each frame: once the open notice has been closed, gives
// the windows their transparency back and clears the notice-open flag.
// Returns true in the frame where that happens.
bool UpkeepNotice();

// Frame of an 800 x 600 menu screen at offset (x, y), and the dividing line
// of its button column.
void DrawMenuFrame(int x, int y);
