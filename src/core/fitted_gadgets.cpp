#include "core/fitted_gadgets.h"

#include "core/game_state.h"

namespace {
bool IsCar(int car) { return car >= 0 && car < kCarTableSize; }
bool IsSide(int side) { return side >= 0 && side < kSideCount; }

// The side's list, with its unused place 0 and exactly `gadgetCount` gadgets.
std::vector<GadgetRecord>& GadgetList(CarSide& side) {
    if (side.gadgetCount < 0) side.gadgetCount = 0;
    side.gadgets.resize(side.gadgetCount + 1);
    return side.gadgets;
}

bool TestHolds(const std::wstring& test, int field, int value) {
    if (test == L"ega") return field == value;
    if (test == L"sup") return field > value;
    if (test == L"inf") return field < value;
    return true;
}

struct GadgetQuery {
    const std::wstring& name;
    const std::wstring& test1;
    int value1;
    const std::wstring& test2;
    int value2;
    const std::wstring& test3;
    int value3;

    bool Matches(const GadgetRecord& gadget) const {
        return (name.empty() || name == gadget.name) && TestHolds(test1, gadget.charges, value1) &&
               TestHolds(test2, gadget.auxValue1, value2) && TestHolds(test3, gadget.auxValue2, value3);
    }
};

// Calls `visit(side, position)` for each match, sides in order 0..4 for -1
// and positions in list order.
template <class Visit>
void WalkMatches(const GadgetQuery& query, int car, int side, Visit visit) {
    if (!IsCar(car)) return;
    const int first = side == kAllSides ? 0 : side;
    const int last = side == kAllSides ? kSideCount - 1 : side;
    if (!IsSide(first)) return;
    for (int k = first; k <= last; ++k) {
        const std::vector<GadgetRecord>& list = GadgetList(game.cars[car].sides[k]);
        for (int position = 1; position < static_cast<int>(list.size()); ++position)
            if (query.Matches(list[position])) visit(k, position);
    }
}

// The first catalogue entry of that name, or null.
const GadgetRecord* CatalogueEntry(const std::wstring& name) {
    for (int i = 1; i < kCatalogueSize; ++i)
        if (game.catalogue[i].name == name) return &game.catalogue[i];
    return nullptr;
}
}  // namespace

int CountGadgets(const std::wstring& name, int car, int side, const std::wstring& test1, int value1,
                 const std::wstring& test2, int value2, const std::wstring& test3, int value3) {
    int count = 0;
    const GadgetQuery query{name, test1, value1, test2, value2, test3, value3};
    WalkMatches(query, car, side, [&count](int, int) { ++count; });
    return count;
}

int FindGadgets(const std::wstring& name, int car, int side, const std::wstring& test1, int value1,
                const std::wstring& test2, int value2, const std::wstring& test3, int value3,
                std::vector<int>& sides, std::vector<int>& positions) {
    sides.assign(1, 0);
    positions.assign(1, 0);
    const GadgetQuery query{name, test1, value1, test2, value2, test3, value3};
    WalkMatches(query, car, side, [&](int k, int position) {
        sides.push_back(k);
        positions.push_back(position);
    });
    return static_cast<int>(sides.size()) - 1;
}

void AddGadget(int car, int side, const std::wstring& name) {
    if (!IsCar(car) || !IsSide(side)) return;
    CarSide& carSide = game.cars[car].sides[side];
    std::vector<GadgetRecord>& list = GadgetList(carSide);
    GadgetRecord gadget;
    if (const GadgetRecord* entry = CatalogueEntry(name)) gadget = *entry;
    else gadget.name = name;
    list.push_back(gadget);
    carSide.gadgetCount += 1;
}

void RemoveGadget(int car, int side, int position) {
    if (!IsCar(car) || !IsSide(side)) return;
    CarSide& carSide = game.cars[car].sides[side];
    std::vector<GadgetRecord>& list = GadgetList(carSide);
    if (position < 1 || position > carSide.gadgetCount) return;
    list.erase(list.begin() + position);
    carSide.gadgetCount -= 1;
    game.cars[car].mass = ComputeMass(car);
}

void RemoveAllGadgets(int car) {
    if (!IsCar(car)) return;
    for (int side = 0; side < kSideCount; ++side) {
        const int count = static_cast<int>(GadgetList(game.cars[car].sides[side]).size()) - 1;
        for (int i = 0; i < count; ++i) RemoveGadget(car, side, 1);
    }
}

int ComputeMass(int car) { return 2 + CountGadgets(L"", car, kAllSides) / 3; }
