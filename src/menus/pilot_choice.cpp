// The choice of a pilot to edit: a list of the pilot files, then the
// workshop on the chosen pilot.
#include <vector>

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "ui/notice.h"

using namespace irr;

namespace {
gui::IGUIComboBox* AddPilotList(int x0, int y0, const std::vector<std::wstring>& names) {
    gui::IGUIComboBox* combo = game.guiEnvironment->addComboBox(
        core::recti(x0 + 110, y0 + 10, x0 + 300, y0 + 25), nullptr, gui_id::PilotChoice);
    combo->setMaxSelectionRows(kListRowsShown);
    combo->addItem(L"Choisir le pilote :");
    for (size_t k = 1; k < names.size(); ++k) combo->addItem(names[k].c_str());
    return combo;
}

// Loads the pilot of that file into car record 0. A file holding another
// name is refused with a notice: saved under the name it holds, the pilot
// would replace another pilot's file.
bool LoadChosenPilot(const std::wstring& fileName) {
    ReadPilotFile(0, fileName);
    if (game.cars[0].pilotName == fileName) return true;
    RemoveAllGadgets(0);
    ShowNotice(L"Le fichier " + fileName + L" ne porte pas le nom de son pilote : il ne peut pas être modifié.");
    return false;
}
}  // namespace

void ChoosePilotToEdit(int x0, int y0) {
    std::vector<std::wstring> names;
    ListFiles(L"\\pilotes\\", names);
    gui::IGUIComboBox* combo = AddPilotList(x0, y0, names);
    for (;;) {
        const bool leave = MenuColumnFrame();
        UpkeepNotice();
        if (leave) break;
        const int chosen = combo->getSelected();
        if (chosen > 0 && chosen < static_cast<int>(names.size())) {
            if (LoadChosenPilot(names[chosen])) {
                combo->setVisible(false);
                PilotWorkshop(x0, y0, false);
                break;
            }
            combo->setSelected(0);
        }
        DrawMenuScreen(x0, y0, nullptr);
    }
    combo->remove();
}
