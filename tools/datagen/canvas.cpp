#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "rng.h"

namespace {

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

int Channel(float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f))); }

float SegmentDistance(float px, float py, Point2 a, Point2 b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float length2 = dx * dx + dy * dy;
    float t = length2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0;
    t = Clamp01(t);
    const float ex = a.x + t * dx - px, ey = a.y + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

SColor Mix(SColor a, SColor b, float t) {
    t = Clamp01(t);
    auto lerp = [t](irr::u32 x, irr::u32 y) { return Channel(x + (static_cast<float>(y) - x) * t); };
    return SColor(lerp(a.getAlpha(), b.getAlpha()), lerp(a.getRed(), b.getRed()),
                  lerp(a.getGreen(), b.getGreen()), lerp(a.getBlue(), b.getBlue()));
}

SColor Scaled(SColor colour, float factor) {
    return SColor(colour.getAlpha(), Channel(colour.getRed() * factor), Channel(colour.getGreen() * factor),
                  Channel(colour.getBlue() * factor));
}

SColor WithAlpha(SColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

Canvas::Canvas(int width, int height, SColor fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, SColor colour) {
    if (Inside(x, y)) pixels_[Index(x, y)] = colour;
}

void Canvas::Blend(int x, int y, SColor colour, float amount) {
    if (!Inside(x, y)) return;
    const float a = Clamp01(amount * colour.getAlpha() / 255.0f);
    if (a <= 0) return;
    SColor& under = pixels_[Index(x, y)];
    const float underAlpha = under.getAlpha() / 255.0f;
    const float outAlpha = a + underAlpha * (1 - a);
    if (outAlpha <= 0) return;
    auto mix = [&](irr::u32 top, irr::u32 bottom) {
        return Channel((top * a + bottom * underAlpha * (1 - a)) / outAlpha);
    };
    under = SColor(Channel(outAlpha * 255), mix(colour.getRed(), under.getRed()),
                   mix(colour.getGreen(), under.getGreen()), mix(colour.getBlue(), under.getBlue()));
}

void Canvas::Fill(SColor colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Canvas::FillRect(int x0, int y0, int x1, int y1, SColor colour) {
    for (int y = std::max(0, y0); y < std::min(height_, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) Blend(x, y, colour);
}

void Canvas::VerticalGradient(int x0, int y0, int x1, int y1, SColor top, SColor bottom) {
    const float span = std::max(1, y1 - y0 - 1);
    for (int y = std::max(0, y0); y < std::min(height_, y1); ++y) {
        const SColor c = Mix(top, bottom, (y - y0) / span);
        for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) Blend(x, y, c);
    }
}

// Runs over the pixels of a bounding box and blends `colour` by the coverage
// the shape gives each pixel centre.
template <typename Coverage>
void Canvas::Cover(float x0, float y0, float x1, float y1, SColor colour, Coverage coverage) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x) {
            const float c = coverage(x + 0.5f, y + 0.5f);
            if (c > 0) Blend(x, y, colour, c);
        }
}

void Canvas::FillCircle(float cx, float cy, float radius, SColor colour) {
    Cover(cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1, colour, [&](float px, float py) {
        return Clamp01(radius - std::hypot(px - cx, py - cy) + 0.5f);
    });
}

void Canvas::Ring(float cx, float cy, float radius, float width, SColor colour) {
    const float outer = radius + width / 2;
    Cover(cx - outer - 1, cy - outer - 1, cx + outer + 1, cy + outer + 1, colour, [&](float px, float py) {
        return Clamp01(width / 2 - std::fabs(std::hypot(px - cx, py - cy) - radius) + 0.5f);
    });
}

void Canvas::Line(Point2 a, Point2 b, float width, SColor colour) {
    const float r = width / 2;
    Cover(std::min(a.x, b.x) - r - 1, std::min(a.y, b.y) - r - 1, std::max(a.x, b.x) + r + 1,
          std::max(a.y, b.y) + r + 1, colour,
          [&](float px, float py) { return Clamp01(r - SegmentDistance(px, py, a, b) + 0.5f); });
}

void Canvas::FillPolygon(const std::vector<Point2>& points, SColor colour) {
    if (points.size() < 3) return;
    float x0 = points[0].x, y0 = points[0].y, x1 = x0, y1 = y0;
    for (const Point2& p : points) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    // 4 x 4 samples per pixel, even-odd rule.
    auto inside = [&](float px, float py) {
        bool in = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point2 &a = points[i], &b = points[j];
            if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    };
    Cover(x0, y0, x1, y1, colour, [&](float px, float py) {
        int hits = 0;
        for (int sy = 0; sy < 4; ++sy)
            for (int sx = 0; sx < 4; ++sx) hits += inside(px - 0.375f + sx * 0.25f, py - 0.375f + sy * 0.25f);
        return hits / 16.0f;
    });
}

void Canvas::Grain(int x0, int y0, int x1, int y1, float amount, unsigned seed) {
    Rng rng(seed);
    Shade(x0, y0, x1, y1, [&](int, int, SColor& c) { c = Scaled(c, 1 + rng.Range(-amount, amount)); });
}

void Canvas::Shade(int x0, int y0, int x1, int y1, const std::function<void(int, int, SColor&)>& shade) {
    for (int y = std::max(0, y0); y < std::min(height_, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) shade(x, y, pixels_[Index(x, y)]);
}

void Canvas::Draw(const Canvas& source, int x, int y) {
    for (int sy = 0; sy < source.Height(); ++sy)
        for (int sx = 0; sx < source.Width(); ++sx) Blend(x + sx, y + sy, source.Get(sx, sy));
}

Canvas Canvas::Resized(int width, int height) const {
    Canvas out(width, height);
    const float fx = static_cast<float>(width_) / width, fy = static_cast<float>(height_) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Average the source pixels under the target pixel (at least one).
            const int sx0 = static_cast<int>(x * fx), sy0 = static_cast<int>(y * fy);
            const int sx1 = std::max(sx0 + 1, static_cast<int>((x + 1) * fx));
            const int sy1 = std::max(sy0 + 1, static_cast<int>((y + 1) * fy));
            float a = 0, r = 0, g = 0, b = 0;
            int n = 0;
            for (int yy = sy0; yy < std::min(sy1, height_); ++yy)
                for (int xx = sx0; xx < std::min(sx1, width_); ++xx) {
                    const SColor c = Get(xx, yy);
                    a += c.getAlpha(), r += c.getRed(), g += c.getGreen(), b += c.getBlue();
                    ++n;
                }
            n = std::max(n, 1);
            out.Set(x, y, SColor(Channel(a / n), Channel(r / n), Channel(g / n), Channel(b / n)));
        }
    return out;
}
