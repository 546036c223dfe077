#include "scene/race_frame.h"

#include <algorithm>
#include <cmath>

#include "core/checkpoints.h"
#include "core/cursor.h"
#include "core/game_state.h"
#include "core/move_geometry.h"
#include "core/oil_patches.h"
#include "scene/aiming_marks.h"

using namespace irr;

namespace {
constexpr f32 kCarHeight = 7;
std::function<void()> hudDrawer;
int carInMotion = 0;  // the car whose move is being animated, or 0
int drawEvery = 1;
long long framesMade = 0;
bool oilBeingLaidShown = false;
OilPatch oilBeingLaid;

f32 World(f32 cell) { return cell * static_cast<f32>(game.circuit.cellSize); }

void GroundLine(f32 x1, f32 z1, f32 x2, f32 z2, video::SColor colour) {
    game.videoDriver->draw3DLine({x1, 0, z1}, {x2, 0, z2}, colour);
}

// The colour of a trail segment `age` points behind the car's last point.
video::SColor FadedColour(u32 colour, int age) {
    const video::SColor base(colour);
    auto fade = [age](u32 c) { return std::min<u32>(255, c + static_cast<u32>(age) * 20); };
    return video::SColor(255, fade(base.getRed()), fade(base.getGreen()), fade(base.getBlue()));
}

void DrawIntersection(f32 x, f32 z, video::SColor colour) {
    GroundLine(x - 10, z - 10, x + 10, z + 10, colour);
    GroundLine(x - 10, z + 10, x + 10, z - 10, colour);
}

void DrawCheckpoint(int n) {
    float sx, sy, ex, ey;
    if (!CheckpointLine(n, sx, sy, ex, ey)) return;
    GroundLine(World(sx), World(sy), World(ex), World(ey), video::SColor(255, 0, 0, 0));
}

void DrawImageAt(video::ITexture* image, core::position2di topLeft) {
    const core::dimension2du size = image->getOriginalSize();
    game.videoDriver->draw2DImage(image, topLeft,
                                  core::rect<s32>(0, 0, static_cast<s32>(size.Width),
                                                  static_cast<s32>(size.Height)),
                                  nullptr, video::SColor(255, 255, 255, 255), true);
}

// A patch as nine lines: itself and shifted by 1 and 2 units each way along
// x and along z, so it shows as a band.
void DrawOilPatch(const OilPatch& patch) {
    const video::SColor oil(255, 226, 177, 5);
    GroundLine(patch.x1, patch.z1, patch.x2, patch.z2, oil);
    for (const f32 shift : {1.0f, -1.0f, 2.0f, -2.0f}) {
        GroundLine(patch.x1 + shift, patch.z1, patch.x2 + shift, patch.z2, oil);
        GroundLine(patch.x1, patch.z1 + shift, patch.x2, patch.z2 + shift, oil);
    }
}

const CarRecord* CurrentCar() {
    if (game.currentCar < 1 || game.currentCar > game.carCount) return nullptr;
    return &game.cars[game.currentCar];
}
}  // namespace

core::position2di ScreenPosition(const core::vector3df& point) {
    if (scene::ICameraSceneNode* camera = game.sceneManager->getActiveCamera()) {
        camera->updateAbsolutePosition();
        camera->render();
    }
    return game.sceneManager->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(point);
}

void BeginRaceScene() { game.videoDriver->beginScene(true, true, video::SColor(255, 200, 200, 200)); }

void UsePlainDrawing() {
    video::SMaterial plain;
    plain.Lighting = false;
    game.videoDriver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
    game.videoDriver->setMaterial(plain);
}

void DrawGrid() {
    const CircuitData& c = game.circuit;
    const video::SColor grey(255, 150, 150, 150);
    const f32 lastX = World(static_cast<f32>(c.gridWidth - 1));
    const f32 lastZ = World(static_cast<f32>(c.gridLength - 1));
    for (int column = 0; column < c.gridWidth; ++column)
        GroundLine(World(static_cast<f32>(column)), 0, World(static_cast<f32>(column)), lastZ, grey);
    for (int row = 0; row < c.gridLength; ++row)
        GroundLine(0, World(static_cast<f32>(row)), lastX, World(static_cast<f32>(row)), grey);
}

void DrawTrail(int car, bool isHighlighted) {
    const CarRecord& record = game.cars[car];
    const CarRecord* current = CurrentCar();
    if (!record.sceneNode || !current) return;
    const int n = record.trailCount - (isHighlighted ? 1 : 0);
    for (int i = 1; i <= n - 1; ++i) {
        if (static_cast<size_t>(2 * i + 2) >= record.trail.size()) break;
        const int age = record.trailCount - i;
        if (!current->showTrail && age >= 9) continue;
        const video::SColor colour =
            current->showTrail ? video::SColor(record.colour) : FadedColour(record.colour, age);
        const f32 x2 = World(record.trail[2 * i + 1]);
        const f32 z2 = World(record.trail[2 * i + 2]);
        GroundLine(World(record.trail[2 * i - 1]), World(record.trail[2 * i]), x2, z2, colour);
        if (current->showIntersections) DrawIntersection(x2, z2, colour);
    }
}

void SetCarInMotion(int car) { carInMotion = car; }

void PlaceCarNode(int car) {
    const CarRecord& record = game.cars[car];
    if (!record.sceneNode || car == carInMotion) return;
    record.sceneNode->setRotation({0, record.heading, 0});
    record.sceneNode->setPosition({World(record.cellX), kCarHeight, World(record.cellY)});
    record.sceneNode->updateAbsolutePosition();
}

void PlaceCarNodes() {
    for (int i = 1; i <= game.carCount; ++i) PlaceCarNode(i);
}

void DrawOilPatches() {
    const std::vector<OilPatch>& patches = OilPatches();
    for (size_t i = 1; i < patches.size(); ++i) DrawOilPatch(patches[i]);
    if (oilBeingLaidShown) DrawOilPatch(oilBeingLaid);
}

void ShowOilBeingLaid(const core::vector3df& from, const core::vector3df& to) {
    oilBeingLaid = {from.X, 0, from.Z, to.X, 0, to.Z};
    oilBeingLaidShown = true;
}

void HideOilBeingLaid() { oilBeingLaidShown = false; }

const OilPatch* OilBeingLaid() { return oilBeingLaidShown ? &oilBeingLaid : nullptr; }

void DrawStartAndFinishLines() {
    DrawCheckpoint(1);
    DrawCheckpoint(game.circuit.checkpointCount);
}

void DrawSkidMarkers() {
    if (!game.skidMarkerImage) return;
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& record = game.cars[i];
        if (!record.skidPending || !record.sceneNode) continue;
        // Centred 50 pixels above the car, clear of it.
        const core::position2di at = ScreenPosition(record.sceneNode->getAbsolutePosition());
        DrawImageCentredAt(game.skidMarkerImage, at - core::position2di(0, 50));
    }
}

void DrawHourglass() {
    const CarRecord* current = CurrentCar();
    if (!game.hourglassImage || !current || !IsComputerDriven(*current)) return;
    DrawImageAt(game.hourglassImage, CursorPosition() + core::position2di(10, 10));
}

void DrawImageCentredAt(video::ITexture* image, core::position2di centre) {
    const core::dimension2du size = image->getOriginalSize();
    DrawImageAt(image, centre - core::position2di(static_cast<s32>(size.Width) / 2,
                                                  static_cast<s32>(size.Height) / 2));
}

void DrawOilAndSkids() {
    UsePlainDrawing();
    DrawOilPatches();
    DrawShownShot();
    DrawStartAndFinishLines();
    DrawSkidMarkers();
    DrawHourglass();
}

void SetHudDrawer(std::function<void()> drawer) { hudDrawer = std::move(drawer); }

int FramesDrawnEvery() { return drawEvery; }

void DrawFramesEvery(int n) {
    drawEvery = n;
    framesMade = 0;
}

bool FrameDue() {
    ++framesMade;
    // A watched race played faster draws fewer of its frames.
    const int every = drawEvery * (RaceOnlyWatched() ? std::max(game.watchSpeed, 1) : 1);
    return every > 0 && framesMade % every == 0;
}

void DrawRaceFrame(const std::function<void()>& overlay) {
    if (!FrameDue()) return;
    BeginRaceScene();
    game.guiEnvironment->drawAll();
    game.sceneManager->drawAll();
    UsePlainDrawing();
    DrawGrid();
    for (int i = 1; i <= game.carCount; ++i) {
        if (!game.cars[i].sceneNode) continue;
        DrawTrail(i, false);
        PlaceCarNode(i);
    }
    if (hudDrawer) hudDrawer();
    DrawOilAndSkids();
    game.guiEnvironment->drawAll();
    if (overlay) overlay();
    game.videoDriver->endScene();
}
