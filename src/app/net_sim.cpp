#include "app/net_sim.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/net_session_play.h"
#include "app/race_replay.h"
#include "app/sim_race.h"
#include "core/decisions.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/net_race.h"
#include "files/pilot_file.h"
#include "files/race_journal.h"
#include "files/race_pilot_results.h"
#include "menus/net_setup.h"
#include "menus/quick_race.h"
#include "menus/race_cars.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"
#include "ui/race_screen.h"

namespace {
void Say(const std::wstring& text) {
    std::printf("%s\n", ToUtf8(text).c_str());
    std::fflush(stdout);
}

// Plays the race set up here with the other machines; 0 at its end, 1
// when it stopped (the message printed).
int PlayOverTheNetwork(NetRace& session, const RaceJournal& header, const SimOptions& o) {
    const auto sayNotices = [&session] {
        for (const std::wstring& notice : session.TakeNotices()) Say(notice);
    };
    KeepPilotFiles(!o.write);
    NetSessionWays ways;
    ways.waitingFrame = sayNotices;
    ways.tellStop = [](const std::wstring& why) { Say(why); };
    SimRaceResult result;
    const int code = PlayNetSession(session, ways, [&] { PlaySetUpRace(result, header); });
    sayNotices();
    unsigned long long turns = 0;
    for (const RaceEvent& event : RaceRecord()) turns += event.kind == RaceEventKind::TurnStart;
    StopRecording();
    if (code == 0) Say(L"Course terminée en " + std::to_wstring(result.rounds) + L" tours.");
    Say(L"Octets envoyés : " + std::to_wstring(session.BytesSent()) + L", " +
        std::to_wstring(session.BytesSent() / std::max(turns, 1ULL)) + L" par tour de voiture.");
    ReleaseGameDevice();
    return code;
}
}  // namespace

int HostSimulatedRace(const SimOptions& o) {
    std::wstring error;
    if (!OpenNullDevice()) {
        Say(L"Impossible de lire les fichiers du jeu.");
        return 2;
    }
    std::unique_ptr<NetRace> session = NetRace::Host(static_cast<uint16_t>(o.hostPort), o.places, error);
    if (!session) {
        Say(error);
        return 2;
    }
    session->SetAbsenceWait(o.absenceSeconds);
    Say(L"Course hébergée sur le port " + std::to_wstring(session->Port()) + L" : en attente de " +
        std::to_wstring(o.places) + L" joueurs.");
    const double start = SteadySeconds();
    const auto refusal = [&o](const NetPilot& pilot) { return JoinerRefusal(pilot, o.pilots); };
    while (!session->ServeLobby(20, refusal))
        if (SteadySeconds() - start > o.waitSeconds) {
            Say(L"Les joueurs à distance ne sont pas tous venus : la course n'a pas lieu.");
            return 2;
        }
    std::vector<std::wstring> refusals = SetUpHostedCars({o.circuit, false, o.pilots}, session->Joiners());
    std::wstring sceneError;
    if (refusals.empty() && !BuildCircuitScene(sceneError)) refusals.push_back(sceneError);
    if (!refusals.empty()) {
        for (const std::wstring& refusal : refusals) Say(refusal);
        session->StopEverywhere(refusals.front());
        return 2;
    }
    CreateStatusLines();
    game.frameDelay = 0;
    SetRandomState(o.seed);
    const RaceJournal header = JournalOfThisRace(DateTimeText(CurrentTimeSeconds()));
    session->StartRace(JournalHeaderText(header), CarSeats(session->Joiners()));
    return PlayOverTheNetwork(*session, header, o);
}

int JoinSimulatedRace(const SimOptions& o) {
    const QuickRacePilot& own = o.pilots.front();
    NetPilot pilot{0, own.name, DriverWord(own.driver), ""};
    if (!ReadWholeFile(PilotFilePath(own.name), pilot.fileBytes)) {
        Say(L"Le pilote " + own.name + L" n'existe pas.");
        return 2;
    }
    std::wstring error;
    std::unique_ptr<NetRace> session =
        NetRace::Join(o.joinAddress, static_cast<uint16_t>(o.joinPort), pilot, error);
    if (!session) {
        Say(error);
        return 2;
    }
    const double start = SteadySeconds();
    try {
        while (!session->AwaitStart(20))
            if (SteadySeconds() - start > o.waitSeconds) {
                Say(L"La course n'a pas commencé : l'hôte ne répond pas.");
                return 2;
            }
    } catch (const NetRaceStopped& refused) {
        Say(FromUtf8(refused.what()));
        return 2;
    }
    RaceJournal header;
    const std::wstring name = L"de l'hôte";
    if (!ReadJournalText(session->JournalHeader(), "hôte", header, error) || !OpenNullDevice() ||
        !SetUpReplay(header, name, error)) {
        Say(error.empty() ? L"Impossible de lire les fichiers du jeu." : error);
        session->StopEverywhere(L"Une machine n'a pas pu préparer la course : " + error);
        return 2;
    }
    Say(L"Place " + std::to_wstring(session->Seat()) + L" dans la course" +
        (header.events.empty() ? L"."
                               : L", rejointe en cours : " + std::to_wstring(header.events.size()) +
                                     L" événements à rejouer."));
    game.frameDelay = 0;
    return PlayOverTheNetwork(*session, header, o);
}
