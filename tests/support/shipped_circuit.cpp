#include "support/shipped_circuit.h"

#include "core/game_state.h"
#include "files/circuit_file.h"
#include "scene/circuit_scene.h"

const wchar_t* const kShippedCircuits[6] = {L"Anneau", L"Serpentin", L"Autodrome", L"Huit", L"Lacets", L"Faubourg"};

void ShippedCircuitTest::SetUp() {
    GameTest::SetUp();
    ASSERT_TRUE(CopyFromGameFolder("data"));
    ASSERT_TRUE(CopyFromGameFolder("circuits"));
}

void ShippedCircuitTest::BuildCircuit(const std::wstring& name) {
    LoadCircuitFile(name);
    ASSERT_EQ(game.circuit.circuitName, name);
    game.carCount = 0;
    game.decorEnabled = 0;
    std::wstring error;
    ASSERT_TRUE(BuildCircuitScene(error));
}
