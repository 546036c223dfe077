#include "ui/roster.h"

#include <vector>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "platform/text.h"
#include "ui/fonts.h"

using namespace irr;

namespace {
constexpr int kLeft = 10, kTop = 50, kLineHeight = 16, kNumberWidth = 22, kWidth = 360;

struct RosterLine {
    gui::IGUIStaticText* number = nullptr;
    gui::IGUIStaticText* text = nullptr;
};
std::vector<RosterLine> lines;  // entries 1..carCount
gui::IGUIStaticText* title = nullptr;

// The panel belongs to the GUI of the device it was made with; a new device
// (even one at the same address) has none.
bool PanelExists() {
    return title && game.guiEnvironment->getRootGUIElement()->getElementFromId(gui_id::Roster, true) == title;
}

const wchar_t* DriverName(const CarRecord& car) {
    if (car.controller == L"IA") return L"IA";
    if (car.controller == L"IAC") return L"IA combative";
    return L"Humain";
}

// Whether car a is ahead of car b: a finish beats no finish, an earlier
// round a later one; then more gates.
bool Ahead(const CarRecord& a, const CarRecord& b) {
    const bool aDone = a.finishOrder >= 0, bDone = b.finishOrder >= 0;
    if (aDone != bDone) return aDone;
    if (aDone) return a.finishOrder < b.finishOrder;
    return a.checkpointsPassed > b.checkpointsPassed;
}

std::wstring LineText(int i) {
    const CarRecord& car = game.cars[i];
    std::wstring text = car.pilotName + L" - " + DriverName(car) + L" - ";
    if (!car.inRace) return text + L"carbonisée";
    return text + L"Vie " + IntText(car.hitPoints) + L" - Portes " + IntText(car.checkpointsPassed) + L"/" +
           IntText(game.circuit.checkpointCount) + L" - " + RosterPlace(i);
}

gui::IGUIStaticText* AddText(const core::recti& place) {
    gui::IGUIStaticText* text = game.guiEnvironment->addStaticText(L"", place, false, false);
    text->setDrawBackground(true);
    text->setOverrideFont(SmallFont());
    return text;
}

void Create() {
    if (PanelExists()) {  // a race of another number of cars on the same screen
        for (const RosterLine& line : lines) {
            if (line.number) line.number->remove();
            if (line.text) line.text->remove();
        }
        title->remove();
    }
    title = AddText(core::recti(kLeft, kTop, kLeft + kWidth, kTop + kLineHeight));
    title->setText(L" Voitures (touche L pour cacher)");
    title->setID(gui_id::Roster);
    lines.assign(static_cast<size_t>(game.carCount) + 1, RosterLine());
    for (int i = 1; i <= game.carCount; ++i) {
        const int top = kTop + i * kLineHeight;
        lines[static_cast<size_t>(i)] = {AddText(core::recti(kLeft, top, kLeft + kNumberWidth, top + kLineHeight)),
                                         AddText(core::recti(kLeft + kNumberWidth, top, kLeft + kWidth,
                                                             top + kLineHeight))};
        lines[static_cast<size_t>(i)].number->setText((L" " + IntText(i)).c_str());
    }
}

void SetText(gui::IGUIStaticText* element, const std::wstring& text) {
    if (text != element->getText()) element->setText(text.c_str());
}

void ShowLine(int i, bool shown) {
    const RosterLine& line = lines[static_cast<size_t>(i)];
    const CarRecord& car = game.cars[i];
    line.number->setVisible(shown);
    line.text->setVisible(shown);
    if (!shown) return;
    line.number->setBackgroundColor(car.inRace ? video::SColor(car.colour) : video::SColor(255, 110, 110, 110));
    line.number->setOverrideColor(video::SColor(255, 255, 255, 255));
    const bool current = i == game.currentCar;
    line.text->setBackgroundColor(current ? video::SColor(230, 255, 240, 150) : video::SColor(170, 0, 0, 0));
    line.text->setOverrideColor(current ? video::SColor(255, 0, 0, 0)
                                        : car.inRace ? video::SColor(255, 255, 255, 255)
                                                     : video::SColor(255, 160, 160, 160));
    SetText(line.text, L" " + LineText(i));
}
}  // namespace

std::wstring RosterPlace(int car) {
    const CarRecord& c = game.cars[car];
    if (!c.inRace) return L"";
    int place = 1;
    for (int i = 1; i <= game.carCount; ++i)
        if (i != car && game.cars[i].inRace && Ahead(game.cars[i], c)) ++place;
    return IntText(place) + (place == 1 ? L"er" : L"e");
}

void UpdateRoster() {
    if (!game.guiEnvironment || game.carCount < 1) return;
    if (!PanelExists() || lines.size() != static_cast<size_t>(game.carCount) + 1) Create();
    title->setVisible(game.rosterShown != 0);
    for (int i = 1; i <= game.carCount; ++i) ShowLine(i, game.rosterShown != 0);
}
