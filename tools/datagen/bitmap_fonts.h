// The game's three bitmap fonts, rendered from DejaVu Sans into the engine's
// bitmap-font layout: pixel (0,0) has the colour marking each glyph's
// upper-left corner, pixel (1,0) the colour of its lower-right corner and
// pixel (2,0) the background; glyphs follow from U+0020 to U+00FF in the
// order of their lower-right marks, row by row.
#pragma once

#include <string>

#include "canvas.h"

class DataFolder;
class Typeface;

constexpr wchar_t kFirstFontCharacter = 0x20;
constexpr wchar_t kLastFontCharacter = 0xFF;

// The font image of one typeface: glyphs white with their coverage as alpha
// on a transparent background.
Canvas FontSheet(const Typeface& face);

// A 32-bit BMP keeping the alpha channel (the engine's own BMP writer drops it).
std::string EncodeBmpWithAlpha(const Canvas& image);

// data/fontes/verdana.bmp, verdanabold.bmp and toshopsmall.bmp.
void WriteBitmapFonts(const DataFolder& folder, const std::string& fontDir);
