// The circuit file reader on any bytes: it must neither crash nor leave the
// circuit's arrays shorter than the counts that number their items.
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "fuzz_support.h"

namespace {
template <class Items>
void CheckNumbered(const Items& items, int count, const char* what) {
    if (count < 0 || count > kMaxCircuitItems) FuzzFailure(std::string(what) + ": count out of range");
    if (count > 0 && static_cast<int>(items.size()) < count + 1)
        FuzzFailure(std::string(what) + ": fewer items than the count");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteFuzzInput("circuits/fuzz.xml", data, size);
    game.circuit = CircuitData();
    LoadCircuitFile(L"fuzz");
    const CircuitData& c = game.circuit;
    if (c.circuitMaxCars < 0 || c.circuitMaxCars > kMaxCars) FuzzFailure("car count out of range");
    CheckNumbered(c.decorItems, c.decorCount, "decor");
    CheckNumbered(c.crowdModels, c.crowdModelCount, "crowd models");
    CheckNumbered(c.crowdGroups, c.crowdGroupCount, "crowd groups");
    for (int g = 1; g <= c.crowdGroupCount; ++g)
        CheckNumbered(c.crowdGroups[g].persons, c.crowdGroups[g].personCount, "spectators");
    if (c.checkpointCount < 0 || c.checkpointCount > kMaxCircuitItems) FuzzFailure("gate count out of range");
    if (c.checkpointCount > 0 && (c.checkpointX.size() != 2u * c.checkpointCount + 2 ||
                                  c.checkpointY.size() != c.checkpointX.size()))
        FuzzFailure("gate coordinates do not match the gate count");
    return 0;
}
