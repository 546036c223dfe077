// The words the rules use for the sides of a car, and their side indices.
#pragma once

#include <string>

// "AVANT", "Avant", "avant" give 1; the rear, right and left words 2, 3, 4;
// the "undefined" words 0; anything else -1.
int SideIndexOfWord(const std::wstring& word);
