#include "bitmap_fonts.h"

#include <algorithm>

#include "data_folder.h"
#include "typeface.h"

namespace {

const SColor kUpperLeftMark(255, 255, 255, 0);
const SColor kLowerRightMark(255, 255, 0, 0);
const SColor kBackground(0, 0, 0, 0);
constexpr int kSheetWidth = 512;

// Where each glyph box goes: its upper-left mark at (x, y), its lower-right
// mark at (x + width, y + rowHeight), one free column before the next box.
struct Placement {
    int x, y, width;
};

int BoxWidth(const Glyph& glyph, const Glyph& space) {
    if (glyph.advance == 0) return std::max(3, space.advance);  // characters the face lacks
    return std::max({3, glyph.advance, glyph.left + glyph.width});
}

std::vector<Placement> Arrange(const std::vector<Glyph>& glyphs, const Glyph& space, int rowHeight, int& height) {
    std::vector<Placement> places;
    int x = 0, y = 0;
    for (const Glyph& g : glyphs) {
        const int width = BoxWidth(g, space);
        if (x + width + 1 > kSheetWidth) x = 0, y += rowHeight + 2;
        places.push_back({x, y, width});
        x += width + 2;
    }
    height = y + rowHeight + 1;
    return places;
}

void PaintGlyph(Canvas& sheet, const Glyph& g, const Placement& at, int baseline) {
    for (int gy = 0; gy < g.height; ++gy)
        for (int gx = 0; gx < g.width; ++gx) {
            const int x = at.x + std::max(0, g.left) + gx, y = at.y + baseline - g.top + gy;
            const int alpha = g.coverage[static_cast<size_t>(gy) * g.width + gx];
            if (alpha > 0 && x < at.x + at.width) sheet.Set(x, y, SColor(alpha, 255, 255, 255));
        }
}

}  // namespace

Canvas FontSheet(const Typeface& face) {
    std::vector<Glyph> glyphs;
    for (wchar_t c = kFirstFontCharacter; c <= kLastFontCharacter; ++c)
        glyphs.push_back(c >= 0x7F && c < 0xA0 ? Glyph{} : face.Render(c));
    const Glyph& space = glyphs.front();
    // One free row above the tallest glyph keeps the upper-left mark off the ink.
    const int baseline = 1 + face.Ascender();
    const int rowHeight = baseline + face.Descender();
    int height = 0;
    const std::vector<Placement> places = Arrange(glyphs, space, rowHeight, height);

    Canvas sheet(kSheetWidth, height, kBackground);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        PaintGlyph(sheet, glyphs[i], places[i], baseline);
        sheet.Set(places[i].x, places[i].y, kUpperLeftMark);
        sheet.Set(places[i].x + places[i].width, places[i].y + rowHeight, kLowerRightMark);
    }
    sheet.Set(1, 0, kLowerRightMark);  // the legend: upper-left, lower-right, background
    sheet.Set(2, 0, kBackground);
    return sheet;
}

std::string EncodeBmpWithAlpha(const Canvas& image) {
    std::string out;
    auto u16 = [&](unsigned v) { out.push_back(static_cast<char>(v & 0xff)), out.push_back(static_cast<char>(v >> 8)); };
    auto u32 = [&](unsigned v) { u16(v & 0xffff), u16(v >> 16); };
    const unsigned dataSize = static_cast<unsigned>(image.Width() * image.Height() * 4);
    out += "BM";
    u32(54 + dataSize), u32(0), u32(54);
    u32(40), u32(static_cast<unsigned>(image.Width())), u32(static_cast<unsigned>(image.Height()));
    u16(1), u16(32), u32(0), u32(dataSize), u32(2835), u32(2835), u32(0), u32(0);
    for (int y = image.Height() - 1; y >= 0; --y)  // rows bottom-up, bytes B G R A
        for (int x = 0; x < image.Width(); ++x) {
            const SColor c = image.Get(x, y);
            for (unsigned v : {c.getBlue(), c.getGreen(), c.getRed(), c.getAlpha()}) out.push_back(static_cast<char>(v));
        }
    return out;
}

void WriteBitmapFonts(const DataFolder& folder, const std::string& fontDir) {
    const struct {
        const char* file;
        const char* face;
        int pixels;
    } fonts[] = {
        {"data/fontes/verdana.bmp", "DejaVuSans.ttf", 13},
        {"data/fontes/verdanabold.bmp", "DejaVuSans-Bold.ttf", 14},
        {"data/fontes/toshopsmall.bmp", "DejaVuSans.ttf", 10},
    };
    for (const auto& font : fonts) {
        const Typeface face(fontDir + "/" + font.face, font.pixels);
        folder.WriteBytes(font.file, EncodeBmpWithAlpha(FontSheet(face)));
    }
}
