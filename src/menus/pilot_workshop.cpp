// The pilot workshop: a new pilot's values, gadgets bought and sold for
// Zonks, the wheel side and the car model, saved by "VALIDER".
#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "files/pilot_file.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "menus/pilot_checks.h"
#include "menus/workshop_layout.h"
#include "menus/workshop_widgets.h"
#include "platform/text.h"
#include "scene/scene_files.h"
#include "ui/notice.h"

using namespace irr;

namespace {
constexpr int kCarModels = 3;
constexpr int kStartingZonks = 400;
constexpr int kStartingSkill = 9;
constexpr int kStartingStructure = 5;

struct Workshop {
    bool newPilot = false;
    WorkshopWidgets widgets;
    bool sideChanged[kSideCount] = {true, true, true, true, true};
};

CarRecord& Pilot() { return game.cars[0]; }

void StartNewPilot() {
    RemoveAllGadgets(0);
    CarRecord& c = Pilot();
    c.pilotName = L"Entrez le nom";
    c.drivingSkill = kStartingSkill;
    c.shootingSkill = kStartingSkill;
    c.hitPoints = 4;
    c.meshNumber = 1;
    c.zonks = kStartingZonks;
    for (int side = SideFront; side < kSideCount; ++side) c.sides[side].structureMax = kStartingStructure;
    c.wheelSide = L"Gauche";
    c.mass = ComputeMass(0);
}

// The catalogue entry selected in the list (1 to 11), or 0.
int SelectedEntry(const Workshop& w) {
    const int line = w.widgets.catalogueList->getSelected();
    return line >= 0 && line + 1 < kCatalogueSize ? line + 1 : 0;
}

void ShowSelectedEntry(const Workshop& w) {
    const int entry = SelectedEntry(w);
    std::wstring text;
    if (entry) {
        const GadgetRecord& g = game.catalogue[entry];
        text = g.name + L"\n" + L"PRIX : " + IntText(g.price) + L"\n\n" + g.description + L"\n";
    }
    SetScrollingText(w.widgets.description, text);
    for (int side = 0; side < kSideCount; ++side)
        w.widgets.addButtons[side]->setEnabled(entry && game.catalogue[entry].allowedSides[side]);
}

void Buy(Workshop& w, int side) {
    const int entry = SelectedEntry(w);
    if (!entry) return;
    const GadgetRecord& g = game.catalogue[entry];
    if (g.maxPerCar != -1 && g.maxPerCar <= CountGadgets(g.name, 0, kAllSides)) {
        ShowNotice(L"Vous ne pouvez avoir qu'un seul gadget de ce type.");
        return;
    }
    if (Pilot().zonks < g.price) {
        ShowNotice(L"Vous n'avez plus assez de Zonks pour aquérir ce gadget.");
        return;
    }
    AddGadget(0, side, g.name);
    Pilot().mass = ComputeMass(0);
    Pilot().zonks -= g.price;
    w.sideChanged[side] = true;
}

// The gadget selected in the side's list goes back at the price paid.
void Sell(Workshop& w, int side) {
    gui::IGUIListBox* list = w.widgets.sideLists[side];
    const int line = list->getSelected();
    if (line < 0) return;
    std::vector<int> sides, positions;
    if (FindGadgets(list->getListItem(line), 0, side, L"", 0, L"", 0, L"", 0, sides, positions) == 0) return;
    Pilot().zonks += Pilot().sides[side].gadgets[positions[1]].price;
    RemoveGadget(0, side, positions[1]);
    w.sideChanged[side] = true;
}

void ChangeWheelSide() { Pilot().wheelSide = Pilot().wheelSide != L"Droite" ? L"Droite" : L"Gauche"; }

// The next model, back to the first after the last; a number edited by
// hand in the file comes back to the first too.
void NextCarModel(const Workshop& w) {
    const int model = Pilot().meshNumber;
    Pilot().meshNumber = model >= 1 && model < kCarModels ? model + 1 : 1;
    ShowCarThumbnail(w.widgets);
}

NewPilotEntries TypedEntries(const WorkshopWidgets& widgets) {
    NewPilotEntries entries;
    entries.name = widgets.nameBox->getText();
    entries.driving = widgets.drivingBox->getText();
    entries.shooting = widgets.shootingBox->getText();
    for (int side = SideFront; side < kSideCount; ++side)
        entries.structure[side] = widgets.structureBoxes[side]->getText();
    return entries;
}

void ShowCount(gui::IGUIStaticText* counter, const PointsCount& count) {
    counter->setText(count.text.c_str());
    counter->setOverrideColor(count.accepted ? video::SColor(255, 0, 110, 0) : video::SColor(255, 170, 0, 0));
}

// The points a new pilot has left to share, as typed so far.
void ShowPointsLeft(const Workshop& w) {
    if (!w.newPilot) return;
    const NewPilotEntries entries = TypedEntries(w.widgets);
    ShowCount(w.widgets.skillPointsLeft, SkillPointsLeft(entries));
    ShowCount(w.widgets.structurePointsLeft, StructurePointsLeft(entries));
}

// Checks and writes the pilot; true once it is saved. A refusal or a file
// that cannot be written leaves the workshop open with nothing lost.
bool Validate(const Workshop& w) {
    const std::wstring refusal =
        w.newPilot ? CheckNewPilot(TypedEntries(w.widgets)) : PilotNameRefusal(Pilot().pilotName);
    if (!refusal.empty()) {
        ShowNotice(refusal);
        return false;
    }
    if (!WritePilotFile(0)) {
        ShowNotice(L"Le pilote n'a pas pu être enregistré : le disque est plein ou le dossier pilotes "
                   L"protégé en écriture.");
        return false;
    }
    // The notice stays open over the home menu, which closes it as its own.
    ShowNotice(L"Pilote enregistré");
    return true;
}

void RefreshSideLists(Workshop& w) {
    for (int side = 0; side < kSideCount; ++side) {
        if (!w.sideChanged[side]) continue;
        w.sideChanged[side] = false;
        gui::IGUIListBox* list = w.widgets.sideLists[side];
        list->clear();
        const CarSide& s = Pilot().sides[side];
        for (int position = 1; position <= s.gadgetCount; ++position)
            list->addItem(s.gadgets[position].name.c_str());
    }
}

// Acts on the workshop's own button pressed this frame; true once the pilot
// is saved.
bool HandleButton(Workshop& w) {
    const int id = game.lastGuiId;
    if (id >= gui_id::AddToSide && id < gui_id::AddToSide + kSideCount)
        Buy(w, id - gui_id::AddToSide);
    else if (id >= gui_id::SellFromSide && id < gui_id::SellFromSide + kSideCount)
        Sell(w, id - gui_id::SellFromSide);
    else if (id == gui_id::ChangeWheel)
        ChangeWheelSide();
    else if (id == gui_id::CarModel)
        NextCarModel(w);
    else if (id != gui_id::Validate)
        return false;
    game.lastGuiId = 0;
    return id == gui_id::Validate && Validate(w);
}

void Leave(Workshop& w) {
    RemoveAllGadgets(0);
    Pilot().mass = ComputeMass(0);
    w.widgets.area->remove();
}
}  // namespace

void PilotWorkshop(int x0, int y0, bool newPilot) {
    video::ITexture* background = LoadGameTexture(L"\\data\\voitures\\car02.bmp");
    if (newPilot) StartNewPilot();
    Workshop w;
    w.newPilot = newPilot;
    w.widgets = BuildWorkshopWidgets(x0, y0, newPilot);
    for (;;) {
        const bool leave = MenuColumnFrame();
        UpkeepNotice();
        if (leave) break;
        ShowSelectedEntry(w);
        UpkeepScrollingText(w.widgets.description);
        ShowPointsLeft(w);
        w.widgets.zonksBox->setText(IntText(Pilot().zonks).c_str());
        if (HandleButton(w)) break;
        RefreshSideLists(w);
        w.widgets.wheelText->setText(Pilot().wheelSide.c_str());
        DrawMenuScreen(x0, y0,
                       [&] { DrawWholeImage(background, x0 + kWorkshopPictureLeft, y0 + kWorkshopPictureTop); });
    }
    Leave(w);
}
