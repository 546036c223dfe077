#include <algorithm>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/file_listing.h"
#include "menus/menu_drawing.h"
#include "menus/race_cars.h"
#include "menus/race_setup_screen.h"
#include "ui/labelled_check_box.h"

using namespace irr;

namespace {
constexpr int kOpaqueSkinColour = 3;
const video::SColor kHeadingYellow(255, 250, 200, 40);  // the picture's headings

void SetSkinColourAlpha(u32 alpha) {
    gui::IGUISkin* skin = game.guiEnvironment->getSkin();
    const auto which = static_cast<gui::EGUI_DEFAULT_COLOR>(kOpaqueSkinColour);
    video::SColor colour = skin->getColor(which);
    colour.setAlpha(alpha);
    skin->setColor(which, colour);
}

gui::IGUIComboBox* AddCombo(int left, int top, int right, int bottom) {
    gui::IGUIComboBox* combo = game.guiEnvironment->addComboBox(core::recti(left, top, right, bottom));
    combo->setMaxSelectionRows(kListRowsShown);
    return combo;
}

void AddCircuitChoice(RaceSetupScreen& s) {
    ListFiles(L"\\circuits\\", s.circuitNames);
    s.circuit = AddCombo(s.x0 + 555, s.y0 + 42, s.x0 + 745, s.y0 + 57);
    s.circuit->addItem(L"Choisir le circuit :");
    for (size_t k = 1; k < s.circuitNames.size(); ++k) s.circuit->addItem(s.circuitNames[k].c_str());
}

void AddRow(RaceSetupScreen& s, int i) {
    const int top = s.y0 + 42 + 20 * (i - 1), bottom = s.y0 + 57 + 20 * (i - 1);
    RaceSetupRow& row = s.rows[i];
    // The driver takes the widest column its "IA combative" needs; the
    // pilot's names keep room to spare.
    row.pilot = AddCombo(s.x0 + 125, top, s.x0 + 279, bottom);
    row.colour = AddCombo(s.x0 + 289, top, s.x0 + 354, bottom);
    for (int c = 0; c < kColourWordCount; ++c) row.colour->addItem(ColourWord(c));
    row.colour->setSelected(std::min(i - 1, kColourWordCount - 1));
    row.driver = AddCombo(s.x0 + 369, top, s.x0 + 491, bottom);
    for (int item = 0; item < kDriverItemCount; ++item) row.driver->addItem(DriverItem(item));
    row.driver->addItem(L"À distance");  // kRemoteDriverItem: the joiner's own driver
    row.driver->setSelected(0);
    row.remote = game.guiEnvironment->addStaticText(L"", core::recti(s.x0 + 125, top, s.x0 + 279, bottom), true,
                                                    false, nullptr, gui_id::RemoteRow + i);
    row.remote->setOverrideColor(kHeadingYellow);
    row.remote->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_CENTER);
}
}  // namespace

int Selected(gui::IGUIComboBox* combo) { return std::max(combo->getSelected(), 0); }

void AddRaceSetupWidgets(RaceSetupScreen& s) {
    SetSkinColourAlpha(255);
    AddCircuitChoice(s);
    // Its label in the headings' yellow: the skin's black is lost on the dark picture.
    s.decor = AddLabelledCheckBox(true, core::recti(s.x0 + 678, s.y0 + 317, s.x0 + 798, s.y0 + 337),
                                  -1, {L"Activer décor", nullptr, kHeadingYellow});
    s.decor->setVisible(false);
    for (int i = 1; i <= kRaceSetupRows; ++i) AddRow(s, i);
    HideAllRows(s);
    s.launch = game.guiEnvironment->addButton(
        core::recti(s.x0 + 681, s.y0 + 525, s.x0 + 782, s.y0 + 566), nullptr, gui_id::Launch,
        L"LANCER");
    s.launch->setVisible(false);
    s.hostingText = game.guiEnvironment->addStaticText(
        L"", core::recti(s.x0 + 527, s.y0 + 345, s.x0 + 795, s.y0 + 515), false, true, nullptr, gui_id::HostingStatus);
    s.hostingText->setOverrideColor(kHeadingYellow);
}

void RemoveRaceSetupWidgets(RaceSetupScreen& s) {
    s.hosting.reset();
    s.hostingText->remove();
    s.circuit->remove();
    s.decor->remove();
    s.launch->remove();
    for (int i = 1; i <= kRaceSetupRows; ++i)
        for (gui::IGUIElement* element : std::initializer_list<gui::IGUIElement*>{
                 s.rows[i].pilot, s.rows[i].colour, s.rows[i].driver, s.rows[i].remote})
            element->remove();
    SetSkinColourAlpha(game.dialog.skinAlphas[kOpaqueSkinColour]);
}

void HideAllRows(RaceSetupScreen& s) {
    for (int i = 1; i <= kRaceSetupRows; ++i) {
        RaceSetupRow& row = s.rows[i];
        row.pilot->setVisible(false);
        row.colour->setVisible(false);
        row.driver->setVisible(false);
        row.remote->setVisible(false);
        row.pilot->clear();
    }
}
