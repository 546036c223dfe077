// An image being painted by the generator: 32-bit ARGB pixels and the few
// drawing operations the game's art is made of. Shapes are anti-aliased by
// their coverage of each pixel.
#pragma once

#include <irrlicht.h>

#include <functional>
#include <vector>

using irr::video::SColor;

struct Point2 {
    float x = 0, y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, SColor fill = SColor(255, 0, 0, 0));

    int Width() const { return width_; }
    int Height() const { return height_; }
    SColor Get(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, SColor colour);
    // Mixes `colour` over the pixel by `amount` (0..1) times its own alpha.
    void Blend(int x, int y, SColor colour, float amount = 1.0f);

    void Fill(SColor colour);
    void FillRect(int x0, int y0, int x1, int y1, SColor colour);  // end exclusive
    void VerticalGradient(int x0, int y0, int x1, int y1, SColor top, SColor bottom);
    void FillCircle(float cx, float cy, float radius, SColor colour);
    void Ring(float cx, float cy, float radius, float width, SColor colour);
    void Line(Point2 a, Point2 b, float width, SColor colour);
    void FillPolygon(const std::vector<Point2>& points, SColor colour);
    // Darkens or lightens each pixel of the rectangle by up to `amount` (0..1).
    void Grain(int x0, int y0, int x1, int y1, float amount, unsigned seed);
    // Calls `shade` for every pixel of the rectangle with its colour to change.
    void Shade(int x0, int y0, int x1, int y1, const std::function<void(int, int, SColor&)>& shade);
    // Draws `source` over this image at (x, y), mixing by the source's alpha.
    void Draw(const Canvas& source, int x, int y);
    // A copy resized to the given size (box filter when shrinking, bilinear otherwise).
    Canvas Resized(int width, int height) const;

    const std::vector<SColor>& Pixels() const { return pixels_; }

private:
    int Index(int x, int y) const { return y * width_ + x; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    template <typename Coverage>
    void Cover(float x0, float y0, float x1, float y1, SColor colour, Coverage coverage);

    int width_;
    int height_;
    std::vector<SColor> pixels_;
};

// Colour helpers.
SColor Mix(SColor a, SColor b, float t);      // t = 0 gives a
SColor Scaled(SColor colour, float factor);   // RGB times factor, alpha kept
SColor WithAlpha(SColor colour, int alpha);
