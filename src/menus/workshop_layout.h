// Where the pilot workshop's widgets stand, from the top-left corner of the
// menu area, and where its background picture lies. The workshop builds its
// widgets from here, and the data generator paints the picture plain under
// every one of them, so that no drawing shows through a box or a button.
#pragma once

#include <irrlicht.h>

#include <vector>

#include "core/game_state.h"

// One side's panel: its title, the list of its gadgets, the button that
// sells one back and, on the four faces, the structure row.
struct SidePanelLayout {
    irr::core::recti title, list, sellButton;
    irr::core::recti structureLabel, structureBox;  // empty for the miscellaneous slot
};

struct WorkshopLayout {
    irr::core::recti nameLabel, nameBox;
    irr::core::recti drivingLabel, drivingBox, shootingLabel, shootingBox;
    irr::core::recti skillPointsLeft;  // the counter under the two skills
    irr::core::recti lifeLabel, lifeValue;
    irr::core::recti catalogue, description;
    irr::core::recti addLabel, addButtons[kSideCount];
    irr::core::recti zonksLabel, zonksBox;
    irr::core::recti wheelLabel, wheelText, changeWheel;
    irr::core::recti carModel, validate;
    irr::core::recti structurePointsLeft;  // the counter over the four faces
    SidePanelLayout sides[kSideCount];
};

// The background picture, drawn whole with its top-left corner at
// (x0 + kWorkshopPictureLeft, y0 + kWorkshopPictureTop).
constexpr int kWorkshopPictureLeft = 320;
constexpr int kWorkshopPictureTop = -10;
constexpr int kWorkshopPictureWidth = 480;
constexpr int kWorkshopPictureHeight = 600;

const WorkshopLayout& TheWorkshopLayout();

// The rectangle of every widget, for a new pilot and an edited one alike.
std::vector<irr::core::recti> WorkshopWidgetBoxes();
