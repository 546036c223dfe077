#include "rules_pictures.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "car_models.h"
#include "car_paint.h"
#include "data_folder.h"
#include "model_picture.h"
#include "race_images.h"
#include "typeface.h"

namespace {

constexpr float kCell = 40;  // pixels of a circuit cell
constexpr int kBlue = 0, kRed = 1, kGreen = 2, kYellow = 3;  // in kCarColours

const SColor kAsphalt(255, 92, 94, 98);
const SColor kWhite(255, 240, 240, 240);
const SColor kInk(255, 20, 20, 20);
const SColor kOil(255, 226, 177, 5);  // as the race draws its patches
const SColor kFire(255, 250, 120, 20);
const SColor kAim(255, 230, 30, 30);
const SColor kGold(255, 250, 200, 40);

// The centre of cell (x, y); fractions of cells allowed.
Point2 At(float x, float y) { return {x * kCell + kCell / 2, y * kCell + kCell / 2}; }
// A corner of the cells' grid.
Point2 Corner(float x, float y) { return {x * kCell, y * kCell}; }

Point2 Towards(Point2 a, Point2 b, float pixels) {
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    return {a.x + (b.x - a.x) * pixels / length, a.y + (b.y - a.y) * pixels / length};
}

// Asphalt with the thin lines of the cells.
Canvas Track() {
    Canvas image(kRulesPictureWidth, kRulesPictureHeight, kAsphalt);
    image.Grain(0, 0, image.Width(), image.Height(), 0.06f, 7);
    const SColor line(70, 255, 255, 255);
    for (float x = kCell; x < image.Width(); x += kCell) image.Line({x, 0}, {x, float(image.Height())}, 1, line);
    for (float y = kCell; y < image.Height(); y += kCell) image.Line({0, y}, {float(image.Width()), y}, 1, line);
    return image;
}

// A wall between two corners of the grid: concrete with the red and white
// blocks of its kerb.
void Wall(Canvas& image, Point2 from, Point2 to) {
    const Point2 a = Corner(from.x, from.y), b = Corner(to.x, to.y);
    image.Line(a, b, 12, SColor(255, 150, 150, 145));
    const int blocks = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 16));
    for (int i = 0; i < blocks; ++i) {
        const float t0 = float(i) / blocks, t1 = float(i + 1) / blocks;
        image.Line({a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0}, {a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1}, 5,
                   i % 2 ? kWhite : SColor(255, 200, 30, 30));
    }
}

// The game's car model seen from above, facing `heading` degrees (0 up the
// picture, 90 to the right).
void Car(Canvas& image, Point2 centre, float heading, int colour, int model = 1, float scale = 0.4f) {
    View view;
    view.pitch = 90, view.yaw = -heading, view.scale = scale;
    view.centreX = centre.x, view.centreY = centre.y;
    DrawModel(image, CarModel(model), CarTexture(model, kCarColours[colour].paint), view);
}

// A cross of the game in a car's colour: light, or full when selected.
void Cross(Canvas& image, Point2 centre, int colour, bool selected) {
    const SColor paint = kCarColours[colour].paint;
    View view;
    view.pitch = 90, view.yaw = 0, view.scale = 0.5f;
    view.centreX = centre.x, view.centreY = centre.y;
    DrawModel(image, CrossMarkerModel(), ColourPlate(selected ? paint : Mix(paint, kWhite, 0.55f)), view);
}

void CrossBlock(Canvas& image, int centreX, int centreY, int colour, int selectedX, int selectedY) {
    for (int x = centreX - 1; x <= centreX + 1; ++x)
        for (int y = centreY - 1; y <= centreY + 1; ++y)
            Cross(image, At(x, y), colour, x == selectedX && y == selectedY);
}

void Arrow(Canvas& image, Point2 a, Point2 b, SColor colour, float width = 3) {
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    const float ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
    const Point2 base{b.x - ux * 12, b.y - uy * 12};
    image.Line(a, base, width, colour);
    image.FillPolygon({b, {base.x - uy * 6, base.y + ux * 6}, {base.x + uy * 6, base.y - ux * 6}}, colour);
}

void Dashed(Canvas& image, Point2 a, Point2 b, SColor colour, float width = 2) {
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    for (float s = 0; s < length; s += 14) {
        const float e = std::min(length, s + 8);
        image.Line({a.x + (b.x - a.x) * s / length, a.y + (b.y - a.y) * s / length},
                   {a.x + (b.x - a.x) * e / length, a.y + (b.y - a.y) * e / length}, width, colour);
    }
}

// A patch of oil along a move, in parallel bands as the race draws it.
void Oil(Canvas& image, Point2 a, Point2 b) {
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    const float nx = -(b.y - a.y) / length, ny = (b.x - a.x) / length;
    for (float shift = -8; shift <= 8; shift += 4)
        image.Line({a.x + nx * shift, a.y + ny * shift}, {b.x + nx * shift, b.y + ny * shift}, 2, kOil);
}

// The flash of a blow: a star of fire with a yellow heart.
void Burst(Canvas& image, Point2 centre, float radius) {
    for (const auto& [r, colour] : {std::pair{radius, kFire}, std::pair{radius * 0.55f, kGold}}) {
        std::vector<Point2> star;
        for (int i = 0; i < 16; ++i) {
            const float angle = i * float(M_PI) / 8, reach = i % 2 ? r * 0.5f : r;
            star.push_back({centre.x + reach * std::cos(angle), centre.y + reach * std::sin(angle)});
        }
        image.FillPolygon(star, colour);
    }
}

void Reticle(Canvas& image, Point2 centre) {
    image.Ring(centre.x, centre.y, 17, 2.5f, kAim);
    for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
        image.Line({centre.x - dx * 24.f, centre.y - dy * 24.f}, {centre.x - dx * 10.f, centre.y - dy * 10.f}, 2, kAim);
        image.Line({centre.x + dx * 10.f, centre.y + dy * 10.f}, {centre.x + dx * 24.f, centre.y + dy * 24.f}, 2, kAim);
    }
}

// The skid sign the race shows over a car that will skid, its colour key
// made transparent again.
void SkidSignOver(Canvas& image, Point2 car) {
    Canvas sign = SkidSign();
    sign.Shade(0, 0, sign.Width(), sign.Height(), [](int, int, SColor& c) {
        if (c == kColourKey) c = SColor(0, 0, 0, 0);
    });
    image.Draw(sign.Resized(30, 30), int(car.x) + 6, int(car.y) - 40);
}

void Label(Canvas& image, const Typeface& font, Point2 centre, const std::wstring& text, SColor colour = kWhite) {
    const int baseline = int(centre.y) + font.Ascender() / 2 - 1;
    font.PaintCentred(image, int(centre.x) + 1, baseline + 1, text, kInk);
    font.PaintCentred(image, int(centre.x), baseline, text, colour);
}

// A turn: the car repeats its last step (dashed), and may change it by a
// cell each way: nine crosses, the one selected in the car's colour.
Canvas Turn() {
    Canvas image = Track();
    Wall(image, {0, 0}, {10, 0});
    Wall(image, {0, 6}, {10, 6});
    image.FillCircle(At(1, 3).x, At(1, 3).y, 5, kWhite);
    Dashed(image, At(1, 3), At(3, 3), kWhite);
    CrossBlock(image, 5, 3, kRed, 6, 2);
    Dashed(image, At(3, 3), At(5, 3), SColor(255, 250, 230, 120), 3);
    Car(image, At(3, 3), 90, kRed);
    return image;
}

// A car into a wall (the blow, then the bounce) and a car into a car (both
// pushed on).
Canvas Collisions() {
    Canvas image = Track();
    Wall(image, {4, 0}, {4, 6});
    const Point2 impact{Corner(4, 0).x - 6, At(0, 1).y};
    Arrow(image, At(1, 4), impact, kWhite);
    Dashed(image, impact, At(1, 0.3f), SColor(255, 250, 230, 120));
    Car(image, At(1, 4), 45, kBlue);
    Burst(image, {impact.x + 2, impact.y}, 16);
    Arrow(image, At(5, 3), At(7.45f, 3), kWhite);
    Car(image, At(5, 3), 90, kRed);
    Car(image, At(8, 3), 0, kYellow, 2);
    Dashed(image, At(8.2f, 2.7f), At(9, 1.6f), SColor(255, 250, 230, 120));
    Dashed(image, At(8.2f, 3.3f), At(9, 4.4f), SColor(255, 250, 230, 120));
    Burst(image, At(7.45f, 3), 13);
    return image;
}

// Oil laid by a car, crossed by another that will skid.
Canvas OilAndSkids() {
    Canvas image = Track();
    Wall(image, {0, 0}, {10, 0});
    Wall(image, {0, 6}, {10, 6});
    Oil(image, At(0, 2), At(8, 2));
    Car(image, At(8.6f, 2), 90, kYellow, 3);
    image.FillCircle(At(3, 5).x, At(3, 5).y, 5, kWhite);
    Arrow(image, At(3, 5), Towards(At(5, 1), At(3, 5), 26), kWhite);
    const Point2 car = At(5, 1);
    Car(image, car, 27, kBlue);
    SkidSignOver(image, car);
    return image;
}

// A car brushing another and a car brushing a wall.
Canvas Sideswipes() {
    Canvas image = Track();
    Wall(image, {0, 0}, {10, 0});
    Arrow(image, At(1, 3), At(8, 3), kWhite);
    Car(image, At(1, 3), 90, kGreen, 3);
    Car(image, At(5, 3.7f), 35, kRed);
    Burst(image, At(5.15f, 3.3f), 9);
    Arrow(image, At(2, 0.15f), At(8, 0.15f), kWhite);
    Car(image, At(2, 0.15f), 90, kBlue, 2);
    Burst(image, At(5, -0.4f), 9);
    return image;
}

// The front guns' line of fire to the first car on it; the rear guns' to
// the wall behind.
Canvas MachineGuns() {
    Canvas image = Track();
    Wall(image, {0, 0}, {0, 6});
    Wall(image, {0, 0}, {10, 0});
    Wall(image, {0, 6}, {10, 6});
    Dashed(image, At(2.6f, 3), At(6.6f, 3), kAim, 3);
    Dashed(image, At(1.4f, 3), Corner(0.2f, 3.5f), SColor(255, 250, 230, 120), 3);
    Car(image, At(2, 3), 90, kRed);
    Car(image, At(7, 3), 0, kBlue, 2);
    Car(image, At(5, 1), 120, kGreen, 3);
    Reticle(image, At(7, 3));
    return image;
}

// The zone seen through the window on the steering-wheel side (left here),
// a reticle on the car in it.
Canvas HandWeapons() {
    Canvas image = Track();
    Wall(image, {0, 6}, {10, 6});
    const Point2 window = {At(3, 3).x, At(3, 3).y - 10};
    const Point2 left = At(-0.5f, -0.5f), right = At(6.5f, -0.5f);
    Dashed(image, window, left, kAim);
    Dashed(image, window, right, kAim);
    Car(image, At(3, 3), 90, kRed);
    Car(image, At(4, 1), 60, kBlue, 2);
    Car(image, At(8, 4), 270, kYellow);
    Reticle(image, At(4, 1));
    return image;
}

// A grenade's nine cells one move ahead, every car in them hit; an oil
// projector laying its patch along a move.
Canvas GrenadeAndOil() {
    Canvas image = Track();
    Wall(image, {0, 0}, {10, 0});
    Wall(image, {0, 6}, {10, 6});
    image.FillRect(int(Corner(2, 1).x), int(Corner(2, 1).y), int(Corner(5, 4).x), int(Corner(5, 4).y),
                   SColor(90, 250, 120, 20));
    Dashed(image, At(1, 2), At(3, 2), kWhite);
    Car(image, At(1, 2), 90, kRed);
    Car(image, At(4, 1), 100, kBlue, 2);
    Burst(image, At(3, 2), 15);
    Oil(image, At(6, 5), At(8.6f, 5));
    Car(image, At(9, 5), 90, kGreen, 3);
    return image;
}

// A car's four sides, each with its armour, reinforcements, structure and
// gadgets.
Canvas Damage(const Typeface& font) {
    Canvas image(kRulesPictureWidth, kRulesPictureHeight);
    image.VerticalGradient(0, 0, image.Width(), image.Height(), SColor(255, 55, 65, 85), SColor(255, 18, 20, 28));
    const Point2 centre{200, 122};
    Car(image, centre, 0, kRed, 2, 1.45f);
    Label(image, font, {200, 14}, L"AVANT", kGold);
    Label(image, font, {200, 228}, L"ARRIERE", kGold);
    Label(image, font, {80, 122}, L"GAUCHE", kGold);
    Label(image, font, {320, 122}, L"DROITE", kGold);
    return image;
}

// Two gates to pass in order, then the chequered line.
Canvas Finish(const Typeface& font) {
    Canvas image = Track();
    Wall(image, {0, 0}, {10, 0});
    Wall(image, {0, 6}, {10, 6});
    for (int gate = 1; gate <= 2; ++gate) {
        const float x = Corner(gate * 3 - 1, 0).x;
        Dashed(image, {x, 6}, {x, float(image.Height()) - 6}, kGold, 3);
        Label(image, font, {x, 12}, std::to_wstring(gate), kGold);
    }
    const int line = int(Corner(8, 0).x);
    for (int y = 6; y < image.Height() - 6; y += 8)
        for (int column = 0; column < 2; ++column)
            image.FillRect(line + column * 8, y, line + column * 8 + 8, y + 8, (y / 8 + column) % 2 ? kInk : kWhite);
    Car(image, At(8.7f, 2), 90, kRed);
    Car(image, At(6, 4), 80, kBlue, 2);
    Car(image, At(3, 3), 100, kGreen, 3);
    return image;
}

// The three cars a pilot chooses from, with what he shares out.
Canvas Workshop(const Typeface& font) {
    Canvas image(kRulesPictureWidth, kRulesPictureHeight);
    image.VerticalGradient(0, 0, image.Width(), image.Height(), SColor(255, 70, 72, 78), SColor(255, 28, 28, 32));
    for (int n = 1; n <= kCarModelCount; ++n) {
        View view;
        view.yaw = 150, view.pitch = 20, view.scale = 1.1f;
        view.centreX = 200 + (n - 2) * 125.f, view.centreY = 115 + (n == 2 ? 20.f : 0.f);
        DrawModel(image, CarModel(n), CarTexture(n, kCarColours[(n + 1) % 4].paint), view);
    }
    Label(image, font, {200, 20}, L"Conduite + Tir = 18", kGold);
    Label(image, font, {200, 205}, L"400 Zonks pour les gadgets", kGold);
    return image;
}

}  // namespace

Canvas RulesPicture(int number, const std::string& fontDir) {
    const Typeface font(fontDir + "/DejaVuSans-Bold.ttf", 15);
    switch (number) {
        case 1: return Turn();
        case 2: return Collisions();
        case 3: return OilAndSkids();
        case 4: return Sideswipes();
        case 5: return MachineGuns();
        case 6: return HandWeapons();
        case 7: return GrenadeAndOil();
        case 8: return Damage(font);
        case 9: return Finish(font);
        default: return Workshop(font);
    }
}

void WriteRulesPictures(const DataFolder& folder, const std::string& fontDir) {
    for (int number = 1; number <= kRulesPictures; ++number) {
        char name[40];
        std::snprintf(name, sizeof name, "data/regles/regle%02d.bmp", number);
        folder.WriteImage(name, RulesPicture(number, fontDir));
    }
}
