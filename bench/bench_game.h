// What every benchmark program starts with: the benchmark options read, the
// generated game folder as working directory, a null-renderer device
// without sleeping, and the names of the shipped circuits.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/game_device.h"
#include "files/file_listing.h"
#include "platform/clock.h"

// False when the game folder or the device cannot be had.
inline bool StartBenchGame(int* argc, char** argv, std::vector<std::wstring>& circuits) {
    benchmark::Initialize(argc, argv);
    if (chdir(SKARVOLL_GAME_DIR) != 0) return false;
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    if (!CreateGameDevice(params)) return false;
    SetSleepEnabled(false);
    ListFiles(L"\\circuits\\", circuits);  // entry 0 unused
    return circuits.size() > 1;
}
