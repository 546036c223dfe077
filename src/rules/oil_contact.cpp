#include "rules/oil_contact.h"

#include <algorithm>
#include <string>

#include "core/checkpoints.h"
#include "core/game_state.h"
#include "core/oil_patches.h"
#include "rules/trail_at_car.h"
#include "ui/car_message.h"

using namespace irr;

namespace {
// On an axis along which the patch runs, the car must be within the patch's
// extent widened by e; on the other axis anything goes.
bool WithinExtent(f32 q, f32 a, f32 b, f32 e) {
    return a == b || (q >= std::min(a, b) - e && q <= std::max(a, b) + e);
}

// Whether the way from the move's start to q crosses or touches the patch on
// the ground, with q within the patch's widened extent.
bool Touches(const OilPatch& patch, const MovePath& path, const core::vector3df& q) {
    return SegmentsCross(path.start.X, path.start.Z, q.X, q.Z, patch.x1, patch.z1, patch.x2,
                         patch.z2) &&
           WithinExtent(q.X, patch.x1, patch.x2, path.step) &&
           WithinExtent(q.Z, patch.z1, patch.z2, path.step);
}

std::wstring OilTestText(int malus) {
    return std::wstring(L"Vous passez sur de  l'huile. ") +
           (malus <= 0 ? L"Veillez faire un test de pilotage pour savoir si vous déraperez.\n"
                       : L"Veillez faire un test de pilotage avec un malus de " +
                             std::to_wstring(malus) +
                             L" dû à votre vitesse pour savoir si vous déraperez.\n");
}

// The piloting test on oil, with a malus of half the move's speed; a
// failure spoils the car's next move.
void OilTest(int index, const MovePath& path) {
    CarRecord& car = game.cars[index];
    const int malus = static_cast<int>(path.length / static_cast<f32>(game.circuit.cellSize) / 2);
    TrailEndsAtCar trailAtCar(car);
    const int roll = RollTestForCar(OilTestText(malus), index, car.drivingSkill - malus, false);
    const bool computer = IsComputerDriven(car);
    if (roll + malus > car.drivingSkill) {
        TellAboutCar(computer ? car.pilotName + L" passe sur de l'huile et loupe son test de pilotage.\n"
                              : std::wstring(L"Vous déraperez le prochain tour\n"),
                     index);
        car.pendingMoveFlag = 1;
        car.skidPending = 1;
    } else {
        TellAboutCar(computer ? car.pilotName + L" passe sur de l'huile et réussi son test de pilotage.\n"
                              : std::wstring(L"Vous maîtrisez votre véhicule\n"),
                     index);
    }
}
}  // namespace

bool PathMeetsOil(const MovePath& path) {
    const std::vector<OilPatch>& patches = OilPatches();
    bool met = false;
    ForEachStep(path, [&](f32 t, bool) {
        for (size_t i = 1; i < patches.size() && t > 1; ++i) met = met || Touches(patches[i], path, path.At(t));
        return !met;
    });
    return met;
}

bool OilStep(int index, const MovePath& path, f32 t, OilMarks& marks) {
    if (!game.cars[index].inRace) return false;
    const std::vector<OilPatch>& patches = OilPatches();
    if (marks.marked.size() < patches.size()) marks.marked.resize(patches.size(), false);
    const core::vector3df q = path.At(t);
    const bool firstStep = t <= 1;
    bool tested = false;
    for (size_t i = 1; i < patches.size(); ++i) {
        if (marks.marked[i] || !Touches(patches[i], path, q)) continue;
        marks.marked[i] = true;
        if (firstStep) continue;
        OilTest(index, path);
        tested = true;
    }
    return tested;
}
