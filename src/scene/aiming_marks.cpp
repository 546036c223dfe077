#include "scene/aiming_marks.h"

#include <algorithm>
#include <cmath>

#include "core/game_state.h"
#include "scene/car_pick.h"
#include "scene/race_frame.h"

using namespace irr;

namespace {
constexpr f32 kZoneReach = 800;
constexpr f32 kThickness = 2, kThicknessStep = 0.2f;
constexpr f32 kZoneArcStep = 5;
int shownShooter = 0, shownTarget = 0;  // the computer's shot under way, 0 for none

// A line on the ground with its parallel copies shifted sideways by 0.2 to
// 2 world units.
void ThickGroundLine(core::vector2df from, core::vector2df to, video::SColor colour) {
    const core::vector2df along = to - from;
    if (along.getLengthSQ() == 0) return;
    const core::vector2df across = core::vector2df(-along.Y, along.X).normalize();
    for (f32 shift = 0; shift <= kThickness + kThicknessStep / 2; shift += kThicknessStep) {
        const core::vector2df a = from + across * shift, b = to + across * shift;
        game.videoDriver->draw3DLine({a.X, 0, a.Y}, {b.X, 0, b.Y}, colour);
    }
}

// The ground direction (x, z) of a heading in degrees: 0 faces +z, 90 +x.
core::vector2df HeadingDirection(f64 degrees) {
    const f64 radians = degrees * core::DEGTORAD64;
    return {static_cast<f32>(std::sin(radians)), static_cast<f32>(std::cos(radians))};
}

void CornerMark(core::position2di corner, s32 dx, s32 dy, video::SColor colour) {
    game.videoDriver->draw2DLine(corner, corner + core::position2di(dx, 0), colour);
    game.videoDriver->draw2DLine(corner, corner + core::position2di(0, dy), colour);
}

// The face of each side, as an angle from the car's front turning right.
f64 SideFacing(int side) {
    switch (side) {
        case SideRight: return 90;
        case SideRear: return 180;
        case SideLeft: return 270;
        default: return 0;
    }
}
}  // namespace

void DrawReticle(int car, u32 colour) {
    scene::ISceneNode* node = game.cars[car].sceneNode;
    if (!node) return;
    node->updateAbsolutePosition();
    core::vector3df corners[8];
    node->getTransformedBoundingBox().getEdges(corners);
    core::rect<s32> box(ScreenPosition(corners[0]), ScreenPosition(corners[0]));
    for (const core::vector3df& corner : corners) box.addInternalPoint(ScreenPosition(corner));
    const s32 w = std::max(box.getWidth() / 4, 4), h = std::max(box.getHeight() / 4, 4);
    const video::SColor c(colour);
    CornerMark(box.UpperLeftCorner, w, h, c);
    CornerMark({box.LowerRightCorner.X, box.UpperLeftCorner.Y}, -w, h, c);
    CornerMark({box.UpperLeftCorner.X, box.LowerRightCorner.Y}, w, -h, c);
    CornerMark(box.LowerRightCorner, -w, -h, c);
}

void DrawLineOfFire(int car, int dx, int dy, int length, u32 colour) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const core::vector2df start(game.cars[car].cellX * cell, game.cars[car].cellY * cell);
    const core::vector2df vector(static_cast<f32>(dx) * cell, static_cast<f32>(dy) * cell);
    UsePlainDrawing();
    for (f32 t = 0; t <= static_cast<f32>(length); t += 0.5f)
        ThickGroundLine(start + vector * t, start + vector * (t + 0.25f), video::SColor(colour));
}

void DrawFiringZone(int car, int side, u32 colour) {
    const CarRecord& record = game.cars[car];
    const f64 heading = record.Heading() + SideFacing(side);
    const core::vector3df at = CarModelPosition(car);
    const core::vector2df centre(at.X, at.Z);
    const video::SColor c(colour);
    UsePlainDrawing();
    ThickGroundLine(centre, centre + HeadingDirection(heading - 45) * kZoneReach, c);
    ThickGroundLine(centre, centre + HeadingDirection(heading + 45) * kZoneReach, c);
    for (f64 a = -45; a < 45; a += kZoneArcStep)
        ThickGroundLine(centre + HeadingDirection(heading + a) * kZoneReach,
                        centre + HeadingDirection(heading + a + kZoneArcStep) * kZoneReach, c);
}

ComputerShotShown::ComputerShotShown(int shooter, int target) {
    shownShooter = shooter;
    shownTarget = target;
}

ComputerShotShown::~ComputerShotShown() { shownShooter = shownTarget = 0; }

ShotLine ShownShotLine() {
    if (shownShooter < 1 || shownTarget < 1) return {};
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const CarRecord& from = game.cars[shownShooter];
    const CarRecord& to = game.cars[shownTarget];
    return {true, {from.cellX * cell, from.cellY * cell}, {to.cellX * cell, to.cellY * cell}};
}

void DrawShownShot() {
    const ShotLine line = ShownShotLine();
    if (!line.shown) return;
    const video::SColor colour(game.cars[shownShooter].colour);
    // Dashes as the aiming screen draws them: a quarter cell every half cell.
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const core::vector2df along = line.to - line.from;
    const f32 length = along.getLength();
    UsePlainDrawing();
    for (f32 d = 0; length > 0 && d < length; d += cell / 2)
        ThickGroundLine(line.from + along * (d / length),
                        line.from + along * (std::min(d + cell / 4, length) / length), colour);
    DrawReticle(shownTarget, colour.color);
}
