#include "core/gadget_catalogue.h"

#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"

namespace {
// An entry as one line: name, price, charges, its two counters, the limit
// per car, and the sides it may be fitted on.
std::wstring Line(const GadgetRecord& entry) {
    std::wstring line = entry.name;
    for (int value : {entry.price, entry.charges, entry.auxValue1, entry.auxValue2, entry.maxPerCar})
        line += L" " + std::to_wstring(value);
    line += L" sides";
    for (int side = 0; side < kSideCount; ++side)
        if (entry.allowedSides[side]) line += L" " + std::to_wstring(side);
    return line;
}
}  // namespace

TEST(GadgetCatalogue, HoldsTheElevenTypesWithTheirPricesChargesSidesAndLimits) {
    FillCatalogue();
    const wchar_t* const expected[] = {
        L" 0 0 0 0 0 sides",
        L"Nitro 80 1 0 0 -1 sides 1 2 3 4",
        L"Mitrailleuse avant 150 0 0 0 -1 sides 1",
        L"Mitrailleuse arrière 150 0 0 0 -1 sides 2",
        L"Lance Grenades 100 1 0 0 -1 sides 1 2",
        L"Pistolet 50 0 0 0 1 sides 0",
        L"Bazooka 100 0 0 0 1 sides 0",
        L"Blindage 110 0 0 0 -1 sides 1 2 3 4",
        L"Renfort Latéral 100 5 0 0 -1 sides 1 2 3 4",
        L"Projecteur d'huile 70 0 0 0 1 sides 2",
        L"Cartouche d'huile 50 1 0 0 -1 sides 1 2 3 4",
        L"Volant double 50 0 0 0 1 sides 0",
    };
    for (int i = 0; i < kCatalogueSize; ++i) EXPECT_EQ(Line(game.catalogue[i]), expected[i]);
    EXPECT_TRUE(game.catalogue[0].description.empty());
    for (int i = 1; i < kCatalogueSize; ++i) EXPECT_FALSE(game.catalogue[i].description.empty()) << i;
}
