// The race simulator, run from a copy of the game folder as a circuit maker
// runs it, and its tally of race results.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/sim_options.h"
#include "app/sim_race.h"
#include "app/sim_table.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "platform/clock.h"
#include "race/computer_driver.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"
#include "support/command_run.h"
#include "support/game_test.h"

namespace fs = std::filesystem;

namespace {
// Every pilot file's bytes, by file name.
std::map<std::string, std::string> PilotFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder + "/pilotes")) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// The printed table without its last line, the one with the timings.
std::string WithoutTimings(const std::string& output) {
    const size_t last = output.rfind("Coups de l'ordinateur");
    return output.substr(0, last);
}
}  // namespace

class SimulatorTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* path : {"data", "circuits", "pilotes", "skarvoll3d-sim"})
            ASSERT_TRUE(CopyFromGameFolder(path));
    }
    CommandRun Sim(const std::string& arguments) { return RunWithoutDisplay("./skarvoll3d-sim " + arguments); }
};

TEST_F(SimulatorTest, WrongOptionsUnknownCircuitsAndPilotsEndWithCode2AndSayWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Il faut choisir un circuit avec --circuit."},
        {"--circuit", "Il manque la valeur de l'option --circuit."},
        {"--circuit Anneau --vite", "Option inconnue : --vite."},
        {"--circuit Anneau --courses 0", "Nombre de courses invalide : 0 (de 1 à 1000000)."},
        {"--circuit Anneau --courses 3x", "Nombre de courses invalide : 3x"},
        {"--circuit Anneau --graine -1", "Graine invalide : -1"},
        {"--circuit Lune", "Le circuit Lune n'existe pas (circuits/Lune.xml)."},
        // The race setup's own refusals, all tested with the quick race.
        {"--circuit Anneau --pilot Brutus --pilot Fantôme", "Le pilote Fantôme n'existe pas."},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments);
        const CommandRun run = Sim(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
    }
    const CommandRun help = Sim("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--graine S"), std::string::npos);
}

// A pilot given to the fighting computer races as such and is marked in the
// table; the suffixes are read as the quick race reads them (QuickRaceArgs),
// the mark comes from the car as the race left it.
TEST_F(SimulatorTest, ASeededSeriesIsReplayedExactlyAndLeavesThePilotFilesAlone) {
    const auto before = PilotFiles(workDir);
    const std::string series =
        "--circuit Anneau --courses 2 --graine 5 --pilot Brutus:IAC --pilot 'Max Durand:IA' --pilot 'Inès Moreau'";
    const CommandRun first = Sim(series), second = Sim(series);
    ASSERT_EQ(first.exitCode, 0) << first.output;
    EXPECT_EQ(WithoutTimings(first.output), WithoutTimings(second.output));
    EXPECT_NE(first.output.find("Circuit : Anneau, graine 5"), std::string::npos);
    EXPECT_NE(first.output.find("Courses : 2, dont 0 abandonnée(s)"), std::string::npos) << first.output;
    EXPECT_NE(first.output.find("2/2 courses"), std::string::npos) << "the progress bar";
    for (const char* row : {"\nBrutus (IAC)  ", "\nMax Durand    ", "\nInès Moreau   "})
        EXPECT_NE(first.output.find(row), std::string::npos) << row;
    EXPECT_EQ(PilotFiles(workDir), before);
}

TEST_F(SimulatorTest, RacesOfASeriesInOneProcessGoAsEachAloneWouldWithNothingLeftFromTheLast) {
    // Fighting computers spray oil and leave wrecks: nothing of a race may
    // reach the next one run in the same process.
    const std::vector<QuickRacePilot> pilots = {{L"Camille Faure", Driver::FightingComputer},
                                                {L"Brutus", Driver::FightingComputer},
                                                {L"Max Durand", Driver::FightingComputer},
                                                {L"Inès Moreau", Driver::Computer}};
    KeepPilotFiles(true);
    SetDialogsAnswerThemselves(true);
    DrawSearchFrames(false);
    DrawFramesEvery(0);
    // Seeds where Camille's oil of one race would change the next one.
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        SimRaceResult result;
        std::vector<std::wstring> refusals;
        ASSERT_TRUE(RunSimulatedRace(L"Anneau", pilots, seed, result, refusals));
        SimTally inSeries;
        inSeries.Add(result);
        const CommandRun alone = Sim("--circuit Anneau --courses 1 --graine " + std::to_string(seed) +
                                     " --pilot 'Camille Faure:IAC' --pilot Brutus:IAC"
                                     " --pilot 'Max Durand:IAC' --pilot 'Inès Moreau'");
        ASSERT_EQ(alone.exitCode, 0) << alone.output;
        EXPECT_EQ(WithoutTimings(alone.output),
                  "Circuit : Anneau, graine " + std::to_string(seed) + "\n\n" +
                      WithoutTimings(inSeries.Report({})));
    }
}

TEST_F(SimulatorTest, WritingChangesThePilotFilesAsARealRaceDoes) {
    const auto before = PilotFiles(workDir);
    const CommandRun run = Sim("--circuit Anneau --graine 9 --ecrire --pilot Brutus --pilot 'Max Durand' --pilot 'Inès Moreau'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    // Each of the three was either rewritten (a skill point, maybe Zonks, or
    // a crippled pilot) or deleted (dead); the others are untouched.
    const auto after = PilotFiles(workDir);
    for (const auto& [name, bytes] : before) {
        const bool raced = name == "Brutus.xml" || name == "Max Durand.xml" || name == "Inès Moreau.xml";
        const auto now = after.find(name);
        if (raced)
            EXPECT_TRUE(now == after.end() || now->second != bytes) << name;
        else
            EXPECT_TRUE(now != after.end() && now->second == bytes) << name;
    }
}

TEST(SimTally, CountsWhatEachRaceGaveEachPilot) {
    SimRaceResult first;
    first.rounds = 20;
    first.cars = {{L"Léa", SimPlacing::Win, false, false},
                  {L"Max", SimPlacing::Second, false, false},
                  {L"Noé", SimPlacing::None, true, true}};
    SimRaceResult second;
    second.rounds = 31;
    second.abandoned = true;
    second.cars = {{L"Max", SimPlacing::None, false, false}, {L"Léa", SimPlacing::None, true, false}};
    SimRaceResult third;
    third.rounds = 12;
    third.cars = {{L"Léa", SimPlacing::SoleSurvivor, false, false}, {L"Max", SimPlacing::None, true, false}};
    SimTally tally;
    for (const SimRaceResult& race : {first, second, third}) tally.Add(race);

    ASSERT_EQ(tally.Pilots().size(), 3u);
    const PilotTally &lea = tally.Pilots()[0].second, &max = tally.Pilots()[1].second, &noe = tally.Pilots()[2].second;
    EXPECT_EQ(tally.Pilots()[0].first, L"Léa");
    EXPECT_EQ(std::vector<long long>({lea.races, lea.wins, lea.soleSurvivals, lea.burnOuts, lea.rounds}),
              std::vector<long long>({3, 1, 1, 1, 63}));
    EXPECT_EQ(std::vector<int>({max.seconds, max.burnOuts, noe.races, noe.deaths}), std::vector<int>({1, 1, 1, 1}));

    const std::string report = tally.Report({100, 0.5, 0.02, 2.0});
    // Names padded by characters, not bytes: the columns line up.
    EXPECT_NE(report.find("Léa           3          1          0               1           1      0          21.0"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Courses : 3, dont 1 abandonnée(s) après 400 tours ; 21.0 tours par course en moyenne."),
              std::string::npos);
    EXPECT_NE(report.find("Coups de l'ordinateur : 100, 50 par seconde ; le plus lent : 20.0 ms (en moyenne 5.00 ms)."),
              std::string::npos);
}
