#include "menus/workshop_layout.h"

using irr::core::recti;

namespace {
// The panels are laid out as the car is seen from above: the front on top,
// the rear below, the left and right beside, the miscellaneous slot under
// them; the structure counter heads them.
struct PanelPlace {
    int left, top;
};
const PanelPlace kPanels[kSideCount] = {{360, 474}, {470, 36}, {470, 322}, {585, 180}, {360, 180}};
constexpr int kPanelWidth = 210;

SidePanelLayout SidePanel(int side) {
    const int left = kPanels[side].left, top = kPanels[side].top, right = left + kPanelWidth;
    SidePanelLayout p;
    p.title = recti(left, top, right, top + 17);
    p.list = recti(left, top + 18, right, top + 82);
    p.sellButton = recti(left, top + 85, right, top + 105);
    if (side == SideMisc) return p;
    p.structureLabel = recti(left, top + 112, left + 80, top + 130);
    p.structureBox = recti(left + 80, top + 110, left + 130, top + 129);
    return p;
}

// The pilot's values, the catalogue with its description and the buttons
// of the column left of the panels.
// The texts are 18 pixels high in the menus' font.
void LayPilotColumn(WorkshopLayout& l) {
    l.nameLabel = recti(110, 10, 200, 28);
    l.nameBox = recti(200, 8, 350, 27);
    l.drivingLabel = recti(110, 32, 200, 50);
    l.drivingBox = recti(200, 30, 240, 49);
    l.shootingLabel = recti(250, 32, 290, 50);
    l.shootingBox = recti(290, 30, 330, 49);
    l.skillPointsLeft = recti(110, 51, 350, 69);
    l.lifeLabel = recti(110, 72, 200, 90);
    l.lifeValue = recti(200, 72, 225, 90);
    l.addLabel = recti(222, 72, 350, 90);
    // Wide enough for the longest gadget name beside the list's scroll bar.
    l.catalogue = recti(110, 93, 265, 197);
    const int order[kSideCount] = {SideFront, SideRear, SideLeft, SideRight, SideMisc};
    for (int i = 0; i < kSideCount; ++i) l.addButtons[order[i]] = recti(270, 93 + 21 * i, 350, 112 + 21 * i);
    l.description = recti(110, 203, 350, 500);
    l.zonksLabel = recti(140, 510, 230, 528);
    l.zonksBox = recti(230, 508, 300, 527);
    l.wheelLabel = recti(110, 540, 180, 558);
    l.wheelText = recti(180, 540, 240, 558);
    l.changeWheel = recti(245, 537, 320, 557);
    l.validate = recti(110, 565, 320, 592);
}

WorkshopLayout Lay() {
    WorkshopLayout l;
    LayPilotColumn(l);
    l.structurePointsLeft = recti(450, 10, 700, 28);
    for (int side = 0; side < kSideCount; ++side) l.sides[side] = SidePanel(side);
    l.carModel = recti(600, 462, 728, 590);
    return l;
}
}  // namespace

const WorkshopLayout& TheWorkshopLayout() {
    static const WorkshopLayout layout = Lay();
    return layout;
}

std::vector<recti> WorkshopWidgetBoxes() {
    const WorkshopLayout& l = TheWorkshopLayout();
    std::vector<recti> boxes = {l.nameLabel,   l.nameBox,    l.drivingLabel, l.drivingBox, l.shootingLabel,
                                l.shootingBox, l.skillPointsLeft, l.lifeLabel, l.lifeValue, l.catalogue,
                                l.description, l.addLabel,   l.zonksLabel,   l.zonksBox,   l.wheelLabel,
                                l.wheelText,   l.changeWheel, l.carModel,    l.validate,   l.structurePointsLeft};
    for (const recti& button : l.addButtons) boxes.push_back(button);
    for (const SidePanelLayout& p : l.sides)
        for (const recti& box : {p.title, p.list, p.sellButton, p.structureLabel, p.structureBox})
            if (box.getArea() > 0) boxes.push_back(box);
    return boxes;
}
