// The home menu: the home picture beside the column of buttons that every
// menu screen keeps on its left.
#include <vector>

#include "core/event_receiver.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "scene/scene_files.h"
#include "ui/fonts.h"
#include "ui/message_window.h"
#include "ui/notice.h"
#include "platform/paths.h"

using namespace irr;

namespace {
struct ColumnButton {
    int id;
    int top;  // below y0
    const wchar_t* text;
};

const ColumnButton kColumn[] = {
    {gui_id::Home, 5, L"Accueil"},          {gui_id::NewPilot, 30, L"Nouveau Pilote"},
    {gui_id::EditPilot, 55, L"Editer Pilote"}, {gui_id::NewRace, 80, L"Nouvelle course"},
    {gui_id::Replays, 105, L"Revoir une course"}, {gui_id::Credits, 130, L"Credits"},
    {gui_id::QuitGame, 155, L"Quitter"},          {gui_id::Rules, 180, L"Règles"},
    {gui_id::JoinRace, 205, L"Rejoindre"},
};
gui::IGUIButton* AddColumnButton(int x0, int y0, const ColumnButton& b) {
    gui::IGUIButton* button = game.guiEnvironment->addButton(
        core::recti(x0 + 5, y0 + b.top, x0 + 95, y0 + b.top + 20), nullptr, b.id, b.text);
    // "Nouvelle course" is wider than 90 pixels in the skin's font.
    UseSmallFont(button);
    return button;
}

std::vector<gui::IGUIButton*> AddColumn(int x0, int y0) {
    std::vector<gui::IGUIButton*> buttons;
    for (const ColumnButton& b : kColumn) buttons.push_back(AddColumnButton(x0, y0, b));
    return buttons;
}

// While saved races wait to be resumed, a button under the home picture
// says so; the other screens hide it.
gui::IGUIButton* AddResumeButton(int x0, int y0) {
    if (ListSavedRaces(JournalFolder()).empty()) return nullptr;
    return game.guiEnvironment->addButton(core::recti(x0 + 346, y0 + 562, x0 + 546, y0 + 590), nullptr,
                                          gui_id::Resume, L"Reprendre une course");
}

// Opens the screen the player asked for; the screens leave lastGuiId set
// when the player asked for another screen from their column.
void OpenAskedScreen(int x0, int y0) {
    const int id = game.lastGuiId;
    game.lastGuiId = 0;
    switch (id) {
        case gui_id::NewPilot: PilotWorkshop(x0, y0, true); break;
        case gui_id::EditPilot: ChoosePilotToEdit(x0, y0); break;
        case gui_id::NewRace: RaceSetup(x0, y0); break;
        case gui_id::Credits: CreditsScreen(x0, y0); break;
        case gui_id::Replays: ReplayChoice(x0, y0); break;
        case gui_id::Resume: ResumeChoice(x0, y0); break;
        case gui_id::Rules: RulesScreen(x0, y0); break;
        case gui_id::JoinRace: JoinScreen(x0, y0); break;
        case gui_id::QuitGame: EndProgram();
        default: break;
    }
}
}  // namespace

void HomeMenu() {
    game.inMenu = 1;
    video::ITexture* picture = LoadGameTexture(L"\\data\\interface\\accueil.bmp", true);
    const core::position2di origin = MenuOrigin();
    const int x0 = origin.X, y0 = origin.Y;
    UseMenuFont();
    std::vector<gui::IGUIButton*> column = AddColumn(x0, y0);
    gui::IGUIButton* resume = AddResumeButton(x0, y0);
    if (resume) column.push_back(resume);
    // A race the game was closed or crashed in is offered first.
    if (RaceLeftByACrash()) game.lastGuiId = gui_id::Resume;
    while (!game.raceStart) {
        PumpFrameOrEnd();
        UpkeepNotice();
        if (resume) resume->setVisible(false);
        OpenAskedScreen(x0, y0);
        if (resume) resume->setVisible(true);
        if (game.raceStart) break;
        DrawMenuScreen(x0, y0, [&] { DrawWholeImage(picture, x0 + 146, y0 - 25); });
    }
    game.raceStart = 0;
    game.inMenu = 0;
    for (gui::IGUIButton* button : column) button->remove();
    SetDialogOpaque(false, true);
}
