// A race started from the command line: its options, and the race setup's
// checks on the circuit and the pilots.
#include <string>
#include <tuple>
#include <vector>

#include "core/game_state.h"
#include "menus/quick_race.h"
#include "support/command_run.h"
#include "support/menu_fixture.h"

namespace {
QuickRaceOptions Parse(std::vector<const char*> args, bool expectOk = true) {
    args.insert(args.begin(), "skarvoll3d");
    QuickRaceOptions options;
    std::string error;
    EXPECT_EQ(ParseQuickRaceArgs(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                 options, error),
              expectOk)
        << error;
    return options;
}
}  // namespace

TEST(QuickRaceArgs, ReadTheCircuitThePilotsAndTheirDrivers) {
    const QuickRaceOptions o = Parse({"--circuit", "Anneau", "--pilot", "L\xc3\xa9" "a:IA", "--pilot", "Max"});
    EXPECT_EQ(std::make_tuple(o.help, o.decor, o.circuit), std::make_tuple(false, true, std::wstring(L"Anneau")));
    ASSERT_EQ(o.pilots.size(), 2u);
    EXPECT_EQ(std::make_tuple(o.pilots[0].name, o.pilots[0].driver, o.pilots[1].name, o.pilots[1].driver),
              std::make_tuple(std::wstring(L"Léa"), Driver::Computer, std::wstring(L"Max"), Driver::Person));
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_FALSE(Parse({"--sans-decor"}).decor);
    Parse({"--couleur", "bleu"}, false);
    Parse({"--circuit", "Anneau", "--pilot"}, false);
}

TEST(QuickRaceArgs, HostingAndJoiningOverTheNetwork) {
    const QuickRaceOptions host = Parse({"--heberger", "0", "--distants", "3", "--circuit", "Anneau", "--pilot", "Max"});
    EXPECT_EQ(std::make_tuple(host.hostPort, host.places), std::make_tuple(0, 3));
    const QuickRaceOptions join = Parse({"--rejoindre", "192.168.1.5", "--pilot", "Max"});
    EXPECT_EQ(std::make_tuple(join.joinAddress, join.joinPort), std::make_tuple(std::string("192.168.1.5"), 7777));
    EXPECT_EQ(Parse({"--rejoindre", "localhost:8000", "--pilot", "Max"}).joinPort, 8000);
    for (const std::vector<const char*>& wrong : std::vector<std::vector<const char*>>{
             {"--heberger", "70000"}, {"--distants", "0"}, {"--rejoindre", ":7777", "--pilot", "Max"},
             {"--rejoindre", "hote:port", "--pilot", "Max"}, {"--rejoindre", "hote"},  // no pilot
             {"--rejoindre", "hote", "--pilot", "Max", "--pilot", "Léa"}})
        Parse(wrong, false);
}

TEST(QuickRaceArgs, OnlyAnExactSuffixChoosesTheComputerDriver) {
    const struct {
        const char* value;
        const wchar_t* name;
        Driver driver;
    } cases[] = {
        {"Brutus:IAC", L"Brutus", Driver::FightingComputer},
        {"Brutus:IA", L"Brutus", Driver::Computer},
        {"Brutus", L"Brutus", Driver::Person},
        {"NADIA", L"NADIA", Driver::Person},          // ends in "IA" without the colon
        {"Brutus:IACX", L"Brutus:IACX", Driver::Person},
        {"Brutus:iac", L"Brutus:iac", Driver::Person},
        {":IAC", L":IAC", Driver::Person},            // no name before the suffix
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const QuickRaceOptions o = Parse({"--pilot", c.value});
        ASSERT_EQ(o.pilots.size(), 1u);
        EXPECT_EQ(std::make_pair(o.pilots[0].name, o.pilots[0].driver), std::make_pair(std::wstring(c.name), c.driver));
    }
    // The simulator's pilots without a suffix keep to the computer.
    EXPECT_EQ(ReadPilotOption(L"Brutus", Driver::Computer).driver, Driver::Computer);
    EXPECT_EQ(ReadPilotOption(L"Brutus:IAC", Driver::Computer).driver, Driver::FightingComputer);
}

class QuickRaceTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        WriteCircuit("Anneau", 3);
        for (const wchar_t* name : {L"Max", L"Léa", L"Noé", L"Zoé"}) WritePilot(name);
    }
    static QuickRaceOptions Race(const std::wstring& circuit, std::vector<QuickRacePilot> pilots) {
        QuickRaceOptions options;
        options.circuit = circuit;
        options.pilots = std::move(pilots);
        return options;
    }
};

TEST_F(QuickRaceTest, LoadsThePilotsIntoTheFirstCarsWithTheRowColours) {
    const auto refusals = SetUpQuickRace(
        Race(L"Anneau", {{L"Léa", Driver::Person}, {L"Max", Driver::Computer}, {L"Noé", Driver::FightingComputer}}));
    EXPECT_TRUE(refusals.empty());
    EXPECT_EQ(std::make_tuple(game.carCount, game.circuit.circuitName, int(game.decorEnabled)),
              std::make_tuple(3, std::wstring(L"Anneau"), 1));
    const wchar_t* names[] = {nullptr, L"Léa", L"Max", L"Noé"};
    const wchar_t* colours[] = {nullptr, L"rouge", L"bleu", L"vert"};
    const wchar_t* drivers[] = {nullptr, L"Humain", L"IA", L"IAC"};
    for (int i = 1; i <= 3; ++i) {
        const CarRecord& car = game.cars[i];
        EXPECT_EQ(std::make_tuple(car.pilotName, car.colourName, car.controller, car.hitPoints),
                  std::make_tuple(std::wstring(names[i]), std::wstring(colours[i]), std::wstring(drivers[i]), 4));
    }
    EXPECT_FALSE(IsComputerDriven(game.cars[1]));
    EXPECT_TRUE(IsComputerDriven(game.cars[3]) && IsFightingComputer(game.cars[3]));
}

TEST_F(QuickRaceTest, RefusesWhatTheRaceSetupRefuses) {
    // Circuit, pilots (each a person), and the one refusal.
    const std::tuple<const wchar_t*, std::vector<const wchar_t*>, const wchar_t*> cases[] = {
        {L"Anneau", {L"Max", L"Léa", L"Max"}, L"Vous ne pouvez pas avoir 2 fois le même pilote en jeu."},
        {L"", {L"Max", L"Léa"}, L"Vous devez choisir un circuit et mettre des pilotes en jeu."},
        {L"Désert", {L"Max", L"Léa"}, L"Le circuit Désert n'existe pas."},
        {L"../circuits/Anneau", {L"Max", L"Léa"}, L"Le circuit ../circuits/Anneau n'existe pas."},
        {L"Anneau", {L"Max"}, L"Vous devez mettre au moins 2 pilotes en jeu."},
        {L"Anneau", {L"Max", L"Inconnu"}, L"Le pilote Inconnu n'existe pas."},
        {L"Anneau", {L"Max", L"Léa", L"Noé", L"Zoé"}, L"Le circuit Anneau n'accepte que 3 pilotes."},
    };
    for (const auto& [circuit, names, refusal] : cases) {
        std::vector<QuickRacePilot> pilots;
        for (const wchar_t* name : names) pilots.push_back({name, Driver::Person});
        EXPECT_EQ(SetUpQuickRace(Race(circuit, pilots)), std::vector<std::wstring>{refusal});
        EXPECT_EQ(game.carCount, 0);
    }
    // And a pilot whose file was edited by hand.
    EditPilotByHand("Max");
    EXPECT_EQ(SetUpQuickRace(Race(L"Anneau", {{L"Léa", Driver::Person}, {L"Max", Driver::Person}})),
              std::vector<std::wstring>{L"Max est invalide : son Xml semble avoir été modifié à la main"});
    EXPECT_EQ(game.carCount, 0);
}

TEST_F(QuickRaceTest, TheGameRefusesOnStandardErrorWithoutOpeningAWindow) {
    const CommandRun run =
        RunWithoutDisplay(GameFolder() + "/skarvoll3d --circuit Anneau --pilot Max --pilot Max");
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_EQ(run.output, "Vous ne pouvez pas avoir 2 fois le même pilote en jeu.\n");
}
