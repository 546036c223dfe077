// The benchmarks that play whole races: a game folder of their own under
// /tmp (the race writes its journal, save and pilots there) with the game
// kept quiet, a race run until a frame hook stops it, and what a race
// leaves put away between runs.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "core/decisions.h"
#include "core/frame_pump.h"
#include "core/game_device.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "platform/clock.h"
#include "race/computer_driver.h"
#include "race/race_loop.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"

struct BenchRaceStop {};  // thrown by a frame hook: out of the race loop

// Enters `folder`, made afresh with the generated data and circuits linked
// and the pilots copied; the dialogs answer themselves and nothing sleeps
// or draws. False when the folder cannot be had.
inline bool EnterQuietRaceFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder);
    const std::string game = SKARVOLL_GAME_DIR;
    fs::create_symlink(game + "/data", folder + "/data", error);
    fs::create_symlink(game + "/circuits", folder + "/circuits", error);
    fs::copy(game + "/pilotes", folder + "/pilotes", error);
    if (error || chdir(folder.c_str()) != 0) return false;
    SetDialogsAnswerThemselves(true);
    SetSleepEnabled(false);
    DrawSearchFrames(false);
    DrawFramesEvery(0);
    return true;
}

// Runs the race until it ends or a frame hook throws BenchRaceStop; the
// hook is removed after.
inline void RunRaceUntilStopped() {
    SetEndProgramHandler([] { throw BenchRaceStop(); });
    try {
        RunRace();
    } catch (const BenchRaceStop&) {
    }
    SetFrameHook(nullptr);
    SetEndProgramHandler(nullptr);
}

// Runs a race being rebuilt from its journal until it plays live.
inline void RunUntilLive() {
    SetFrameHook([] {
        if (!Replaying()) throw BenchRaceStop();
    });
    RunRaceUntilStopped();
}

// The journal, save, record and device of the race run, put away.
inline void PutRaceAway() {
    StopJournal();
    StopSaving();
    StopRecording();
    ReleaseGameDevice();
}
