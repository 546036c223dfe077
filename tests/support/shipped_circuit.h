// The fixture of the tests that run on the shipped circuits: the generated
// data and circuits copied in, and a circuit's scene built as a race builds
// it, without cars or decor.
#pragma once

#include <string>

#include "support/game_test.h"

class ShippedCircuitTest : public GameTest {
protected:
    void SetUp() override;
    // Loads the circuit file and builds its scene; fails the test when it cannot.
    void BuildCircuit(const std::wstring& name);
};

// The circuits the game ships with.
extern const wchar_t* const kShippedCircuits[6];
