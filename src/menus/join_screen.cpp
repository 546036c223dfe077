// Joining a race hosted on another machine: the host's address, the pilot
// who races and his driver; then the screen says how the joining goes until
// the host starts the race, or why it cannot be joined.
#include <memory>
#include <string>
#include <vector>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/file_listing.h"
#include "files/net_race.h"
#include "files/pilot_file.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "menus/network_race.h"
#include "menus/quick_race.h"
#include "menus/race_cars.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/notice.h"

using namespace irr;

namespace {
// The address a player typed last, offered again.
std::wstring lastAddress = L"localhost";

struct JoinWidgets {
    std::vector<gui::IGUIElement*> all;
    gui::IGUIEditBox* address = nullptr;
    gui::IGUIComboBox* pilot = nullptr;
    gui::IGUIComboBox* driver = nullptr;
    gui::IGUIStaticText* status = nullptr;
    std::vector<std::wstring> pilotNames;  // entries 1..n
};

template <typename Element>
Element* Keep(JoinWidgets& w, Element* element) {
    w.all.push_back(element);
    return element;
}

void AddLabel(JoinWidgets& w, const wchar_t* text, int x0, int top) {
    Keep(w, game.guiEnvironment->addStaticText(text, core::recti(x0 + 120, top, x0 + 420, top + 20)));
}

JoinWidgets AddJoinWidgets(int x0, int y0) {
    JoinWidgets w;
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    Keep(w, gui->addStaticText(L"Rejoindre une course hébergée sur une autre machine :",
                               core::recti(x0 + 120, y0 + 10, x0 + 780, y0 + 30)));
    AddLabel(w, L"Adresse de l'hôte (HOTE ou HOTE:PORT) :", x0, y0 + 50);
    w.address = Keep(w, gui->addEditBox(lastAddress.c_str(), core::recti(x0 + 430, y0 + 48, x0 + 700, y0 + 68),
                                        true, nullptr, gui_id::JoinAddress));
    // The driver's combo first: the pilots' list opens over it.
    AddLabel(w, L"Conducteur :", x0, y0 + 110);
    w.driver = Keep(w, gui->addComboBox(core::recti(x0 + 430, y0 + 110, x0 + 560, y0 + 125), nullptr, gui_id::JoinDriver));
    for (int item = 0; item < kDriverItemCount; ++item) w.driver->addItem(DriverItem(item));
    AddLabel(w, L"Pilote :", x0, y0 + 80);
    w.pilot = Keep(w, gui->addComboBox(core::recti(x0 + 430, y0 + 80, x0 + 620, y0 + 95), nullptr, gui_id::JoinPilot));
    w.pilot->setMaxSelectionRows(kListRowsShown);
    w.pilot->addItem(L"Choisir le pilote :");
    ListFiles(L"\\pilotes\\", w.pilotNames);
    for (size_t k = 1; k < w.pilotNames.size(); ++k) w.pilot->addItem(w.pilotNames[k].c_str());
    w.status = Keep(w, gui->addStaticText(L"", core::recti(x0 + 120, y0 + 160, x0 + 780, y0 + 400), false, true,
                                          nullptr, gui_id::JoinStatus));
    Keep(w, gui->addButton(core::recti(x0 + 640, y0 + 550, x0 + 780, y0 + 580), nullptr, gui_id::JoinButton,
                           L"REJOINDRE"));
    return w;
}

// Starts joining with what the screen holds; null, the status saying why,
// when it cannot.
std::unique_ptr<NetRace> StartJoining(JoinWidgets& w, std::wstring& where) {
    lastAddress = w.address->getText();
    const std::string typed = ToUtf8(lastAddress);
    std::string address;
    int port = kDefaultNetPort;
    const int pilot = w.pilot->getSelected();
    std::wstring error;
    NetPilot own;
    if (!ReadHostAddress(typed, address, port)) {
        error = HostAddressRefusal(typed);
    } else if (pilot < 1 || pilot >= static_cast<int>(w.pilotNames.size())) {
        error = L"Choisissez d'abord votre pilote.";
    } else {
        own.name = w.pilotNames[static_cast<size_t>(pilot)];
        own.driver = DriverWord(DriverOfItem(w.driver->getSelected()));
        if (!ReadWholeFile(PilotFilePath(own.name), own.fileBytes)) error = L"Le pilote " + own.name + L" n'existe pas.";
    }
    std::unique_ptr<NetRace> session;
    if (error.empty()) session = NetRace::Join(address, static_cast<uint16_t>(port), own, error);
    where = FromUtf8(address) + L":" + std::to_wstring(port);
    w.status->setText(session ? (L"Connexion à " + where + L"...").c_str() : error.c_str());
    return session;
}

// Follows the joining one frame; true once the host has started the race.
bool FollowJoining(JoinWidgets& w, std::unique_ptr<NetRace>& session, const std::wstring& where) {
    try {
        if (session->AwaitStart(0)) return true;
    } catch (const NetRaceStopped& refused) {
        w.status->setText(FromUtf8(refused.what()).c_str());
        session.reset();
        return false;
    }
    if (session->Seat() > 0)
        w.status->setText((L"Place " + std::to_wstring(session->Seat()) + L" dans la course de " + where +
                           L".\n\nEn attente du départ donné par l'hôte...")
                              .c_str());
    return false;
}
}  // namespace

void JoinScreen(int x0, int y0) {
    JoinWidgets w = AddJoinWidgets(x0, y0);
    std::unique_ptr<NetRace> session;
    std::wstring where;
    for (;;) {
        const bool leave = MenuColumnFrame(gui_id::JoinRace);
        UpkeepNotice();
        if (leave) break;
        if (game.lastGuiId == gui_id::JoinButton) {
            game.lastGuiId = 0;
            session = StartJoining(w, where);
        }
        if (session && FollowJoining(w, session, where)) {
            KeepNetworkRace(std::move(session));
            game.raceStart = 1;
            break;
        }
        DrawMenuScreen(x0, y0, nullptr);
    }
    for (gui::IGUIElement* element : w.all) element->remove();
}
