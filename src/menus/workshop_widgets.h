// The widgets of the pilot workshop, all children of one area to the right
// of the home menu's column, so that leaving removes them at once.
#pragma once

#include <irrlicht.h>

#include "core/game_state.h"
#include "ui/scrolling_text.h"

struct WorkshopWidgets {
    irr::gui::IGUIElement* area = nullptr;
    irr::gui::IGUIEditBox* nameBox = nullptr;      // id 10100, a new pilot only
    irr::gui::IGUIEditBox* drivingBox = nullptr;   // id 10101
    irr::gui::IGUIEditBox* shootingBox = nullptr;  // id 10102
    irr::gui::IGUIEditBox* structureBoxes[kSideCount] = {};  // sides 1 to 4
    // The points left to share, beside the skills and over the structure
    // boxes; a new pilot only (an edited one sees his car's whole structure
    // over the boxes).
    irr::gui::IGUIStaticText* skillPointsLeft = nullptr;
    irr::gui::IGUIStaticText* structurePointsLeft = nullptr;
    irr::gui::IGUIEditBox* zonksBox = nullptr;
    irr::gui::IGUIListBox* catalogueList = nullptr;
    irr::gui::IGUIListBox* sideLists[kSideCount] = {};
    irr::gui::IGUIButton* addButtons[kSideCount] = {};  // "Ajouter au côté", 10010 + side
    ScrollingText description;  // its text has id 10104
    irr::gui::IGUIStaticText* wheelText = nullptr;
    irr::gui::IGUIButton* modelButton = nullptr;  // id 10050, the car's thumbnail
};

// Builds the workshop over car record 0 with its top-left corner at
// (x0, y0): edit boxes for a new pilot, static texts for an edited one.
WorkshopWidgets BuildWorkshopWidgets(int x0, int y0, bool newPilot);

// Shows the thumbnail of car record 0's model on the model button.
void ShowCarThumbnail(const WorkshopWidgets& widgets);
