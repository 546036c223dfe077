#include "app/net_play.h"

#include <functional>
#include <memory>
#include <string>

#include "app/net_session_play.h"
#include "app/race_start.h"
#include "core/decisions.h"
#include "core/event_receiver.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "files/net_race.h"
#include "files/pilot_file.h"
#include "files/race_journal.h"
#include "files/race_pilot_results.h"
#include "menus/menu_drawing.h"
#include "menus/net_setup.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scene/camera_control.h"
#include "scene/race_frame.h"
#include "ui/hud.h"

using namespace irr;

namespace {
// A screen that waits: `text()` shown until `done()` or until the player
// gives up ("Abandonner"). False when he gave up.
bool WaitOnScreen(const std::function<std::wstring()>& text, const std::function<bool()>& done) {
    const core::position2di o = MenuOrigin();
    UseMenuFont();
    gui::IGUIStaticText* label =
        game.guiEnvironment->addStaticText(L"", core::recti(o.X + 120, o.Y + 200, o.X + 780, o.Y + 400), false, true);
    gui::IGUIButton* giveUp = game.guiEnvironment->addButton(core::recti(o.X + 360, o.Y + 420, o.X + 540, o.Y + 450),
                                                             nullptr, gui_id::QuitGame, L"Abandonner");
    game.inMenu = 1;
    game.lastGuiId = 0;
    bool waited = true;
    for (;;) {
        PumpFrameOrEnd();
        if (game.lastGuiId == gui_id::QuitGame) {
            waited = false;
            break;
        }
        if (done()) break;
        label->setText(text().c_str());
        DrawMenuScreen(o.X, o.Y, nullptr);
    }
    game.lastGuiId = 0;
    game.inMenu = 0;
    label->remove();
    giveUp->remove();
    return waited;
}

// What the other machines told, on the two status lines: cut after its
// colon, else at a space, when longer than the status line.
void ShowNotice(const std::wstring& text, int frames) {
    constexpr size_t kLineLetters = 40;
    size_t cut = text.find(L" : ");
    if (cut != std::wstring::npos) cut += 2;
    else if (text.size() > kLineLetters) cut = text.rfind(L' ', kLineLetters);
    if (cut == std::wstring::npos) ShowStatusLines(text, L"", frames);
    else ShowStatusLines(text.substr(0, cut), text.substr(cut + 1), frames);
}

// The count-down of a player who no longer answers, each second while it runs.
void ShowAbsence(const NetRace& session) {
    static std::wstring shown;
    const std::wstring text = session.AbsenceText();
    if (!text.empty() && text != shown) ShowNotice(text, 90);
    shown = text;
}

// While another machine decides: the race shown, the camera free, the
// status line saying so (and what the other machines told).
void WaitingFrame(NetRace& session) {
    for (const std::wstring& notice : session.TakeNotices()) ShowNotice(notice, 400);
    if (ShowWaitingScreen()) return;
    PumpFrameOrEnd();
    CameraControl();
    DrawRaceFrame();
}

// The race played with the other machines, then the link closed. 0 at its
// end or when left, 1 when it stopped (why shown).
int PlayWithTheOthers(NetRace& session, const std::function<int()>& play) {
    NetSessionWays ways;
    ways.waitingFrame = [&session] { WaitingFrame(session); };
    ways.everyFrame = [&session] {
        session.KeepUp();
        ShowAbsence(session);
    };
    ways.finishing = PumpFrameOrEnd;  // the window stays alive
    ways.tellStop = ReportSceneError;
    int code = 0;
    const auto playAndMaybeLeave = [&] {
        code = play();
        // "Quitter" or "Sauvegarder" before the results: this machine leaves
        // the race, and the host's leaving ends it everywhere (a joiner who
        // left is taken for gone by the others).
        const std::vector<RaceEvent>& record = RaceRecord();
        if (session.Hosting() && (record.empty() || record.back().kind != RaceEventKind::RaceEnd))
            session.StopEverywhere(L"L'hôte a quitté la course : elle s'arrête.");
    };
    if (PlayNetSession(session, ways, playAndMaybeLeave) != 0) code = 1;
    StopRecording();
    game.quitToMenu = 1;
    return code;
}

std::wstring JoinedText(const NetRace& session, int places) {
    std::wstring text = L"Course hébergée sur le port " + std::to_wstring(session.Port()) + L".\n\nJoueurs venus : " +
                        std::to_wstring(session.Joiners().size()) + L" sur " + std::to_wstring(places) + L"\n";
    for (const NetPilot& joiner : session.Joiners()) text += L"\n - " + joiner.name;
    return text;
}
}  // namespace

int HostNetworkRace(const QuickRaceOptions& options) {
    std::wstring error;
    std::unique_ptr<NetRace> session = NetRace::Host(static_cast<uint16_t>(options.hostPort), options.places, error);
    if (!session) {
        ReportSceneError(error);
        return 1;
    }
    const auto refusal = [&options](const NetPilot& pilot) { return JoinerRefusal(pilot, options.pilots); };
    if (!WaitOnScreen([&] { return JoinedText(*session, options.places); },
                      [&] { return session->ServeLobby(10, refusal); }))
        return 0;
    const std::vector<std::wstring> refusals =
        SetUpHostedCars({options.circuit, options.decor, options.pilots}, session->Joiners());
    if (!refusals.empty()) {
        session->StopEverywhere(refusals.front());
        ReportSceneError(refusals.front());
        return 1;
    }
    return PlayHostedRace(*session);
}

int JoinNetworkRace(const QuickRaceOptions& options) {
    const QuickRacePilot& own = options.pilots.front();
    NetPilot pilot{0, own.name, DriverWord(own.driver), ""};
    std::wstring error;
    std::unique_ptr<NetRace> session;
    if (ReadWholeFile(PilotFilePath(own.name), pilot.fileBytes))
        session = NetRace::Join(options.joinAddress, static_cast<uint16_t>(options.joinPort), pilot, error);
    else
        error = L"Le pilote " + own.name + L" n'existe pas.";
    if (!session) {
        ReportSceneError(error);
        return 1;
    }
    const std::wstring where = FromUtf8(options.joinAddress) + L":" + std::to_wstring(options.joinPort);
    try {
        if (!WaitOnScreen(
                [&] {
                    return session->Seat() > 0 ? L"Place " + std::to_wstring(session->Seat()) + L" dans la course de " +
                                                     where + L".\n\nEn attente du départ..."
                                               : L"Connexion à " + where + L"...";
                },
                [&] { return session->AwaitStart(10); }))
            return 0;
    } catch (const NetRaceStopped& refused) {
        ReportSceneError(FromUtf8(refused.what()));
        return 1;
    }
    return PlayJoinedRace(*session);
}

int PlayHostedRace(NetRace& session) {
    const std::vector<NetPilot> joiners = session.Joiners();
    return PlayWithTheOthers(session, [&] {
        return PlayRace([&](const RaceJournal& header) {
            session.StartRace(JournalHeaderText(header), CarSeats(joiners));
        });
    });
}

int PlayJoinedRace(NetRace& session) {
    RaceJournal header;
    std::wstring error;
    if (!ReadJournalText(session.JournalHeader(), "hôte", header, error)) {
        session.StopEverywhere(L"Une machine n'a pas pu lire le départ de la course.");
        ReportSceneError(error);
        return 1;
    }
    return PlayWithTheOthers(session, [&] { return PlayRaceFrom(header); });
}
