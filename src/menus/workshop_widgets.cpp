#include "menus/workshop_widgets.h"

#include "core/event_receiver.h"
#include "menus/workshop_layout.h"
#include "platform/text.h"
#include "scene/scene_files.h"

using namespace irr;

namespace {
// The area starts at the column's dividing line, so the column's buttons
// stay clickable; the layout gives places from the screen's corner.
constexpr int kAreaLeft = 100;

core::recti At(const core::recti& place) { return place - core::position2di(kAreaLeft, 0); }

gui::IGUIEnvironment* Gui() { return game.guiEnvironment; }

void AddLabel(gui::IGUIElement* area, const wchar_t* text, const core::recti& place) {
    Gui()->addStaticText(text, At(place), false, false, area);
}

// An edit box for a new pilot, a static text in the same place for an
// edited one; the edit box is null for an edited pilot.
gui::IGUIEditBox* AddValue(gui::IGUIElement* area, const std::wstring& value, const core::recti& place,
                           int id, bool newPilot) {
    if (!newPilot) {
        Gui()->addStaticText(value.c_str(), At(place), false, false, area);
        return nullptr;
    }
    return Gui()->addEditBox(value.c_str(), At(place), true, area, id);
}

// Over the four faces: the points left to share for a new pilot, filled in
// every frame; the car's whole structure for an edited one.
void AddStructureHeading(WorkshopWidgets& w, bool newPilot) {
    int structure = 0;
    for (int side = SideFront; side < kSideCount; ++side) structure += game.cars[0].sides[side].structureMax;
    const std::wstring text = newPilot ? L"" : L"Points de structure : " + IntText(structure);
    gui::IGUIStaticText* heading = Gui()->addStaticText(text.c_str(), At(TheWorkshopLayout().structurePointsLeft),
                                                        false, false, w.area, gui_id::StructurePointsLeft);
    heading->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_UPPERLEFT);
    if (newPilot) w.structurePointsLeft = heading;
}

const wchar_t* const kPanelTitles[kSideCount] = {L"DIVERS", L"                   AVANT",
                                                 L"                   ARRIERE", L"                   DROITE",
                                                 L"                   GAUCHE"};
const wchar_t* const kSideWords[kSideCount] = {L"DIVERS", L"AVANT", L"ARRIERE", L"DROITE", L"GAUCHE"};

void AddSidePanel(WorkshopWidgets& w, int side, bool newPilot) {
    const SidePanelLayout& p = TheWorkshopLayout().sides[side];
    AddLabel(w.area, kPanelTitles[side], p.title);
    w.sideLists[side] = Gui()->addListBox(At(p.list), w.area, gui_id::SideList + side, true);
    Gui()->addButton(At(p.sellButton), w.area, gui_id::SellFromSide + side, L"Supprimer gadget sélectionné");
    if (side == SideMisc) return;
    AddLabel(w.area, L"Structure : ", p.structureLabel);
    w.structureBoxes[side] = AddValue(w.area, IntText(game.cars[0].sides[side].structureMax), p.structureBox,
                                      gui_id::StructureBox + side, newPilot);
}

void AddPilotValues(WorkshopWidgets& w, bool newPilot) {
    const CarRecord& c = game.cars[0];
    const WorkshopLayout& l = TheWorkshopLayout();
    AddLabel(w.area, L"Nom Pilote : ", l.nameLabel);
    w.nameBox = AddValue(w.area, c.pilotName, l.nameBox, gui_id::PilotNameBox, newPilot);
    AddLabel(w.area, L"Pilotage : ", l.drivingLabel);
    w.drivingBox = AddValue(w.area, IntText(c.drivingSkill), l.drivingBox, gui_id::DrivingBox, newPilot);
    AddLabel(w.area, L"Tir : ", l.shootingLabel);
    w.shootingBox = AddValue(w.area, IntText(c.shootingSkill), l.shootingBox, gui_id::ShootingBox, newPilot);
    for (gui::IGUIEditBox* skill : {w.drivingBox, w.shootingBox})
        if (skill) skill->setToolTipText(L"13 points au plus");
    // The points left to share, filled in every frame.
    if (newPilot)
        w.skillPointsLeft =
            Gui()->addStaticText(L"", At(l.skillPointsLeft), false, false, w.area, gui_id::SkillPointsLeft);
    AddStructureHeading(w, newPilot);
    AddLabel(w.area, L"Vie : ", l.lifeLabel);
    AddLabel(w.area, IntText(c.hitPoints).c_str(), l.lifeValue);
    AddLabel(w.area, L"ZONKS :", l.zonksLabel);
    w.zonksBox = Gui()->addEditBox(L"400", At(l.zonksBox), true, w.area, gui_id::ZonksBox);
}

// The catalogue, the description under it and the five "Ajouter au côté"
// buttons beside it, in the panels' order.
void AddCatalogue(WorkshopWidgets& w) {
    const WorkshopLayout& l = TheWorkshopLayout();
    w.catalogueList = Gui()->addListBox(At(l.catalogue), w.area, gui_id::CatalogueList, true);
    for (int entry = 1; entry < kCatalogueSize; ++entry)
        w.catalogueList->addItem(game.catalogue[entry].name.c_str());
    w.description = AddScrollingText(At(l.description), w.area, gui_id::Description);
    AddLabel(w.area, L"     Ajouter au côté :", l.addLabel);
    for (int side : {SideFront, SideRear, SideLeft, SideRight, SideMisc}) {
        w.addButtons[side] =
            Gui()->addButton(At(l.addButtons[side]), w.area, gui_id::AddToSide + side, kSideWords[side]);
        w.addButtons[side]->setEnabled(false);
    }
}

void AddCarChoices(WorkshopWidgets& w) {
    const WorkshopLayout& l = TheWorkshopLayout();
    AddLabel(w.area, L"Volant à :", l.wheelLabel);
    w.wheelText = Gui()->addStaticText(game.cars[0].wheelSide.c_str(), At(l.wheelText), false, false, w.area,
                                       gui_id::WheelText);
    Gui()->addButton(At(l.changeWheel), w.area, gui_id::ChangeWheel, L"Changer");
    w.modelButton = Gui()->addButton(At(l.carModel), w.area, gui_id::CarModel);
    w.modelButton->setScaleImage(true);
    Gui()->addButton(At(l.validate), w.area, gui_id::Validate, L"VALIDER");
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
