// The choice of a recorded race to watch again: the journals of courses/,
// newest first, each with its date, circuit, pilots and winner.
#include <string>
#include <vector>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/race_journal.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "ui/notice.h"

using namespace irr;

namespace {
struct ListedJournal {
    std::string path;
    std::wstring line;
};

// The journals that can be read; each unreadable one is named in a line of
// its own, which says why.
std::vector<ListedJournal> ListedJournals() {
    std::vector<ListedJournal> listed;
    for (const std::string& path : ListJournals(JournalFolder())) {
        RaceJournal journal;
        std::wstring error;
        if (ReadJournal(path, journal, error)) listed.push_back({path, JournalSummary(journal)});
        else listed.push_back({"", error});
    }
    return listed;
}
}  // namespace

void ReplayChoice(int x0, int y0) {
    const std::vector<ListedJournal> journals = ListedJournals();
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    gui::IGUIStaticText* title = gui->addStaticText(
        journals.empty() ? L"Aucune course enregistrée : chaque course jouée s'enregistre dans courses/."
                         : L"Choisissez une course à revoir :",
        core::recti(x0 + 120, y0 + 10, x0 + 780, y0 + 30));
    gui::IGUIListBox* list =
        gui->addListBox(core::recti(x0 + 120, y0 + 35, x0 + 780, y0 + 540), nullptr, gui_id::ReplayList, true);
    for (const ListedJournal& journal : journals) list->addItem(journal.line.c_str());
    gui::IGUIButton* watch =
        gui->addButton(core::recti(x0 + 660, y0 + 550, x0 + 780, y0 + 580), nullptr, gui_id::ReplayButton, L"REVOIR");
    for (;;) {
        const bool leave = MenuColumnFrame(gui_id::Replays);
        UpkeepNotice();
        if (leave) break;
        if (game.lastGuiId == gui_id::ReplayButton) {
            game.lastGuiId = 0;
            const int chosen = list->getSelected();
            if (chosen < 0 || chosen >= static_cast<int>(journals.size())) {
                ShowNotice(L"Choisissez d'abord une course dans la liste.");
            } else if (journals[static_cast<size_t>(chosen)].path.empty()) {
                ShowNotice(journals[static_cast<size_t>(chosen)].line);
            } else {
                game.replayJournal = journals[static_cast<size_t>(chosen)].path;
                game.raceStart = 1;
                break;
            }
        }
        DrawMenuScreen(x0, y0, nullptr);
    }
    for (gui::IGUIElement* element : std::vector<gui::IGUIElement*>{title, list, watch}) element->remove();
}
