// The circuit maker, run from a copy of the game folder as a player runs
// it: a map drawn by hand becomes a circuit the game loads and the
// computers race to the end; a map it cannot use is refused where it is at
// fault.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "app/sim_race.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/pilot_file.h"
#include "race/computer_driver.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"
#include "support/command_run.h"
#include "support/game_test.h"

namespace {
// A small loop, three cells wide, the grid of four going up its left side.
const char kLoop[] =
    "; une boucle\n"
    "nom = Boucle\n"
    "carte\n"
    "################\n"
    "#^#####*****####\n"
    "################\n"
    "##............##\n"
    "##............##\n"
    "##............##\n"
    "##...######...##\n"
    "##...##^###...##\n"
    "##1.2######...##\n"
    "##3.4######...##\n"
    "##...######...##\n"
    "##............##\n"
    "##............##\n"
    "##............##\n"
    "################\n";
}  // namespace

class CircuitMakerTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* path : {"data", "circuits", "pilotes", "skarvoll3d-circuit"})
            ASSERT_TRUE(CopyFromGameFolder(path));
    }
    CommandRun Make(const std::string& map, const std::string& options = "--courses 0") {
        WriteFile("carte.txt", map);
        return RunWithoutDisplay("./skarvoll3d-circuit " + options + " carte.txt");
    }
};

TEST_F(CircuitMakerTest, AHandDrawnMapBecomesACircuitTheComputersRaceToTheEnd) {
    const CommandRun made = Make(kLoop, "--courses 1 --graine 3");
    ASSERT_EQ(made.exitCode, 0) << made.output;
    EXPECT_NE(made.output.find("Circuit « Boucle » écrit dans"), std::string::npos) << made.output;
    EXPECT_NE(made.output.find("4 départs"), std::string::npos) << made.output;
    EXPECT_NE(made.output.find("Circuit : Boucle, graine 3"), std::string::npos) << made.output;
    for (const char* file : {"circuits/Boucle.xml", "data/circuits/boucle.ms3d", "data/circuits/boucle.jpg",
                             "data/interface/thumb_cir_Boucle.jpg", "data/loading/loading_Boucle.jpg"})
        EXPECT_FALSE(ReadFile(file).empty()) << file;

    LoadCircuitFile(L"Boucle");
    EXPECT_EQ(game.circuit.circuitMaxCars, 4);
    EXPECT_GE(game.circuit.checkpointCount, 4);
    EXPECT_EQ(game.circuit.crowdGroupCount, 1);
    // Raced again in this process, as the simulator races.
    KeepPilotFiles(true);
    SetDialogsAnswerThemselves(true);
    DrawSearchFrames(false);
    DrawFramesEvery(0);
    SimRaceResult result;
    std::vector<std::wstring> refusals;
    ASSERT_TRUE(RunSimulatedRace(L"Boucle", PilotsThatFit(L"Boucle"), 11, result, refusals));
    EXPECT_FALSE(result.abandoned);
    EXPECT_TRUE(std::any_of(result.cars.begin(), result.cars.end(),
                            [](const SimCarResult& car) { return car.placing == SimPlacing::Win; }));
}

TEST_F(CircuitMakerTest, AMapItCannotUseIsRefusedAtTheLineAndColumnAtFault) {
    // The loop with marks changed at (line, column) of the file.
    auto with = [](std::initializer_list<std::tuple<int, int, char>> changes) {
        std::string map = kLoop;
        for (const auto& [line, column, mark] : changes) {
            size_t at = 0;
            for (int l = 1; l < line; ++l) at = map.find('\n', at) + 1;
            map[at + column - 1] = mark;
        }
        return map;
    };
    const std::pair<std::string, const char*> cases[] = {
        {"nom = Boucle\n", "ligne 1 : la carte suit « carte » et tient au moins trois lignes"},
        {with({{2, 3, 'n'}}), "ligne 2 : clé « non » inconnue"},
        {with({{7, 4, '?'}}), "ligne 7, colonne 4 : caractère « ? » inconnu"},
        {with({{13, 3, '2'}}), "ligne 13, colonne 3 : le départ 2 figure deux fois"},
        {with({{13, 3, '5'}}), "ligne 13, colonne 5 : il manque le départ 3 avant celui-ci"},
        {with({{8, 1, '.'}, {8, 2, '.'}}), "ligne 8, colonne 1 : la piste touche le bord de la carte"},
        {with({{10, 6, '^'}}), "ligne 10, colonne 6 : « ^ » touche la piste"},
        {with({{7, 10, '#'}, {8, 10, '#'}, {9, 10, '#'}}), "ligne 11, colonne 3 : la piste ne fait pas le tour"},
        {with({{8, 4, 'a'}}), "ligne 8, colonne 4 : la porte « a » doit avoir deux bouts, pas 1"},
    };
    for (const auto& [map, refusal] : cases) {
        const CommandRun made = Make(map);
        EXPECT_EQ(made.exitCode, 2) << refusal;
        EXPECT_NE(made.output.find(std::string("carte.txt, ") + refusal), std::string::npos) << made.output;
    }
}
