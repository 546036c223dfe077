// The pieces of a race frame: the scene behind a grey background, the grid
// of cells, the cars' trails, the oil, the start and finish lines, the images over
// skidding cars and at the cursor while the computer thinks. The race loop,
// the message window and the animations draw their frames from them.
#pragma once

#include <irrlicht.h>

#include <functional>

#include "core/oil_patches.h"

// Begins a frame cleared to the race's grey.
void BeginRaceScene();
// Identity world transform and a plain unlit material for the 3D lines.
void UsePlainDrawing();

// Grey lines through the cell centres, one per column and one per row.
void DrawGrid();
// The car's trail; `isHighlighted` leaves out its last point (the move under
// way). Faded and short unless the current car shows whole trails.
void DrawTrail(int car, bool isHighlighted);
// Stands the car's node on its cell, turned by the car's heading; the car in
// motion is left as its move places it. The nodes show the game state and
// never hold any of it: the rules place them so before asking the engine
// where bodies meet, whether a frame was drawn or not.
void PlaceCarNode(int car);
void PlaceCarNodes();
// The car whose move is being animated (0 for none): its node keeps the
// place and the rotation the move gives it, spins included.
void SetCarInMotion(int car);
// Every oil patch, as a yellow band of lines on the ground, and the oil a
// move is laying.
void DrawOilPatches();
// The oil a move lays, shown growing behind the car as the move is drawn:
// from the move's start to where the car has come (world units, on the
// ground). Drawing only: the patch is laid by the rules when the move ends.
void ShowOilBeingLaid(const irr::core::vector3df& from, const irr::core::vector3df& to);
void HideOilBeingLaid();
// The oil shown growing, or null.
const OilPatch* OilBeingLaid();
// Checkpoint 1 and the last checkpoint, as black lines on the ground.
void DrawStartAndFinishLines();
// The skid image over every car that will skid: centred on the car across,
// its top 50 pixels above it.
void DrawSkidMarkers();
// The hourglass beside the cursor while a computer driver plays.
void DrawHourglass();
// What every race frame draws over the scene and the HUD: the oil, a
// computer's shot under way, the start and finish lines, the skid images and
// the hourglass.
void DrawOilAndSkids();
// A 2D image at its own size, centred on a screen point, its colour key kept.
void DrawImageCentredAt(irr::video::ITexture* image, irr::core::position2di centre);

// A whole frame of the race screen, GUI included; the HUD is drawn by the
// drawer the race screen installs. `overlay`, when given, draws over it all
// just before the frame is shown.
void DrawRaceFrame(const std::function<void()>& overlay = {});

// How often the race's frames are drawn: at every call (1, as the game
// does), never (0: a window-less simulation shows nothing), or at every n-th
// call. Nothing the rules decide depends on it.
void DrawFramesEvery(int n);
int FramesDrawnEvery();
// Counts a frame about to be made; true when it is to be drawn.
bool FrameDue();
void SetHudDrawer(std::function<void()> drawer);

// Where a world point shows on the screen through the active camera, whose
// matrices are brought up to date first (it may have moved since the last
// frame, or never been drawn yet).
irr::core::position2di ScreenPosition(const irr::core::vector3df& point);
