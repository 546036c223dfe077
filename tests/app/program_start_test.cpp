// The game and its settings program, run as the player runs them.
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/command_run.h"
#include "support/game_test.h"

namespace {
std::string Game() { return GameFolder() + "/skarvoll3d"; }
std::string Config() { return GameFolder() + "/skarvoll3d-config"; }
}  // namespace

using ProgramStartTest = GameTest;

TEST_F(ProgramStartTest, WithoutConfigTheGameHandsOverToTheSettingsProgram) {
    // Without a display the settings program cannot open its window and says
    // so: that message proves the game replaced itself by it.
    const CommandRun run = RunWithoutDisplay(Game());
    EXPECT_NE(run.output.find("fenêtre de configuration"), std::string::npos) << run.output;
    EXPECT_NE(run.exitCode, 0);
}

TEST_F(ProgramStartTest, AQuickRaceWithoutConfigHandsOverWithItsArguments) {
    // The game runs from a folder of its own beside a stand-in settings
    // program that notes the arguments it is given.
    ASSERT_TRUE(CopyFromGameFolder("circuits"));
    ASSERT_TRUE(CopyFromGameFolder("pilotes"));
    ASSERT_TRUE(CopyFromGameFolder("skarvoll3d"));
    WriteFile("skarvoll3d-config", "#!/bin/sh\nprintf '%s\\n' \"$@\" > arguments.txt\n");
    std::filesystem::permissions(workDir + "/skarvoll3d-config", std::filesystem::perms::owner_all);

    const CommandRun run =
        RunWithoutDisplay("./skarvoll3d --circuit Anneau --pilot Brutus --pilot 'Max Durand:IA'");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ReadFile("arguments.txt"),
              "--\n--circuit\nAnneau\n--pilot\nBrutus\n--pilot\nMax Durand:IA\n");
}

TEST_F(ProgramStartTest, TheSettingsProgramWritesTheFileFromItsOptions) {
    const CommandRun run = RunWithoutDisplay(Config() +
                                      " --driver EDT_OPENGL --resolution 800*600"
                                      " --modeecran Fenetre --synchro Inactif --messages Long --volume 35");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ReadFile("config.xml"),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<config>\n"
              "<driver>EDT_OPENGL</driver>\n<resolution>800*600</resolution>\n"
              "<modeecran>Fenetre</modeecran>\n<synchro>Inactif</synchro>\n"
              "<messagesordinateurs>Long</messagesordinateurs>\n<journaux>50</journaux>\n"
              "<son>Actif</son>\n<volume>35</volume>\n</config>\n");
}

TEST_F(ProgramStartTest, TheSettingsProgramRefusesUnknownOptionsAndValues) {
    for (const char* options : {"--driver EDT_VULKAN", "--couleur bleu", "--resolution",
                                "--modeecran fenetre", "--son Oui", "--volume 101"}) {
        const CommandRun run = RunWithoutDisplay(Config() + " " + options);
        EXPECT_EQ(run.exitCode, 2) << options;
        EXPECT_NE(run.output.find("Utilisation"), std::string::npos) << options;
    }
    EXPECT_TRUE(ReadFile("config.xml").empty());
    // What follows "--" is the game's: the program goes on to its window.
    const CommandRun run = RunWithoutDisplay(Config() + " -- --circuit Anneau --pilot Brutus");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("fenêtre de configuration"), std::string::npos) << run.output;
}
