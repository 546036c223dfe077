// A race over the network as its machines see it, all in this process on
// the loopback address: the lobby's welcomes and refusals, decisions going
// from the machine of their seat to the others at their place in the race,
// the turns' checks compared, and every way the race stops with its message.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/state_checksum.h"
#include "files/net_race.h"
#include "files/race_journal.h"
#include "platform/clock.h"
#include "platform/net_link.h"
#include "platform/text.h"

namespace {
const std::vector<int> kSeats = {kSeatEveryMachine, kSeatHost, 1, 2};  // cars 1..4

// A wait that never ends fails the test instead of hanging it.
std::function<void()> GivingUpAfter(double seconds) {
    const double start = SteadySeconds();
    return [start, seconds] {
        if (SteadySeconds() - start > seconds) throw std::runtime_error("nothing came");
    };
}

class NetRaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::wstring error;
        host = NetRace::Host(0, 2, error);
        ASSERT_TRUE(host) << ToUtf8(error);
    }

    std::unique_ptr<NetRace> Joiner(const std::wstring& name) {
        std::wstring error;
        auto joiner = NetRace::Join("127.0.0.1", host->Port(), {0, name, L"IA", "<pilote/>"}, error);
        EXPECT_TRUE(joiner) << ToUtf8(error);
        return joiner;
    }

    // Lets every machine answer until `done`, for a few seconds at most.
    template <typename Done>
    void Exchange(const std::vector<NetRace*>& joiners, Done done) {
        const double start = SteadySeconds();
        while (!done() && SteadySeconds() - start < 5) {
            host->ServeLobby(2, refusal);
            for (NetRace* joiner : joiners) joiner->Listen(2);
        }
    }

    // The host and two joiners, the race started.
    void StartWithTwo() {
        j1 = Joiner(L"Max");
        Exchange({j1.get()}, [this] { return host->Joiners().size() == 1; });
        j2 = Joiner(L"Léa");
        Exchange({j1.get(), j2.get()}, [this] { return host->Joiners().size() == 2; });
        host->StartRace("en-tête\n", kSeats);
        for (NetRace* j : {j1.get(), j2.get()}) {
            const double start = SteadySeconds();
            while (!j->AwaitStart(2) && SteadySeconds() - start < 5) host->Listen(2);
            j->SetWaitingFrame(GivingUpAfter(5));
        }
        host->SetWaitingFrame(GivingUpAfter(5));
    }

    // What stopped `machine`'s race, as it tells its player.
    static std::wstring StopMessage(NetRace& machine, size_t index) {
        try {
            machine.AwaitDecision(index, 4);
        } catch (const NetRaceStopped& stopped) {
            return FromUtf8(stopped.what());
        }
        return L"(not stopped)";
    }

    std::unique_ptr<NetRace> host, j1, j2;
    std::function<std::wstring(const NetPilot&)> refusal = [](const NetPilot& p) {
        return p.name == L"Triche" ? L"Triche est invalide : son Xml semble avoir été modifié à la main" : L"";
    };
};
}  // namespace

TEST_F(NetRaceTest, TheLobbyWelcomesAPilotPerPlaceAndTellsTheOthersWhy) {
    auto refusedWith = [this](const std::wstring& name) -> std::wstring {
        std::unique_ptr<NetRace> joiner = Joiner(name);
        const double start = SteadySeconds();
        try {
            while (SteadySeconds() - start < 5) {
                host->ServeLobby(2, refusal);
                if (joiner->AwaitStart(2)) return L"(started)";
            }
        } catch (const NetRaceStopped& refused) {
            return FromUtf8(refused.what());
        }
        return L"(welcomed)";
    };
    j1 = Joiner(L"Max");
    Exchange({j1.get()}, [this] { return j1->Seat() == 1; });
    EXPECT_EQ(refusedWith(L"Max"), L"Le pilote Max est déjà dans la course.");
    EXPECT_EQ(refusedWith(L"Triche"), L"Triche est invalide : son Xml semble avoir été modifié à la main");
    j2 = Joiner(L"Léa");
    Exchange({j1.get(), j2.get()}, [this] { return j2->Seat() == 2; });
    EXPECT_EQ(refusedWith(L"Zoé"), L"La course est complète.");
    ASSERT_EQ(host->Joiners().size(), 2u);
    EXPECT_EQ(host->Joiners()[1].name, L"Léa");
    EXPECT_EQ(host->Joiners()[1].driver, L"IA");
    EXPECT_EQ(host->Joiners()[1].fileBytes, "<pilote/>");
    // A joiner speaking another game's version, or noise, is answered too.
    for (const auto& [bytes, expected] : std::vector<std::pair<std::string, std::wstring>>{
             {"GET / HTTP/1.1\r\n\r\n", L"Un message illisible est arrivé du réseau."},
             {std::string("SK3D\x01\x00\x01\x00\x00\x00\x00", 11),
              L"Les deux machines ne parlent pas la même version du jeu en réseau (1 et 2)."}}) {
        std::string error;
        std::unique_ptr<NetLink> raw = NetLink::Join("127.0.0.1", host->Port(), error);
        NetMessage answer;
        const double start = SteadySeconds();
        while (answer.text.empty() && SteadySeconds() - start < 5) {
            host->Listen(2);
            for (const NetLinkEvent& e : raw->Poll(2)) {
                if (e.kind == NetLinkEvent::Kind::Connected) raw->Send(e.peer, bytes);
                if (e.kind == NetLinkEvent::Kind::Received) DecodeNetMessage(e.bytes, answer);
            }
        }
        EXPECT_EQ(answer.kind, NetKind::Refused);
        EXPECT_EQ(answer.text, expected);
    }
}

TEST_F(NetRaceTest, DecisionsReachEveryMachineAtTheirPlaceAndEachMachineDecidesItsOwnCars) {
    StartWithTwo();
    EXPECT_EQ(j1->JournalHeader(), "en-tête\n");
    EXPECT_EQ(j2->CarSeats(), kSeats);
    EXPECT_EQ(std::vector<int>({j1->Seat(), j2->Seat()}), std::vector<int>({1, 2}));
    auto elsewhere = [](NetRace& m) {
        std::vector<bool> cars;
        for (int car = 1; car <= 4; ++car) cars.push_back(m.DecidedElsewhere(car));
        return cars;
    };
    EXPECT_EQ(elsewhere(*host), std::vector<bool>({false, false, true, true}));
    EXPECT_EQ(elsewhere(*j1), std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(elsewhere(*j2), std::vector<bool>({false, true, true, false}));
    // The host writes its own and the computers' pilot files, a joiner his own.
    EXPECT_TRUE(host->WritesPilotOf(1) && host->WritesPilotOf(2) && !host->WritesPilotOf(3));
    EXPECT_TRUE(j1->WritesPilotOf(3) && !j1->WritesPilotOf(1) && !j1->WritesPilotOf(4));

    const RaceEvent cross{RaceEventKind::Cross, 3, 7, 2, {}};
    j1->Recorded(0, cross, true);
    EXPECT_EQ(host->AwaitDecision(0, 3), cross);
    EXPECT_EQ(j2->AwaitDecision(0, 3), cross) << "relayed by the host";
    host->Recorded(0, cross, false);
    j2->Recorded(0, cross, false);
    const RaceEvent answer{RaceEventKind::Answer, 2, 1, 0, {}};
    host->Recorded(1, answer, true);
    EXPECT_EQ(j1->AwaitDecision(1, 2), answer);
    EXPECT_EQ(j2->AwaitDecision(1, 2), answer);

    // The same check everywhere goes unnoticed; one machine off stops all.
    const RaceEvent turn{RaceEventKind::TurnStart, 1, 2, 0, {1, 2, 3}};
    for (NetRace* m : {host.get(), j1.get(), j2.get()}) m->Recorded(2, turn, true);
    RaceEvent drifted = turn;
    drifted.sums[1] = 99;
    host->Recorded(3, turn, true);
    j1->Recorded(3, turn, true);
    try {
        j2->Recorded(3, drifted, true);
    } catch (const NetRaceStopped&) {
    }
    const std::wstring expected = L"Les machines ne jouent plus la même course (tour 2 de la voiture 1 : " +
                                  StatePartName(1, 4) + L"). La course s'arrête ; chaque machine garde son journal.";
    EXPECT_EQ(StopMessage(*host, 4), expected);
    EXPECT_EQ(StopMessage(*j1, 4), expected);
    EXPECT_EQ(StopMessage(*j2, 4), expected);
}

TEST_F(NetRaceTest, ADecisionForAnotherMachinesCarOrTheHostLeavingStopsTheRace) {
    // Léa's machine, written by hand, decides for Max's car.
    j1 = Joiner(L"Max");
    Exchange({j1.get()}, [this] { return j1->Seat() == 1; });
    std::string error;
    std::unique_ptr<NetLink> lea = NetLink::Join("127.0.0.1", host->Port(), error);
    NetMessage hello;
    hello.kind = NetKind::Hello;
    hello.gameVersion = NetRace::GameVersion();
    hello.pilotName = L"Léa";
    hello.driver = L"Humain";
    auto serveLea = [&] {
        for (const NetLinkEvent& e : lea->Poll(2))
            if (e.kind == NetLinkEvent::Kind::Connected) lea->Send(e.peer, EncodeNetMessage(hello));
    };
    Exchange({j1.get()}, [&] {
        serveLea();
        return host->Joiners().size() == 2;
    });
    host->StartRace("en-tête\n", kSeats);
    while (!j1->AwaitStart(2)) host->Listen(2);
    NetMessage stolen;
    stolen.kind = NetKind::Decision;
    stolen.event = {RaceEventKind::Cross, 3, 1, 0, {}};
    lea->Send(1, EncodeNetMessage(stolen));
    lea->Flush();
    host->SetWaitingFrame(GivingUpAfter(5));
    j1->SetWaitingFrame(GivingUpAfter(5));
    const std::wstring expected = L"Une machine a décidé pour une voiture qui n'est pas la sienne : la course s'arrête.";
    EXPECT_EQ(StopMessage(*host, 0), expected);
    EXPECT_EQ(StopMessage(*j1, 0), expected);

    // A host gone in the middle of a race.
    std::wstring why;
    host = NetRace::Host(0, 1, why);
    j1 = Joiner(L"Max");
    Exchange({j1.get()}, [this] { return j1->Seat() == 1; });
    host->StartRace("en-tête\n", {kSeatHost, 1});
    while (!j1->AwaitStart(2)) host->Listen(2);
    j1->SetWaitingFrame(GivingUpAfter(5));
    host.reset();
    EXPECT_EQ(StopMessage(*j1, 0), L"L'hôte a quitté la course : elle s'arrête.");
}

// A joiner gone in the middle of the race is waited for with a count-down on
// every machine. Back within the wait with his pilot, he gets the race so
// far and plays on as if nothing had happened; back past it, the computer
// keeps his car, on his machine too.
TEST_F(NetRaceTest, AJoinerGoneIsWaitedForAndComesBackToHisCarWithinTheWait) {
    StartWithTwo();
    host->SetAbsenceWait(30);
    StartRecording();
    CheckState(RaceEventKind::TurnStart, 3, 1);  // the race so far: one turn started
    std::vector<std::wstring> seen;
    const auto noticed = [&seen](NetRace& m, const std::wstring& text) {
        for (const std::wstring& notice : m.TakeNotices()) seen.push_back(notice);
        return std::find(seen.begin(), seen.end(), text) != seen.end();
    };
    j1.reset();
    const std::wstring countDown = L"Le joueur de la machine 1 ne répond plus : l'ordinateur prend sa voiture dans 30 s.";
    Exchange({j2.get()}, [&] { return noticed(*j2, countDown); });
    EXPECT_TRUE(noticed(*host, countDown));
    EXPECT_TRUE(noticed(*j2, countDown));
    EXPECT_EQ(j2->AbsenceText().substr(0, 52), countDown.substr(0, 52));

    j1 = Joiner(L"Max");
    Exchange({j1.get(), j2.get()}, [&] { return j1->AwaitStart(0) && noticed(*j2, L"Le joueur de la machine 1 est revenu dans la course."); });
    EXPECT_EQ(j1->Seat(), 1);
    EXPECT_EQ(j1->CarSeats(), kSeats);
    EXPECT_EQ(j1->JournalHeader(), "en-tête\n" + JournalEventsText(RaceRecord()));
    EXPECT_TRUE(host->AbsenceText().empty() && j2->AbsenceText().empty());
    for (NetRace* m : {host.get(), j1.get(), j2.get()}) m->SetWaitingFrame(GivingUpAfter(5));
    const RaceEvent cross{RaceEventKind::Cross, 3, 7, 0, {}};
    j1->Recorded(1, cross, true);
    EXPECT_EQ(host->AwaitDecision(1, 3), cross);
    EXPECT_EQ(j2->AwaitDecision(1, 3), cross);
    host->Recorded(1, cross, false);
    j2->Recorded(1, cross, false);

    // Past the wait: his car is the computer's everywhere from his next decision.
    host->SetAbsenceWait(1);
    j1.reset();
    host->SetWaitingFrame(GivingUpAfter(5));
    j2->SetWaitingFrame(GivingUpAfter(5));
    Exchange({j2.get()}, [&] { return !j2->AbsenceText().empty(); });
    EXPECT_EQ(host->AwaitDecision(2, 3), std::nullopt);
    EXPECT_EQ(j2->AwaitDecision(2, 3), std::nullopt);
    EXPECT_TRUE(noticed(*j2, L"Le joueur de la machine 1 a quitté la course : l'ordinateur conduit sa voiture."));
    j1 = Joiner(L"Max");
    Exchange({j1.get()}, [&] { return j1->AwaitStart(0) && noticed(*j1, L"L'ordinateur conduit votre voiture jusqu'à la fin de la course."); });
    EXPECT_TRUE(j1->DecidedElsewhere(3)) << "not decided by his machine alone any more";
    EXPECT_EQ(j1->AwaitDecision(2, 3), std::nullopt) << "handed over where the others did";
    StopRecording();
}
