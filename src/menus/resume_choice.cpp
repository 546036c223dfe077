// The choice of a saved race to resume: the saves of courses/, newest
// first, each with its circuit, round, whose turn it is, pilots and date.
// A race the game was closed or crashed in is offered here as the game
// starts.
#include <string>
#include <vector>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "ui/notice.h"

using namespace irr;

namespace {
struct ListedSave {
    std::string path;  // empty when the save cannot be read
    std::wstring line;
    bool crashed = false;
};

std::wstring SaveLine(const SavedRace& saved, const RaceJournal& journal) {
    std::wstring whose = L"voiture " + std::to_wstring(saved.car);
    if (saved.car >= 1 && saved.car <= static_cast<int>(journal.cars.size()))
        whose = KeptPilotName(journal.cars[static_cast<size_t>(saved.car - 1)]) + L" (" + whose + L")";
    // What tells the races apart first: a long list of pilots is cut at the
    // end. The rules count rounds from 0, players from 1.
    return journal.date + (LeftByACrash(saved) ? L" (interrompue)" : L"") + L" - " + journal.circuit + L" - tour " +
           std::to_wstring(saved.round + 1) + L", à " + whose + L" - " + JournalPilots(journal);
}

// Each save that can be read with its journal; each other one in a line
// of its own saying why.
std::vector<ListedSave> ListedSaves() {
    std::vector<ListedSave> listed;
    for (const std::string& path : ListSavedRaces(JournalFolder())) {
        SavedRace saved;
        RaceJournal journal;
        std::wstring error;
        if (ReadSavedRace(path, saved, error) && ReadJournalUpTo(saved.journal, saved.bytes, journal, error))
            listed.push_back({path, SaveLine(saved, journal), LeftByACrash(saved)});
        else
            listed.push_back({"", error, false});
    }
    return listed;
}

// Where the list is to be read from: the first race left by a crash, else
// the newest.
int FirstOffered(const std::vector<ListedSave>& saves) {
    for (size_t i = 0; i < saves.size(); ++i)
        if (saves[i].crashed) return static_cast<int>(i);
    return saves.empty() ? -1 : 0;
}

class ResumeScreen {
public:
    ResumeScreen(int x0, int y0) : saves_(ListedSaves()) {
        gui::IGUIEnvironment* gui = game.guiEnvironment;
        const int offered = FirstOffered(saves_);
        const bool crash = offered >= 0 && saves_[static_cast<size_t>(offered)].crashed;
        title_ = gui->addStaticText(Title(crash), core::recti(x0 + 120, y0 + 10, x0 + 780, y0 + 45));
        list_ = gui->addListBox(core::recti(x0 + 120, y0 + 50, x0 + 780, y0 + 540), nullptr, gui_id::ResumeList,
                                true);
        for (const ListedSave& save : saves_) list_->addItem(save.line.c_str());
        list_->setSelected(offered);
        resume_ = gui->addButton(core::recti(x0 + 660, y0 + 550, x0 + 780, y0 + 580), nullptr,
                                 gui_id::ResumeButton, L"REPRENDRE");
        // Offered once: a crashed race not taken now is listed, not offered again.
        for (const ListedSave& save : saves_)
            if (save.crashed) MarkSaveSeen(save.path);
    }
    ~ResumeScreen() {
        for (gui::IGUIElement* element : std::vector<gui::IGUIElement*>{title_, list_, resume_}) element->remove();
    }
    // True once a save is chosen.
    bool TakeChoice() {
        if (game.lastGuiId != gui_id::ResumeButton) return false;
        game.lastGuiId = 0;
        const int chosen = list_->getSelected();
        if (chosen < 0 || chosen >= static_cast<int>(saves_.size())) {
            ShowNotice(L"Choisissez d'abord une course dans la liste.");
            return false;
        }
        const ListedSave& save = saves_[static_cast<size_t>(chosen)];
        if (save.path.empty()) {
            ShowNotice(save.line);
            return false;
        }
        game.resumeSave = save.path;
        game.raceStart = 1;
        return true;
    }

private:
    static const wchar_t* Title(bool crash) {
        if (crash)
            return L"Le jeu s'est fermé pendant une course : elle reprend au début du tour qui se jouait.\n"
                   L"Choisissez-la pour la reprendre, ou une autre course sauvegardée :";
        return L"Choisissez une course sauvegardée à reprendre :";
    }
    std::vector<ListedSave> saves_;
    gui::IGUIStaticText* title_ = nullptr;
    gui::IGUIListBox* list_ = nullptr;
    gui::IGUIButton* resume_ = nullptr;
};
}  // namespace

bool RaceLeftByACrash() {
    for (const std::string& path : ListSavedRaces(JournalFolder())) {
        SavedRace saved;
        std::wstring error;
        if (ReadSavedRace(path, saved, error) && LeftByACrash(saved)) return true;
    }
    return false;
}

void ResumeChoice(int x0, int y0) {
    ResumeScreen screen(x0, y0);
    for (;;) {
        const bool leave = MenuColumnFrame(gui_id::Resume);
        UpkeepNotice();
        if (leave || screen.TakeChoice()) break;
        DrawMenuScreen(x0, y0, nullptr);
    }
}
