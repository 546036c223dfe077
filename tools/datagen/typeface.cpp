#include "typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

struct Typeface::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

Typeface::Typeface(const std::string& fontFile, int pixelSize) : impl_(new Impl) {
    if (FT_Init_FreeType(&impl_->library) || FT_New_Face(impl_->library, fontFile.c_str(), 0, &impl_->face) ||
        FT_Set_Pixel_Sizes(impl_->face, 0, static_cast<FT_UInt>(pixelSize))) {
        if (impl_->library) FT_Done_FreeType(impl_->library);
        delete impl_;
        throw std::runtime_error("cannot read the font " + fontFile);
    }
    ascender_ = static_cast<int>((impl_->face->size->metrics.ascender + 63) >> 6);
    descender_ = static_cast<int>((-impl_->face->size->metrics.descender + 63) >> 6);
}

Typeface::~Typeface() {
    FT_Done_Face(impl_->face);
    FT_Done_FreeType(impl_->library);
    delete impl_;
}

Glyph Typeface::Render(wchar_t character) const {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(impl_->face, static_cast<FT_ULong>(character));
    if (index == 0 || FT_Load_Glyph(impl_->face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) return glyph;
    const FT_GlyphSlot slot = impl_->face->glyph;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.height = static_cast<int>(slot->bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            glyph.coverage[static_cast<size_t>(y) * glyph.width + x] = slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    return glyph;
}

int Typeface::TextWidth(const std::wstring& text) const {
    int width = 0;
    for (wchar_t c : text) width += Render(c).advance;
    return width;
}

void Typeface::Paint(Canvas& canvas, int x, int y, const std::wstring& text, SColor colour) const {
    for (wchar_t c : text) {
        const Glyph g = Render(c);
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx)
                canvas.Blend(x + g.left + gx, y - g.top + gy, colour,
                             g.coverage[static_cast<size_t>(gy) * g.width + gx] / 255.0f);
        x += g.advance;
    }
}

void Typeface::PaintCentred(Canvas& canvas, int centreX, int y, const std::wstring& text, SColor colour) const {
    Paint(canvas, centreX - TextWidth(text) / 2, y, text, colour);
}
