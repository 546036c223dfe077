// The choice of a pilot to edit: a list of the pilot files, then the
// workshop on the chosen pilot.
#include <vector>

#include "core/event_receiver.h"
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
    combo->addItem(L"Choisir le pilote :");
    for (size_t k = 1; k < names.size(); ++k) combo->addItem(names[k].c_str());
    return combo;
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
            ReadPilotFile(0, names[chosen]);
            combo->setVisible(false);
            PilotWorkshop(x0, y0, false);
            break;
        }
        DrawMenuScreen(x0, y0);
    }
    combo->remove();
}
