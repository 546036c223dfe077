// Reads a pilot file as the race setup does and prints what a race changes
// in it: "SKILL SHOOTING ZONKS GADGETS INTEGRITY", the last word "ok" when
// the file matches its integrity text, "altered" otherwise. Run from the
// game folder. Usage: pilot_summary PILOT_NAME
#include <cstdio>

#include "core/gadget_catalogue.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "files/pilot_integrity.h"
#include "platform/text.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pilot_summary PILOT_NAME\n");
        return 2;
    }
    const std::wstring name = FromUtf8(argv[1]);
    if (!PilotFileExists(name)) {
        std::printf("missing\n");
        return 1;
    }
    if (!CreateNullGameDevice()) return 1;
    FillCatalogue();
    ReadPilotFile(1, name);
    const CarRecord& car = game.cars[1];
    int gadgets = 0;
    for (const CarSide& side : car.sides) gadgets += side.gadgetCount;
    std::printf("%d %d %d %d %s\n", car.drivingSkill, car.shootingSkill, car.zonks, gadgets,
                ComputeSecu(1) == car.secu ? "ok" : "altered");
    ReleaseGameDevice();
    return 0;
}
