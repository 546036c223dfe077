// The pilot file reader on any bytes, then the round trip: the record read
// is written back and read again, and nothing may change on the way, the
// integrity text included.
#include <unistd.h>

#include "core/game_state.h"
#include "files/pilot_file.h"
#include "fuzz_support.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace {
// Car record slots: the fuzzed file is read into the first, the rewritten
// one into the second.
constexpr int kRead = 1, kReread = 2;

std::wstring GadgetNames(const CarSide& side) {
    std::wstring names;
    for (int i = 1; i <= side.gadgetCount && i < static_cast<int>(side.gadgets.size()); ++i)
        names += side.gadgets[i].name + L"|";
    return names;
}

void ExpectSameRecord(const CarRecord& a, const CarRecord& b) {
    if (a.pilotName != b.pilotName) FuzzFailure("the name changed");
    if (a.drivingSkill != b.drivingSkill || a.shootingSkill != b.shootingSkill) FuzzFailure("a skill changed");
    if (a.wheelSide != b.wheelSide) FuzzFailure("the wheel side changed");
    if (a.zonks != b.zonks || a.meshNumber != b.meshNumber) FuzzFailure("Zonks or model changed");
    for (int side = 0; side < kSideCount; ++side) {
        if (side != SideMisc && a.sides[side].structureMax != b.sides[side].structureMax)
            FuzzFailure("a structure changed");
        if (GadgetNames(a.sides[side]) != GadgetNames(b.sides[side])) FuzzFailure("the gadgets changed");
    }
    if (a.mass != b.mass) FuzzFailure("the mass changed");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteFuzzInput("pilotes/fuzz.xml", data, size);
    game.cars[kRead] = CarRecord();
    game.cars[kReread] = CarRecord();
    ReadPilotFile(kRead, L"fuzz");
    const CarRecord read = game.cars[kRead];
    const bool intact = read.secu == ComputeSecu(kRead);
    unlink("pilotes/fuzz.xml");

    // A name that would leave the folder is refused; any other must be
    // written unless the file system cannot hold a file name that long
    // (with ".xml" and the temporary file's ".tmp").
    const bool written = WritePilotFile(kRead);
    if (!IsSafePilotName(read.pilotName)) {
        if (written) FuzzFailure("a pilot with a refused name was written");
        return 0;
    }
    if (!written) {
        if (ToUtf8(read.pilotName).size() + 8 <= 255) FuzzFailure("a pilot could not be written");
        return 0;
    }
    ReadPilotFile(kReread, read.pilotName);
    RemoveFile(GamePath(L"\\pilotes\\" + read.pilotName + L".xml"));
    const CarRecord& reread = game.cars[kReread];
    ExpectSameRecord(read, reread);
    if (reread.secu != ComputeSecu(kReread)) FuzzFailure("the rewritten file fails its integrity check");
    if (intact && reread.secu != read.secu) FuzzFailure("a sound integrity text changed");
    return 0;
}
