// DejaVu typefaces rendered with FreeType: the glyphs of the bitmap fonts and
// the titles painted into the interface images.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

// One rendered character: its coverage bitmap (0..255) placed relative to
// the pen on the baseline, and how far the pen then moves.
struct Glyph {
    int width = 0, height = 0;
    int left = 0;  // from the pen to the bitmap's left edge
    int top = 0;   // from the baseline up to the bitmap's top edge
    int advance = 0;
    std::vector<unsigned char> coverage;
};

class Typeface {
public:
    // Throws when the font file cannot be read.
    Typeface(const std::string& fontFile, int pixelSize);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    Glyph Render(wchar_t character) const;
    int Ascender() const { return ascender_; }
    int Descender() const { return descender_; }  // positive, below the baseline
    int TextWidth(const std::wstring& text) const;
    // Paints `text` with its baseline at y, starting at x.
    void Paint(Canvas& canvas, int x, int y, const std::wstring& text, SColor colour) const;
    void PaintCentred(Canvas& canvas, int centreX, int y, const std::wstring& text, SColor colour) const;

private:
    struct Impl;
    Impl* impl_;
    int ascender_ = 0;
    int descender_ = 0;
};
