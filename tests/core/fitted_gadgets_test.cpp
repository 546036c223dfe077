#include "core/fitted_gadgets.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/gadget_catalogue.h"
#include "core/game_state.h"

class FittedGadgetsTest : public ::testing::Test {
protected:
    void SetUp() override { FillCatalogue(); }

    // Names of a side's list in order.
    std::vector<std::wstring> Names(int car, int side) {
        const CarSide& s = game.cars[car].sides[side];
        std::vector<std::wstring> names;
        for (int i = 1; i <= s.gadgetCount; ++i) names.push_back(s.gadgets.at(i).name);
        return names;
    }
};

TEST_F(FittedGadgetsTest, AFittedGadgetIsACopyOfItsCatalogueEntryAndAnUnknownNameStillGrowsTheList) {
    AddGadget(1, SideLeft, L"Renfort Latéral");
    AddGadget(1, SideFront, L"Lance-flammes");
    const GadgetRecord& fitted = game.cars[1].sides[SideLeft].gadgets.at(1);
    const GadgetRecord& unknown = game.cars[1].sides[SideFront].gadgets.at(1);
    EXPECT_EQ(std::make_tuple(fitted.name, fitted.charges, fitted.price, fitted.description),
              std::make_tuple(std::wstring(L"Renfort Latéral"), 5, 100, game.catalogue[8].description));
    EXPECT_EQ(std::make_tuple(unknown.name, unknown.charges, unknown.price),
              std::make_tuple(std::wstring(L"Lance-flammes"), 0, 0));
    EXPECT_EQ(game.cars[1].sides[SideLeft].gadgetCount + game.cars[1].sides[SideFront].gadgetCount, 2);
    game.cars[1].sides[SideLeft].gadgets[1].charges = 0;
    EXPECT_EQ(game.catalogue[8].charges, 5);
    EXPECT_EQ(game.cars[1].mass, 0) << "adding leaves the mass to whoever fits gadgets";
}

TEST_F(FittedGadgetsTest, NamesMatchExactly) {
    AddGadget(1, SideRear, L"Mitrailleuse arrière");
    EXPECT_EQ(CountGadgets(L"Mitrailleuse arriere", 1, SideRear), 0);
    EXPECT_EQ(CountGadgets(L"mitrailleuse arrière", 1, SideRear), 0);
    EXPECT_EQ(CountGadgets(L"Mitrailleuse arrière", 1, SideRear), 1);
    EXPECT_EQ(CountGadgets(L"Mitrailleuse arrière", 1, SideFront), 0);
}

TEST_F(FittedGadgetsTest, TestsCompareEachCounterWithItsValue) {
    AddGadget(1, SideFront, L"Lance Grenades");
    AddGadget(1, SideRear, L"Lance Grenades");
    game.cars[1].sides[SideRear].gadgets[1].charges = 0;  // fired
    game.cars[1].sides[SideFront].gadgets[1].auxValue1 = 3;
    game.cars[1].sides[SideFront].gadgets[1].auxValue2 = -2;
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"sup", 0), 1);
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"ega", 0), 1);
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"inf", 1), 1);
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"sup", 1), 0);
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"SUP", 1), 2) << "unknown word: no test";
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides, L"", 0, L"ega", 3), 1);
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides, L"", 0, L"sup", 3), 0);
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides, L"", 0, L"", 0, L"inf", -1), 1);
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides, L"sup", 0, L"ega", 3, L"ega", -2), 1);
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides, L"ega", 0, L"ega", 3, L"ega", -2), 0);
}

TEST_F(FittedGadgetsTest, AllSidesAreWalkedFromMiscellaneousToLeftInListOrder) {
    AddGadget(1, SideLeft, L"Nitro");
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, SideFront, L"Blindage");
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, SideMisc, L"Pistolet");
    std::vector<int> sides{99}, positions;
    EXPECT_EQ(FindGadgets(L"", 1, kAllSides, L"", 0, L"", 0, L"", 0, sides, positions), 5);
    EXPECT_EQ(sides, (std::vector<int>{0, SideMisc, SideFront, SideFront, SideFront, SideLeft}));
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 1, 2, 3, 1}));
    EXPECT_EQ(FindGadgets(L"Nitro", 1, SideFront, L"sup", 0, L"", 0, L"", 0, sides, positions), 2);
    EXPECT_EQ(sides, (std::vector<int>{0, SideFront, SideFront}));
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 3}));
}

TEST_F(FittedGadgetsTest, RemovingKeepsTheOrderAndRecomputesTheMass) {
    AddGadget(1, SideRight, L"Nitro");
    AddGadget(1, SideRight, L"Blindage");
    AddGadget(1, SideRight, L"Cartouche d'huile");
    game.cars[1].mass = ComputeMass(1);
    EXPECT_EQ(game.cars[1].mass, 3);
    RemoveGadget(1, SideRight, 3);
    EXPECT_EQ(game.cars[1].mass, 2);
    AddGadget(1, SideRight, L"Volant double");
    RemoveGadget(1, SideRight, 1);
    EXPECT_EQ(Names(1, SideRight), (std::vector<std::wstring>{L"Blindage", L"Volant double"}));
}

TEST_F(FittedGadgetsTest, RemovingAllEmptiesEverySide) {
    for (int side = 0; side < kSideCount; ++side) {
        AddGadget(2, side, L"Nitro");
        AddGadget(2, side, L"Blindage");
    }
    AddGadget(3, SideFront, L"Nitro");
    RemoveAllGadgets(2);
    EXPECT_EQ(CountGadgets(L"", 2, kAllSides), 0);
    for (int side = 0; side < kSideCount; ++side) EXPECT_EQ(game.cars[2].sides[side].gadgetCount, 0);
    EXPECT_EQ(game.cars[2].mass, 2);
    EXPECT_EQ(CountGadgets(L"", 3, kAllSides), 1) << "another car keeps its gadgets";
}

TEST_F(FittedGadgetsTest, OutOfRangeCarsSidesAndPositionsChangeNothing) {
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, 5, L"Nitro");
    AddGadget(1, -1, L"Nitro");
    AddGadget(kCarTableSize, SideFront, L"Nitro");
    AddGadget(-1, SideFront, L"Nitro");
    RemoveGadget(1, SideFront, 0);
    RemoveGadget(1, SideFront, 2);
    RemoveGadget(1, 7, 1);
    RemoveAllGadgets(-3);
    EXPECT_EQ(std::vector<int>({CountGadgets(L"", 1, kAllSides), CountGadgets(L"", 1, 5), CountGadgets(L"", 1, -2),
                                CountGadgets(L"", 40, kAllSides)}),
              std::vector<int>({1, 0, 0, 0}));
}
