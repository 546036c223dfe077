// The fixture of every test that needs the engine: a null-renderer device
// wired to the game's event receiver, a fresh temporary working directory,
// a scripted player called on every pumped frame, no sleeping, and the end of
// the program turned into an exception.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "menus/quick_race.h"
#include "support/scripted_player.h"

// Thrown where the game would end the program (window closed mid-loop).
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("the program ended") {}
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What a relaunched game starts from: a fresh game state, a new device
    // (the old one released), a fresh scripted player called every frame.
    void StartFreshGame();

    // Writes a file below the working directory (folders made as needed).
    void WriteFile(const std::string& relative, const std::string& bytes);
    std::string ReadFile(const std::string& relative) const;
    // Copies a file or folder of the generated game folder into the working
    // directory (same relative path); a failure when it was not generated.
    bool CopyFromGameFolder(const std::string& relative);

    // The shipped data, circuits and pilots copied in, a quick race without
    // decor loaded on them, its scene built and the status lines made.
    void LoadQuickRace(const std::wstring& circuit, const std::vector<QuickRacePilot>& pilots);
    // The computers' messages close after a short reading time on a fake
    // clock (`clock`, in milliseconds) that gains `step` with each frame of
    // an open message.
    void RunClockWhileMessagesOpen(long long step);

    ScriptedPlayer player;
    std::string workDir;
    long long clock = 1000000;

private:
    std::string previousDir_;
};

// The generated game folder of this build.
std::string GameFolder();
// A pilot as his file keeps him, on one line: name, skills, wheel side,
// Zonks, model, and each side's structure and gadgets in order.
std::wstring PilotSummary(int car);
// The text without the spaces that centre it.
std::wstring WithoutLeadingSpaces(const std::wstring& text);
