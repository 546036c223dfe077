// A race started from the command line: its options, and the race setup's
// checks on the circuit and the pilots.
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
    EXPECT_FALSE(o.help);
    EXPECT_TRUE(o.decor);
    EXPECT_EQ(o.circuit, L"Anneau");
    ASSERT_EQ(o.pilots.size(), 2u);
    EXPECT_EQ(o.pilots[0].name, L"Léa");
    EXPECT_EQ(o.pilots[0].driver, Driver::Computer);
    EXPECT_EQ(o.pilots[1].name, L"Max");
    EXPECT_EQ(o.pilots[1].driver, Driver::Person);
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_FALSE(Parse({"--sans-decor"}).decor);
    Parse({"--couleur", "bleu"}, false);
    Parse({"--circuit", "Anneau", "--pilot"}, false);
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
        EXPECT_EQ(o.pilots[0].name, c.name);
        EXPECT_EQ(o.pilots[0].driver, c.driver);
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
    EXPECT_EQ(game.carCount, 3);
    EXPECT_EQ(game.circuit.circuitName, L"Anneau");
    EXPECT_EQ(game.decorEnabled, 1);
    const wchar_t* names[] = {nullptr, L"Léa", L"Max", L"Noé"};
    const wchar_t* colours[] = {nullptr, L"rouge", L"bleu", L"vert"};
    const wchar_t* drivers[] = {nullptr, L"Humain", L"IA", L"IAC"};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(game.cars[i].pilotName, names[i]);
        EXPECT_EQ(game.cars[i].colourName, colours[i]);
        EXPECT_EQ(game.cars[i].controller, drivers[i]);
        EXPECT_EQ(game.cars[i].hitPoints, 4);
    }
    EXPECT_FALSE(IsComputerDriven(game.cars[1]));
    EXPECT_TRUE(IsComputerDriven(game.cars[3]) && IsFightingComputer(game.cars[3]));
}

TEST_F(QuickRaceTest, RefusesWhatTheRaceSetupRefuses) {
    using Messages = std::vector<std::wstring>;
    EXPECT_EQ(SetUpQuickRace(Race(L"Anneau", {{L"Max", Driver::Person}, {L"Léa", Driver::Person}, {L"Max", Driver::FightingComputer}})),
              Messages{L"Vous ne pouvez pas avoir 2 fois le même pilote en jeu."});
    EXPECT_EQ(SetUpQuickRace(Race(L"", {{L"Max", Driver::Person}, {L"Léa", Driver::Person}})),
              Messages{L"Vous devez choisir un circuit et mettre des pilotes en jeu."});
    EXPECT_EQ(SetUpQuickRace(Race(L"Désert", {{L"Max", Driver::Person}, {L"Léa", Driver::Person}})),
              Messages{L"Le circuit Désert n'existe pas."});
    EXPECT_EQ(SetUpQuickRace(Race(L"../circuits/Anneau", {{L"Max", Driver::Person}, {L"Léa", Driver::Person}})),
              Messages{L"Le circuit ../circuits/Anneau n'existe pas."});
    EXPECT_EQ(SetUpQuickRace(Race(L"Anneau", {{L"Max", Driver::Person}})),
              Messages{L"Vous devez mettre au moins 2 pilotes en jeu."});
    EXPECT_EQ(SetUpQuickRace(Race(L"Anneau", {{L"Max", Driver::Person}, {L"Inconnu", Driver::Person}})),
              Messages{L"Le pilote Inconnu n'existe pas."});
    EXPECT_EQ(SetUpQuickRace(Race(L"Anneau", {{L"Max", Driver::Person}, {L"Léa", Driver::Person}, {L"Noé", Driver::Person},
                                              {L"Zoé", Driver::Person}})),
              Messages{L"Le circuit Anneau n'accepte que 3 pilotes."});
    EXPECT_EQ(game.carCount, 0);
}

TEST_F(QuickRaceTest, RefusesAPilotWhoseFileWasEditedByHand) {
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
