// The end of a race as the pilots see it: who is paid, the skill each
// survivor gains, the files written; and the fate of a burnt-out pilot.
#include "rules/race_results.h"

#include <filesystem>
#include <vector>

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/pilot_file.h"
#include "files/pilot_integrity.h"
#include "files/race_pilot_results.h"
#include "support/game_test.h"

namespace fs = std::filesystem;
using Texts = std::vector<std::wstring>;

namespace {
constexpr int kRunning = -1;  // not finished
constexpr int kSpare = 15;    // a record the files are read back into

// How a car ends the race: the round it finished in (or kRunning), and
// whether it is still in the race or burnt out.
struct Racer {
    int round;
    bool inRace = true;
};
}  // namespace

class RaceResultsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        FillCatalogue();
        fs::create_directories(workDir + "/pilotes");
        player.AnswerDialogs();
    }

    // Cars Alf, Bea, Cid... with 50 Zonks and skills of 10.
    static void Cars(const std::vector<Racer>& racers, bool computer = true) {
        static const wchar_t* const names[] = {L"", L"Alf", L"Bea", L"Cid", L"Dan", L"Eve"};
        game.carCount = static_cast<int>(racers.size());
        game.resultsSettled = 0;  // each ending is a race of its own
        for (int i = 1; i <= game.carCount; ++i) {
            CarRecord& car = game.cars[i];
            car = CarRecord();
            car.pilotName = names[i];
            car.controller = computer ? L"IA" : L"Humain";
            car.finishOrder = racers[i - 1].round;
            car.inRace = racers[i - 1].inRace;
            car.zonks = 50;
            car.drivingSkill = car.shootingSkill = 10;
        }
    }

    // The pilot's file as the race setup would load it, checked whole.
    static const CarRecord& ReadBack(const std::wstring& name) {
        ReadPilotFile(kSpare, name);
        EXPECT_EQ(game.cars[kSpare].secu, ComputeSecu(kSpare)) << "integrity of the file";
        return game.cars[kSpare];
    }
};

TEST_F(RaceResultsTest, ThePlacedPilotsStillInTheRaceArePaid) {
    struct Ending {
        std::vector<Racer> racers;
        Texts rewards;
        std::vector<int> zonks;
    };
    const Ending endings[] = {
        {{{kRunning, false}, {kRunning, false}, {6}, {kRunning}},
         {L"Cid vous avez passé la ligne d'arrivée premier.\nVous gagnez 200 Zonks",
          L"Dan vous êtes deuxième.\nVous gagnez 100 Zonks"},
         {50, 50, 250, 150}},
        {{{4, false}, {kRunning, false}, {5}},
         {L"Cid êtes le seul survivant.\nVous gagnez 200 Zonks.\n"},
         {50, 50, 250}},
        {{{7}, {7}, {kRunning}},
         {L"Alf vous avez passé la ligne d'arrivée exaeco avec d'autres véhicules.\nVous gagnez 150 Zonks",
          L"Bea vous avez passé la ligne d'arrivée exaeco avec d'autres véhicules.\nVous gagnez 150 Zonks"},
         {200, 200, 50}},
        {{{3}, {kRunning}},
         {L"Alf vous avez passé la ligne d'arrivée premier.\nVous gagnez 200 Zonks"},
         {250, 50}},
        {{{3}, {5}, {kRunning}, {5}, {4, false}},
         {L"Alf vous avez passé la ligne d'arrivée premier.\nVous gagnez 200 Zonks",
          L"Bea vous arrivez deuxième.\nVous gagnez 100 Zonks",
          L"Dan vous arrivez deuxième.\nVous gagnez 100 Zonks"},
         {250, 150, 50, 150, 50}},
    };
    for (const Ending& ending : endings) {
        Cars(ending.racers);
        const size_t before = player.DialogTexts().size();
        SettleRaceResults();
        Texts rewards;
        for (size_t k = before; k < player.DialogTexts().size(); ++k)
            if (player.DialogTexts()[k].find(L"Zonks") != std::wstring::npos)
                rewards.push_back(player.DialogTexts()[k]);
        EXPECT_EQ(rewards, ending.rewards);
        for (int i = 1; i <= game.carCount; ++i)
            EXPECT_EQ(game.cars[i].zonks, ending.zonks[i - 1]) << "car " << i;
        EXPECT_EQ(game.quitToMenu, 1);
    }
}

TEST_F(RaceResultsTest, EverySurvivorGainsASkillAndHisFileIsRewrittenWhole) {
    Cars({{kRunning, false}, {3}, {kRunning}, {4}});  // Cid is neither first nor second
    game.cars[3].controller = L"Humain";
    AddGadget(3, SideFront, L"Mitrailleuse avant");
    game.cars[3].sides[SideFront].structureMax = 8;
    for (int i = 2; i <= 4; ++i) ASSERT_TRUE(WritePilotFile(i));  // as the race found them
    RememberRacePilots();
    SetRandomState(1);  // the next values, 41 and 18467: piloting for Bea, shooting for Dan
    SettleRaceResults();
    EXPECT_TRUE(player.SawDialogTexts({L"Bea a survécu et choisis d'augmenter son pilotage.\n",
        L"Comme vous avez survécu, vous gagnez de l'expérience : "
        L"quelle compétence désirez vous augmenter ?\n",
        L"Dan a survécu et choisis d'augmenter son tir.\n"}));
    EXPECT_EQ(game.dialog.choiceLabels[1] + L"/" + game.dialog.choiceLabels[2], L"Pilotage/Tir");

    EXPECT_FALSE(fs::exists(workDir + "/pilotes/Alf.xml")) << "a burnt-out pilot is not written";
    EXPECT_EQ(ReadBack(L"Bea").drivingSkill, 11);
    EXPECT_EQ(ReadBack(L"Dan").shootingSkill, 11);
    const CarRecord& cid = ReadBack(L"Cid");  // answered "Pilotage", won nothing
    EXPECT_EQ(cid.drivingSkill, 11);
    EXPECT_EQ(cid.zonks, 50);
    EXPECT_EQ(cid.sides[SideFront].structure, 8);
    EXPECT_EQ(CountGadgets(L"Mitrailleuse avant", kSpare, SideFront), 1);
}

TEST_F(RaceResultsTest, ADeadPilotLosesHisFileACrippledOneLosesTwoPointsDownToZero) {
    Cars({{kRunning}, {kRunning}, {kRunning}}, false);
    game.cars[2].drivingSkill = 1;
    game.cars[3].controller = L"IA";
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(WritePilotFile(i));
    RememberRacePilots();

    QueueDieResult(2);
    PilotFate(1);
    EXPECT_EQ(player.DialogTexts(),
              (Texts{L"Lancez un dé à 6 faces pour connaître l'état de votre pilote :\n1-2 = mort\n"
                     L"3-4 = -2 en pilotage\n5-6 = -2 en tir\n",
                     L"Pilote mort.\n\nFichier pilote effacé.\n"}));
    EXPECT_FALSE(fs::exists(workDir + "/pilotes/Alf.xml"));

    QueueDieResult(3);
    PilotFate(2);
    EXPECT_EQ(player.DialogTexts().back(), L"Pilote handicapé : -2 en pilotage\n");
    EXPECT_EQ(ReadBack(L"Bea").drivingSkill, 0);

    const size_t before = player.DialogTexts().size();
    QueueDieResult(6);
    PilotFate(3);
    EXPECT_EQ(Texts(player.DialogTexts().begin() + before, player.DialogTexts().end()),
              Texts{L"Pilote handicapé : -2 en tir\n"}) << "the computer rolls without a window";
    EXPECT_EQ(ReadBack(L"Cid").shootingSkill, 8);
}

TEST_F(RaceResultsTest, FilesThatCannotBeWrittenOrDeletedAreReportedAndTheGameGoesOn) {
    Cars({{2}, {kRunning}, {kRunning}});
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(WritePilotFile(i));
    RememberRacePilots();
    // Alf's and Bea's new files cannot be made; Cid's file was deleted
    // since the race started, and is not made again.
    for (const char* name : {"Alf", "Bea"}) fs::create_directories(workDir + "/pilotes/" + name + ".xml.tmp");
    fs::remove(workDir + "/pilotes/Cid.xml");
    SettleRaceResults();
    EXPECT_TRUE(player.SawDialogTexts({L"Le fichier du pilote Alf n'a pas pu être écrit.\n",
        L"Le fichier du pilote Bea n'a pas pu être écrit.\n",
        L"Le fichier du pilote Cid a été effacé depuis le début de la course : elle ne lui compte pas.\n"}));
    EXPECT_FALSE(fs::exists(workDir + "/pilotes/Cid.xml"));
    EXPECT_EQ(game.quitToMenu, 1);

    fs::remove_all(workDir + "/pilotes");
    WriteFile("pilotes", "not a folder");
    QueueDieResult(1);
    PilotFate(2);
    EXPECT_EQ(player.DialogTexts().back(), L"Le fichier du pilote Bea n'a pas pu être effacé.\n");
    EXPECT_EQ(ReadFile("pilotes"), "not a folder");
}
