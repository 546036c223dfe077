#include "menus/workshop_widgets.h"

#include "core/event_receiver.h"
#include "platform/text.h"
#include "scene/scene_files.h"

using namespace irr;

namespace {
// The area starts at the column's dividing line, so the column's buttons
// stay clickable; positions below are given from the screen's corner.
constexpr int kAreaLeft = 100;

core::recti At(int left, int top, int right, int bottom) {
    return core::recti(left - kAreaLeft, top, right - kAreaLeft, bottom);
}

gui::IGUIEnvironment* Gui() { return game.guiEnvironment; }

void AddLabel(gui::IGUIElement* area, const wchar_t* text, const core::recti& rect) {
    Gui()->addStaticText(text, rect, false, false, area);
}

// An edit box for a new pilot, a static text in the same place for an
// edited one; the edit box is null for an edited pilot.
gui::IGUIEditBox* AddValue(gui::IGUIElement* area, const std::wstring& value, const core::recti& rect,
                           int id, bool newPilot) {
    if (!newPilot) {
        Gui()->addStaticText(value.c_str(), rect, false, false, area);
        return nullptr;
    }
    return Gui()->addEditBox(value.c_str(), rect, true, area, id);
}

// Where each side's panel stands, the panels laid out as the car is seen
// from above: the front on top, the rear below, the left and right beside.
struct PanelPlace {
    int left, top;
    const wchar_t* title;
    const wchar_t* sideWord;
};
const PanelPlace kPanels[kSideCount] = {
    {360, 445, L"DIVERS", L"DIVERS"},
    {470, 10, L"                   AVANT", L"AVANT"},
    {470, 300, L"                   ARRIERE", L"ARRIERE"},
    {585, 155, L"                   DROITE", L"DROITE"},
    {360, 155, L"                   GAUCHE", L"GAUCHE"},
};
constexpr int kPanelWidth = 210;

void AddSidePanel(WorkshopWidgets& w, int side, bool newPilot) {
    const PanelPlace& p = kPanels[side];
    const int right = p.left + kPanelWidth;
    AddLabel(w.area, p.title, At(p.left, p.top, right, p.top + 15));
    w.sideLists[side] =
        Gui()->addListBox(At(p.left, p.top + 17, right, p.top + 82), w.area, gui_id::SideList + side, true);
    Gui()->addButton(At(p.left, p.top + 85, right, p.top + 105), w.area, gui_id::SellFromSide + side,
                     L"Supprimer gadget sélectionné");
    if (side == SideMisc) return;
    AddLabel(w.area, L"Structure : ", At(p.left, p.top + 112, p.left + 80, p.top + 127));
    w.structureBoxes[side] = AddValue(w.area, IntText(game.cars[0].sides[side].structureMax),
                                      At(p.left + 80, p.top + 110, p.left + 130, p.top + 129),
                                      gui_id::StructureBox + side, newPilot);
}

void AddPilotValues(WorkshopWidgets& w, bool newPilot) {
    const CarRecord& c = game.cars[0];
    AddLabel(w.area, L"Nom Pilote : ", At(110, 10, 200, 25));
    w.nameBox = AddValue(w.area, c.pilotName, At(200, 8, 350, 27), gui_id::PilotNameBox, newPilot);
    AddLabel(w.area, L"Pilotage : ", At(110, 32, 200, 47));
    w.drivingBox = AddValue(w.area, IntText(c.drivingSkill), At(200, 30, 240, 49), gui_id::DrivingBox, newPilot);
    AddLabel(w.area, L"Tir : ", At(250, 32, 290, 47));
    w.shootingBox = AddValue(w.area, IntText(c.shootingSkill), At(290, 30, 330, 49), gui_id::ShootingBox, newPilot);
    AddLabel(w.area, L"Vie : ", At(110, 54, 200, 69));
    AddLabel(w.area, IntText(c.hitPoints).c_str(), At(200, 54, 240, 69));
    AddLabel(w.area, L"ZONKS :", At(140, 510, 230, 525));
    w.zonksBox = Gui()->addEditBox(L"400", At(230, 508, 300, 527), true, w.area, gui_id::ZonksBox);
}

// The catalogue, the description under it and the five "Ajouter au côté"
// buttons beside it, in the panels' order.
void AddCatalogue(WorkshopWidgets& w) {
    w.catalogueList = Gui()->addListBox(At(110, 80, 240, 180), w.area, gui_id::CatalogueList, true);
    for (int entry = 1; entry < kCatalogueSize; ++entry)
        w.catalogueList->addItem(game.catalogue[entry].name.c_str());
    w.description = Gui()->addStaticText(L"", At(110, 185, 350, 500), true, true, w.area, gui_id::Description);
    AddLabel(w.area, L"     Ajouter au côté :", At(220, 60, 420, 75));
    const int order[kSideCount] = {SideFront, SideRear, SideLeft, SideRight, SideMisc};
    for (int i = 0; i < kSideCount; ++i) {
        const int side = order[i];
        const int top = 80 + 18 * i;
        w.addButtons[side] = Gui()->addButton(At(248, top, 345, top + 17), w.area,
                                              gui_id::AddToSide + side, kPanels[side].sideWord);
        w.addButtons[side]->setEnabled(false);
    }
}

void AddCarChoices(WorkshopWidgets& w) {
    AddLabel(w.area, L"Volant à :", At(110, 540, 180, 555));
    w.wheelText = Gui()->addStaticText(game.cars[0].wheelSide.c_str(), At(180, 540, 240, 555), false, false,
                                       w.area, gui_id::WheelText);
    Gui()->addButton(At(245, 537, 320, 557), w.area, gui_id::ChangeWheel, L"Changer");
    w.modelButton = Gui()->addButton(At(600, 450, 728, 578), w.area, gui_id::CarModel);
    w.modelButton->setScaleImage(true);
    Gui()->addButton(At(110, 565, 320, 592), w.area, gui_id::Validate, L"VALIDER");
}
}  // namespace

WorkshopWidgets BuildWorkshopWidgets(int x0, int y0, bool newPilot) {
    WorkshopWidgets w;
    w.area = Gui()->addTab(core::recti(x0 + kAreaLeft, y0, x0 + 800, y0 + 600));
    AddPilotValues(w, newPilot);
    AddCatalogue(w);
    for (int side = 0; side < kSideCount; ++side) AddSidePanel(w, side, newPilot);
    AddCarChoices(w);
    ShowCarThumbnail(w);
    return w;
}

void ShowCarThumbnail(const WorkshopWidgets& widgets) {
    const std::wstring path =
        L"\\data\\voitures\\thumbnail_voiture" + IntText(game.cars[0].meshNumber) + L".jpg";
    widgets.modelButton->setImage(LoadGameTexture(path));
}
