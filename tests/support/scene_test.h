// The fixture of the tests that build a circuit scene: a small circuit made
// of a floor and one wall, a box for the cars and one for the cross markers,
// and cars set up in the car table as the race setup leaves them.
#pragma once

#include <string>
#include <vector>

#include "support/game_test.h"

class SceneTest : public GameTest {
protected:
    void SetUp() override;

    // Writes the car, marker and circuit meshes into data/.
    void WriteSceneMeshes();
    // A 10 x 10 circuit "Test" with the wall from (450, -50) to (450, 350)
    // and start slots 1..4 at cells (1, 1), (3, 1), (1, 3), (3, 3).
    void UseTestCircuit();
    // Adds a car with `gadgets` "Nitro" gadgets on side 0; returns its index.
    int AddCar(const std::wstring& pilot, int gadgets, const std::wstring& colour = L"rouge");

    // Builds the scene; fails the test when it cannot.
    void BuildScene();
};
