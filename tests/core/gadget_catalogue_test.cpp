#include "core/gadget_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/game_state.h"

namespace {
struct ExpectedEntry {
    const wchar_t* name;
    int price;
    int charges;
    std::vector<int> sides;
    int maxPerCar;
};

const ExpectedEntry kExpected[] = {
    {L"Nitro", 80, 1, {1, 2, 3, 4}, -1},
    {L"Mitrailleuse avant", 150, 0, {1}, -1},
    {L"Mitrailleuse arrière", 150, 0, {2}, -1},
    {L"Lance Grenades", 100, 1, {1, 2}, -1},
    {L"Pistolet", 50, 0, {0}, 1},
    {L"Bazooka", 100, 0, {0}, 1},
    {L"Blindage", 110, 0, {1, 2, 3, 4}, -1},
    {L"Renfort Latéral", 100, 5, {1, 2, 3, 4}, -1},
    {L"Projecteur d'huile", 70, 0, {2}, 1},
    {L"Cartouche d'huile", 50, 1, {1, 2, 3, 4}, -1},
    {L"Volant double", 50, 0, {0}, 1},
};
}  // namespace

TEST(GadgetCatalogue, HoldsTheElevenTypesWithTheirPricesChargesSidesAndLimits) {
    FillCatalogue();
    EXPECT_TRUE(game.catalogue[0].name.empty());
    EXPECT_TRUE(game.catalogue[0].description.empty());
    for (int i = 1; i < kCatalogueSize; ++i) {
        const ExpectedEntry& expected = kExpected[i - 1];
        const GadgetRecord& entry = game.catalogue[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(entry.name, expected.name);
        EXPECT_EQ(entry.price, expected.price);
        EXPECT_EQ(entry.charges, expected.charges);
        EXPECT_EQ(entry.auxValue1, 0);
        EXPECT_EQ(entry.auxValue2, 0);
        EXPECT_EQ(entry.maxPerCar, expected.maxPerCar);
        for (int side = 0; side < kSideCount; ++side) {
            const bool allowed = std::count(expected.sides.begin(), expected.sides.end(), side) > 0;
            EXPECT_EQ(entry.allowedSides[side], allowed ? 1 : 0) << "side " << side;
        }
    }
}

TEST(GadgetCatalogue, DescriptionsKeepTheirLineBreaksAndAccents) {
    FillCatalogue();
    const int lineBreaks[] = {1, 3, 2, 5, 4, 4, 2, 3, 3, 2, 1};
    for (int i = 1; i < kCatalogueSize; ++i) {
        const std::wstring& text = game.catalogue[i].description;
        EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), lineBreaks[i - 1]) << i;
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'\n' && c < 256; })) << i;
    }
    const std::wstring& frontGun = game.catalogue[2].description;
    EXPECT_EQ(frontGun.substr(0, 35), L"Enorme Mitrailleuse installée sur v");
    EXPECT_EQ(frontGun.substr(frontGun.size() - 10), L"infinies\n.");
    EXPECT_EQ(game.catalogue[11].description,
              L"Le volant double permet de choisir au début de chaque course de quel côté vous "
              L"souaitez avoir votre volant.\n");
    EXPECT_NE(game.catalogue[3].description.find(L"200 km/h (en train d'esquiver"), std::wstring::npos);
}
