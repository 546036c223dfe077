// What every benchmark program starts with: the benchmark options read, the
// generated game folder as working directory, a null-renderer device
// without sleeping, and the names of the shipped circuits; the cars of a
// full race, and a circuit's scene built in place of the one before.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/game_device.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"

// False when the game folder or the device cannot be had.
inline bool StartBenchGame(int* argc, char** argv, std::vector<std::wstring>& circuits) {
    benchmark::Initialize(argc, argv);
    if (chdir(SKARVOLL_GAME_DIR) != 0) return false;
    if (!CreateNullGameDevice()) return false;
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

// The scene of circuit `name` without decor, with `cars` cars dressed by
// DressBenchCars (none for 0), in place of the scene before; false, the
// reason printed, when it cannot be built.
inline bool BuildBenchScene(const std::wstring& name, int cars) {
    game.sceneManager->clear();
    LoadCircuitFile(name);
    DressBenchCars(cars);
    game.decorEnabled = 0;
    std::wstring error;
    if (BuildCircuitScene(error)) return true;
    std::fprintf(stderr, "%s\n", ToUtf8(error).c_str());
    return false;
}
