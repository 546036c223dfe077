#include "core/state_checksum.h"

#include <cstring>

#include "core/game_state.h"
#include "core/random.h"

namespace {
// FNV-1a over the bytes fed to it.
class Sum {
public:
    void Bytes(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 16777619u;
    }
    void Int(int32_t value) { Bytes(&value, sizeof value); }
    void Float(float value) {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Bytes(&bits, sizeof bits);
    }
    void Text(const std::wstring& text) {
        Int(static_cast<int32_t>(text.size()));
        for (wchar_t c : text) Int(static_cast<int32_t>(c));
    }
    uint32_t Value() const { return hash_; }

private:
    uint32_t hash_ = 2166136261u;
};

void AddGadget(Sum& sum, const GadgetRecord& gadget) {
    sum.Text(gadget.name);
    sum.Int(gadget.charges);
    sum.Int(gadget.auxValue1);
    sum.Int(gadget.auxValue2);
}

uint32_t CarSum(const CarRecord& car) {
    Sum sum;
    for (int32_t value : {car.drivingSkill, car.shootingSkill, car.hitPoints, car.carNumber, car.mass,
                          car.zonks, car.checkpointsPassed, car.finishOrder, car.targetX, car.targetY,
                          car.trailCount, int32_t{car.hasMoved}, int32_t{car.hasActed},
                          int32_t{car.pendingMoveFlag}, int32_t{car.skidPending}, int32_t{car.oilSprayed},
                          int32_t{car.inRace}})
        sum.Int(value);
    for (float value : {car.cellX, car.cellY, car.prevCellX, car.prevCellY, car.heading}) sum.Float(value);
    for (int k = 1; k <= 2 * car.trailCount && k < static_cast<int>(car.trail.size()); ++k)
        sum.Float(car.trail[k]);
    sum.Text(car.wheelSide);
    sum.Text(car.controller);
    for (const CarSide& side : car.sides) {
        sum.Int(side.structure);
        sum.Int(side.structureMax);
        sum.Int(side.gadgetCount);
        for (int g = 1; g <= side.gadgetCount && g < static_cast<int>(side.gadgets.size()); ++g)
            AddGadget(sum, side.gadgets[g]);
    }
    return sum.Value();
}

uint32_t OilSum() {
    Sum sum;
    for (size_t i = 1; i < game.oilPatches.size(); ++i) {
        const OilPatch& p = game.oilPatches[i];
        for (float value : {p.x1, p.y1, p.z1, p.x2, p.y2, p.z2}) sum.Float(value);
    }
    return sum.Value();
}

uint32_t RaceSum() {
    Sum sum;
    for (int32_t value : {game.roundNumber, game.currentCar, game.carCount}) sum.Int(value);
    return sum.Value();
}
}  // namespace

std::vector<uint32_t> StateSums() {
    std::vector<uint32_t> sums;
    for (int i = 1; i <= game.carCount; ++i) sums.push_back(CarSum(game.cars[i]));
    sums.push_back(OilSum());
    sums.push_back(RaceSum());
    sums.push_back(RandomState());
    return sums;
}

std::wstring StatePartName(int index, int carCount) {
    if (index < carCount) return L"voiture " + std::to_wstring(index + 1);
    static const wchar_t* const kOthers[] = {L"huile", L"course", L"hasard"};
    const int other = index - carCount;
    return other >= 0 && other < 3 ? kOthers[other] : L"?";
}
