// Races recorded and replayed. People play at random among what they are
// offered (crosses, answers, targets, the moment to stop a die, the buttons
// of the gadgets they carry) beside both kinds of computer drivers, on the
// three circuits; every journal, read back from its file and replayed
// without a window, meets the same state at every turn and leaves the same
// pilots. A journal cut, edited by hand or drifting is refused or stopped
// with a French message saying where.
#include <fstream>
#include <sstream>

#include "app/race_replay.h"
#include "app/sim_race.h"
#include "core/decisions.h"
#include "core/fitted_gadgets.h"
#include "core/game_device.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "files/race_journal.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "race/race_loop.h"
#include "scene/race_frame.h"
#include "support/game_test.h"
#include "support/shipped_circuit.h"
#include "support/random_person.h"
#include "ui/dice_dialog.h"

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRacesPerCircuit = 3;
#else
constexpr int kRacesPerCircuit = 67;  // 201 races across the three circuits
#endif

std::vector<std::wstring> PilotTexts() {
    std::vector<std::wstring> texts;
    for (int i = 1; i <= game.carCount; ++i) texts.push_back(PilotFileText(i));
    return texts;
}

const wchar_t* const kArmedPilots[] = {L"Max Durand", L"Brutus", L"Hélène Vasseur", L"Camille Faure",
                                       L"Odile Fournier", L"Inès Moreau", L"Élise Marchand"};
}  // namespace

class RaceJournalTest : public GameTest, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* path : {"data", "circuits", "pilotes"}) ASSERT_TRUE(CopyFromGameFolder(path));
        KeepPilotFiles(true);
        SetDialogsAnswerThemselves(true);
        DrawSearchFrames(false);
        DrawFramesEvery(0);
        WriteSimJournals(workDir + "/courses");
    }
    void TearDown() override {
        SetPersonDriver(nullptr);
        WriteSimJournals("");
        GameTest::TearDown();
    }
    // Two people at random, a fighting computer and a plain one.
    static std::vector<QuickRacePilot> Pilots(int race) {
        auto pilot = [race](int k) { return kArmedPilots[(race + k) % 7]; };
        return {{pilot(0), Driver::Person}, {pilot(2), Driver::FightingComputer},
                {pilot(4), Driver::Person}, {pilot(5), Driver::Computer}};
    }
    // The newest journal, read back.
    RaceJournal NewestJournal() {
        RaceJournal journal;
        std::wstring error;
        const std::vector<std::string> journals = ListJournals(workDir + "/courses");
        EXPECT_FALSE(journals.empty());
        if (!journals.empty()) {
            EXPECT_TRUE(ReadJournal(journals.front(), journal, error)) << ToUtf8(error);
        }
        return journal;
    }
    static ReplayOutcome Replay(const RaceJournal& journal) {
        std::wstring error;
        if (!OpenNullDevice() || !SetUpReplay(journal, L"test", error)) {
            ADD_FAILURE() << ToUtf8(error);
            return {};
        }
        const ReplayOutcome outcome = RunReplay(journal);
        ReleaseGameDevice();
        return outcome;
    }
};

TEST_P(RaceJournalTest, RacesOfPeoplePlayingAtRandomReplayIdenticallyTurnByTurn) {
    int events = 0, turns = 0;
    for (int race = 0; race < kRacesPerCircuit; ++race) {
        SCOPED_TRACE(race);
        RandomPerson person(static_cast<unsigned>(race));
        SetPersonDriver(&person);
        SimRaceResult result;
        std::vector<std::wstring> refusals;
        ASSERT_TRUE(RunSimulatedRace(GetParam(), Pilots(race), 1000u + static_cast<uint32_t>(race), result, refusals))
            << (refusals.empty() ? std::string() : ToUtf8(refusals[0]));
        SetPersonDriver(nullptr);
        const std::vector<std::wstring> pilotsAfterRace = PilotTexts();
        const RaceJournal journal = NewestJournal();
        ASSERT_EQ(journal.events, RaceRecord()) << "the file holds every event of the race";
        const ReplayOutcome outcome = Replay(journal);
        EXPECT_TRUE(outcome.identical) << ToUtf8(outcome.report);
        EXPECT_EQ(PilotTexts(), pilotsAfterRace);
        events += static_cast<int>(journal.events.size());
        turns += outcome.turns;
    }
    std::printf("%d races, %d events, %d turns replayed identically\n", kRacesPerCircuit, events, turns);
}

INSTANTIATE_TEST_SUITE_P(ShippedCircuits, RaceJournalTest, ::testing::ValuesIn(kShippedCircuits),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) { return ToUtf8(info.param); });

TEST_F(RaceJournalTest, CutEditedOrDriftingJournalsAreRefusedSayingWhere) {
    RandomPerson person(7);
    SetPersonDriver(&person);
    SimRaceResult result;
    std::vector<std::wstring> refusals;
    ASSERT_TRUE(RunSimulatedRace(L"Anneau", Pilots(1), 77, result, refusals));
    SetPersonDriver(nullptr);
    const std::string path = ListJournals(workDir + "/courses").front();
    const std::string text = ReadFile(path.substr(workDir.size() + 1));
    const std::string name = path.substr(path.rfind('/') + 1);
    auto readAs = [&](const std::string& bytes, std::wstring& error) {
        WriteFile("courses/essai.journal", bytes);
        RaceJournal journal;
        return ReadJournal(workDir + "/courses/essai.journal", journal, error) ? journal : RaceJournal();
    };
    std::wstring error;
    readAs(text.substr(0, text.size() - 5), error);
    EXPECT_EQ(error, L"Le journal « essai.journal » est coupé : sa dernière ligne n'est pas entière.");
    std::string garbled = text;
    garbled.replace(garbled.find("course\n"), 7, "course\nvirage 1 2\n");
    readAs(garbled, error);
    EXPECT_NE(error.find(L"Le journal « essai.journal » n'est pas un journal de course valide (ligne "),
              std::wstring::npos);

    // A pilot made stronger by hand no longer matches his integrity text.
    std::string stronger = text;
    const size_t skill = stronger.find("<Conduite> ");
    stronger.replace(skill, 13, "<Conduite> 19");
    const RaceJournal edited = readAs(stronger, error);
    ASSERT_TRUE(OpenNullDevice());
    EXPECT_FALSE(SetUpReplay(edited, L"essai.journal", error));
    EXPECT_NE(error.find(L"Le journal « essai.journal » a été modifié à la main (voiture "), std::wstring::npos);
    ReleaseGameDevice();

    // Another cross: the state drifts from the journal's, and the replay
    // stops where it first notices.
    RaceJournal drifting = readAs(text, error);
    for (RaceEvent& event : drifting.events)
        if (event.kind == RaceEventKind::Cross && event.value != 1) {
            event.value = event.value == 5 ? 4 : 5;
            break;
        }
    const ReplayOutcome outcome = Replay(drifting);
    EXPECT_FALSE(outcome.identical);
    EXPECT_TRUE(outcome.report.find(L"diffère") != std::wstring::npos ||
                outcome.report.find(L"le journal attendait") != std::wstring::npos)
        << ToUtf8(outcome.report);
}

// A race played with the mouse, recorded, then watched again on screen
// with no input at all: every turn's check matches. Run in a real window
// by the OpenGL test script.
TEST_F(GameTest, ARacePlayedWithTheMouseIsWatchedAgainOnScreenIdentically) {
    LoadQuickRace(L"Anneau", {{L"Camille Faure", Driver::Person}, {L"Brutus", Driver::FightingComputer}});
    RecordThisRace();
    // Camille takes the cross her inertia reaches, two clicks on it.
    player.Whenever([] { return game.dialog.dialogOpen == 0 && game.crossMarkers[5].node->isVisible(); }, [this] {
        const irr::core::position2di at = ScreenPosition(game.crossMarkers[5].node->getAbsolutePosition());
        player.LeftClickOverTwoFrames(at.X, at.Y);
    });
    player.AnswerDialogs(1);
    player.When([] { return game.roundNumber >= 4; }, [] { game.actionRequests[RequestQuit] = 1; });
    RunRace();
    StopJournal();
    RaceJournal journal;
    std::wstring error;
    ASSERT_TRUE(ReadJournal(ListJournals(JournalFolder()).front(), journal, error)) << ToUtf8(error);

    StartFreshGame();
    FillCatalogue();
    RunClockWhileMessagesOpen(500);
    ASSERT_TRUE(SetUpReplay(journal, L"souris", error)) << ToUtf8(error);
    const ReplayOutcome outcome = RunReplay(journal);
    EXPECT_TRUE(outcome.identical) << ToUtf8(outcome.report);
    EXPECT_GE(outcome.turns, 6);
}
