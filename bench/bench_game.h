// What every benchmark program starts with: the benchmark options read, the
// generated game folder as working directory, a null-renderer device
// without sleeping, and the names of the shipped circuits; and the cars of a
// full race.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/game_device.h"
#include "core/game_state.h"
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

// Cars 1..count in the car table as the race setup leaves them: computer
// drivers on the generated car models, the four colours in turn.
inline void DressBenchCars(int count) {
    game.carCount = count;
    const wchar_t* colours[] = {L"rouge", L"bleu", L"vert", L"jaune"};
    for (int i = 1; i <= count; ++i) {
        CarRecord& car = game.cars[i];
        car = CarRecord();
        car.pilotName = L"Pilote " + std::to_wstring(i);
        car.controller = L"IA";
        car.colourName = colours[i % 4];
        car.meshNumber = 1 + i % 3;
        car.meshFile = L"voiture_modele_" + std::to_wstring(car.meshNumber) + L".ms3d";
        car.textureBase = L"map_voiture_" + std::to_wstring(car.meshNumber);
        car.textureExt = L".jpg";
        car.mass = 3;
        car.inRace = 1;
    }
}
