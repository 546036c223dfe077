// Races saved at every turn and resumed in the same process: left with
// "Sauvegarder" and taken up again after their pilots were raced or deleted
// elsewhere, a save that cannot be written, a change of a pilot's file cut
// short by a crash, a race abandoned with "Quitter".
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/race_replay.h"
#include "app/race_resume.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/pilot_file.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "race/race_loop.h"
#include "scene/race_frame.h"
#include "support/game_test.h"
#include "ui/dice_dialog.h"

namespace fs = std::filesystem;

namespace {
const std::vector<QuickRacePilot> kPilots = {{L"Max Durand", Driver::Computer},
                                             {L"Brutus", Driver::FightingComputer},
                                             {L"Camille Faure", Driver::Computer}};

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The pilot of that file in a spare record of the car table.
const CarRecord& PilotOnDisk(const std::wstring& name) {
    ReadPilotFile(kMaxCars, name);
    return game.cars[kMaxCars];
}
}  // namespace

class RaceSaveTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        SetClockOverride(1796212800);
        KeepPilotFiles(false);
        DrawSearchFrames(false);
        DrawFramesEvery(0);
    }
    void TearDown() override {
        SetDialogsAnswerThemselves(false);
        DrawSearchFrames(true);
        DrawFramesEvery(1);
        SetClockOverride(-1);
        GameTest::TearDown();
    }
    // The race of kPilots from the same random state, recorded and saved;
    // `during` runs on every frame.
    // A relaunched game whose messages are answered or read.
    void StartGame() {
        StartFreshGame();
        FillCatalogue();
        player.AnswerDialogs(1);
        RunClockWhileMessagesOpen(1000);
    }
    void PlayRace(std::function<void()> during = nullptr) {
        StartGame();
        LoadQuickRace(L"Anneau", kPilots);
        SetRandomState(2024);
        RecordThisRace();
        if (during) player.Whenever([] { return true; }, during);
        RunRace();
        CloseRaceSave();
        StopJournal();
    }
    void ResumeNewest() {
        StartGame();
        std::wstring error;
        ASSERT_TRUE(PrepareResumedRace(NewestSave(), error)) << ToUtf8(error);
        RunRace();
        CloseRaceSave();
        StopJournal();
    }
    std::string Pilot(const char* name) { return Bytes(workDir + "/pilotes/" + name + ".xml"); }
};

TEST_F(RaceSaveTest, ALeftRaceResumesAndPaysItsPilotsOnceOnTheirFilesAsTheyAreThen) {
    SetDialogsAnswerThemselves(true);
    // The race played through, for what it does to each file.
    PlayRace();
    const std::string maxAfter = Pilot("Max Durand"), brutusAfter = Pilot("Brutus");
    const bool camilleWritten = fs::exists(workDir + "/pilotes/Camille Faure.xml");
    fs::remove_all(workDir + "/pilotes");
    fs::remove_all(workDir + "/courses");

    // The same race left with "Sauvegarder" in its third round, "Voir histo"
    // ticked for car 2.
    PlayRace([] {
        if (game.roundNumber < 3) return;
        game.cars[2].showTrail = 1;
        game.actionRequests[RequestSave] = 1;
    });
    ASSERT_EQ(ListSavedRaces(JournalFolder()).size(), 1u);
    SavedRace saved;
    std::wstring error;
    ASSERT_TRUE(ReadSavedRace(NewestSave(), saved, error)) << ToUtf8(error);
    EXPECT_TRUE(saved.stopped) << "saved on purpose: listed, not offered as a crash";
    EXPECT_EQ(saved.round, 3);
    ASSERT_EQ(saved.boxes.size(), 3u);
    EXPECT_TRUE(saved.boxes[1].showTrail && saved.boxes[1].autoEndTurn && !saved.boxes[0].showTrail);

    // Meanwhile Max wins 500 Zonks in another race; Camille's file is deleted.
    StartFreshGame();
    ReadPilotFile(1, L"Max Durand");
    game.cars[1].zonks += 500;
    ASSERT_TRUE(WritePilotFile(1));
    fs::remove(workDir + "/pilotes/Camille Faure.xml");

    SetDialogsAnswerThemselves(false);
    ResumeNewest();
    EXPECT_TRUE(ListSavedRaces(JournalFolder()).empty()) << "a race over leaves no save";
    EXPECT_EQ(game.cars[2].showTrail, 1) << "the check boxes as the player left them";

    EXPECT_EQ(Pilot("Brutus"), brutusAfter);
    const CarRecord max = PilotOnDisk(L"Max Durand");
    ASSERT_TRUE(fs::exists(workDir + "/pilotes/Max Durand.xml"));
    std::ofstream(workDir + "/pilotes/max.xml", std::ios::binary) << maxAfter;
    const CarRecord maxWithoutTheOtherRace = PilotOnDisk(L"max");
    EXPECT_EQ(max.zonks, maxWithoutTheOtherRace.zonks + 500) << "the other race's gains kept, this one paid once";
    EXPECT_EQ(max.drivingSkill, maxWithoutTheOtherRace.drivingSkill);
    EXPECT_EQ(max.shootingSkill, maxWithoutTheOtherRace.shootingSkill);
    EXPECT_FALSE(fs::exists(workDir + "/pilotes/Camille Faure.xml")) << "a deleted pilot is not made again";
    if (camilleWritten) {
        EXPECT_TRUE(player.SawDialogTexts({L"Le fichier du pilote Camille Faure a été effacé depuis le début de la "
                                           L"course : elle ne lui compte pas.\n"}));
    }
}

TEST_F(RaceSaveTest, ASaveThatCannotBeWrittenIsToldOnceAndTheRaceGoesOn) {
    // Where the save would go stands a folder: every save fails, as on a
    // full disk or a folder that cannot be written.
    std::string date = ToUtf8(DateTimeText(CurrentTimeSeconds()));
    std::replace(date.begin(), date.end(), ' ', '-');
    std::replace(date.begin(), date.end(), ':', '-');
    fs::create_directories(workDir + "/courses/" + date + "_Anneau.sauvegarde");
    PlayRace();
    const std::wstring told = L"La course n'a pas pu être sauvegardée : le dossier courses est plein ou protégé en "
                              L"écriture.\nElle continue, et sera sauvegardée dès que ce sera de nouveau possible.";
    EXPECT_EQ(std::count(player.DialogTexts().begin(), player.DialogTexts().end(), told), 1);
    RaceJournal journal;
    std::wstring error;
    ASSERT_TRUE(ReadJournal(ListJournals(JournalFolder()).front(), journal, error)) << ToUtf8(error);
    EXPECT_TRUE(journal.Finished()) << "the race was played to its end";
}

TEST_F(RaceSaveTest, QuitterAbandonsTheRaceAndRemovesItsSaveTheJournalStays) {
    SetDialogsAnswerThemselves(true);
    PlayRace([] {
        if (game.roundNumber == 2) game.actionRequests[RequestQuit] = 1;  // answered "Oui"
    });
    EXPECT_TRUE(ListSavedRaces(JournalFolder()).empty());
    EXPECT_EQ(ListJournals(JournalFolder()).size(), 1u);
}

TEST_F(RaceSaveTest, AChangeOfAPilotFileCutShortByACrashIsFinishedAsTheGameStarts) {
    fs::create_directories(workDir + "/courses");
    fs::create_directories(workDir + "/pilotes");
    const std::string newFile = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<NomPilote> Ann </NomPilote>\n";
    // Process 0 runs no game: the race was left by a crash, Ann's file about
    // to be written, Bob's deletion made already.
    std::ofstream(workDir + "/courses/c.sauvegarde")
        << "Skarvoll 3D : course sauvegardée\nformat 1\njournal c.journal\nevenements 3\noctets 300\ntour 2 1\n"
           "etat en_cours 0\nfait 2 1\nattente 1 1 ecrit Ann\n| <?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
           "| <NomPilote> Ann </NomPilote>\n";
    RecoverSavedRaces(workDir + "/courses");
    EXPECT_EQ(Bytes(workDir + "/pilotes/Ann.xml"), newFile);
    SavedRace saved;
    std::wstring error;
    ASSERT_TRUE(ReadSavedRace(workDir + "/courses/c.sauvegarde", saved, error)) << ToUtf8(error);
    ASSERT_EQ(saved.changes.size(), 2u);
    EXPECT_TRUE(saved.changes[1].done) << "made once: a resumed race does not make it again";
    EXPECT_TRUE(LeftByACrash(saved));
}
