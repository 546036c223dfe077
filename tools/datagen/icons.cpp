#include "icons.h"

#include <string>
#include <vector>

#include "canvas.h"
#include "data_folder.h"

namespace {
constexpr int kDrawnSize = 256;

// A square of track with rounded corners, its white edge lines and a
// chequered finish line across it.
void DrawTile(Canvas& icon) {
    const SColor asphalt(255, 62, 66, 72);
    const float r = 36, s = kDrawnSize - 8;
    icon.FillRect(8 + 36, 8, static_cast<int>(s - r), static_cast<int>(s), asphalt);
    icon.FillRect(8, 8 + 36, static_cast<int>(s), static_cast<int>(s - r), asphalt);
    for (float cx : {8 + r, s - r})
        for (float cy : {8 + r, s - r}) icon.FillCircle(cx, cy, r, asphalt);
    icon.FillRect(40, 30, 48, 226, SColor(255, 235, 235, 235));
    icon.FillRect(208, 30, 216, 226, SColor(255, 235, 235, 235));
    for (int column = 0; column < 10; ++column)
        for (int row = 0; row < 2; ++row)
            if ((column + row) % 2 == 0)
                icon.FillRect(48 + column * 16, 196 + row * 12, 64 + column * 16, 208 + row * 12,
                              SColor(255, 240, 240, 240));
}

// The car facing up: wheels, a red body, the windscreen and a machine gun.
void DrawCar(Canvas& icon) {
    const SColor tyre(255, 20, 20, 20), red(255, 210, 30, 30), dark(255, 120, 12, 12);
    for (float x : {78.0f, 166.0f})
        for (float y : {70.0f, 150.0f}) icon.FillRect(int(x), int(y), int(x) + 14, int(y) + 36, tyre);
    icon.FillPolygon({{100, 40}, {156, 40}, {172, 70}, {172, 196}, {160, 212}, {96, 212}, {84, 196}, {84, 70}},
                     red);
    icon.FillPolygon({{100, 96}, {156, 96}, {148, 122}, {108, 122}}, SColor(255, 150, 200, 235));
    icon.FillPolygon({{104, 160}, {152, 160}, {156, 196}, {100, 196}}, dark);
    icon.Line({128, 20}, {128, 60}, 8, SColor(255, 40, 40, 40));
    icon.FillCircle(128, 72, 10, SColor(255, 250, 200, 40));
}
}  // namespace

void WriteIcons(const DataFolder& folder) {
    Canvas icon(kDrawnSize, kDrawnSize, SColor(0, 0, 0, 0));
    DrawTile(icon);
    DrawCar(icon);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string side = std::to_string(size);
        folder.WriteImage("icones/" + side + ".png", size == kDrawnSize ? icon : icon.Resized(size, size));
    }
}
