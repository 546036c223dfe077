#include "files/pilot_integrity.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"

namespace {
// Zoé: shooting 7, driving 12, -30 Zonks, structures front 10, rear 9,
// right 8, left 11, gadgets on every side.
void MakeSamplePilot(int car) {
    FillCatalogue();
    CarRecord& c = game.cars[car];
    c.pilotName = L"Zoé";
    c.shootingSkill = 7;
    c.drivingSkill = 12;
    c.zonks = -30;
    c.wheelSide = L"Gauche";
    c.meshNumber = 2;
    const int structures[kSideCount] = {0, 10, 9, 8, 11};
    for (int side = 1; side < kSideCount; ++side) c.sides[side].structureMax = structures[side];
    AddGadget(car, SideMisc, L"Pistolet");
    AddGadget(car, SideFront, L"Mitrailleuse avant");
    AddGadget(car, SideFront, L"Nitro");
    AddGadget(car, SideRear, L"Mitrailleuse arrière");
    AddGadget(car, SideRight, L"Blindage");
    AddGadget(car, SideLeft, L"Renfort Latéral");
    AddGadget(car, SideLeft, L"Cartouche d'huile");
}
}  // namespace

TEST(MixTexts, MixesCharacterByCharacterAndEndsWithH) {
    EXPECT_EQ(MixTexts(L"abc", L""), L"HIJH");
    EXPECT_EQ(MixTexts(L"abc", L"xy"), L"_aJH");
    EXPECT_EQ(MixTexts(L"", L""), L"H");
    EXPECT_EQ(MixTexts(L"xy", L"abc"), L"_aJH");
}

TEST(MixTexts, TakesEachCharacterAsASignedByte) {
    // "é" is byte 233, that is -23: -23 + 97 = 74 "J". Read unsigned it
    // would give 330 - 244 = 86 "V".
    EXPECT_EQ(MixTexts(L"é", L""), L"JH");
    // Only the low byte counts: U+0141 mixes like "A" (65).
    EXPECT_EQ(MixTexts(L"\u0141", L""), MixTexts(L"A", L""));
}

TEST(MixTexts, EveryPairOfBytesGivesAPrintableCharacterOutsideTheForbiddenFive) {
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
            const std::wstring mixed = MixTexts(std::wstring(1, wchar_t(x)), std::wstring(1, wchar_t(y)));
            ASSERT_EQ(mixed.size(), 2u);
            const wchar_t c = mixed[0];
            ASSERT_GE(c, 33) << x << " " << y;
            ASSERT_LE(c, 122) << x << " " << y;
            ASSERT_EQ(std::wstring(L"\"',\\`").find(c), std::wstring::npos) << x << " " << y;
        }
    }
}

TEST(ComputeSecu, GivesTheKnownTextOfASamplePilot) {
    MakeSamplePilot(3);
    EXPECT_EQ(ComputeSecu(3), L"&z8K+/5bcUco]i[aUk*jmlUn#d*l[cophUkW#y)!(0]E;8>-53(H");
}

TEST(ComputeSecu, ChangesWithEveryCheckedValue) {
    const std::vector<std::pair<const char*, std::function<void(CarRecord&)>>> edits = {
        {"name", [](CarRecord& c) { c.pilotName = L"Zoe"; }},
        {"driving", [](CarRecord& c) { c.drivingSkill += 1; }},
        {"shooting", [](CarRecord& c) { c.shootingSkill -= 1; }},
        {"zonks", [](CarRecord& c) { c.zonks = 30; }},
        {"wheel side", [](CarRecord& c) { c.wheelSide = L"Droite"; }},
        {"front structure", [](CarRecord& c) { c.sides[SideFront].structureMax = 11; }},
        {"left and right swapped", [](CarRecord& c) { std::swap(c.sides[3].structureMax, c.sides[4].structureMax); }},
        {"front gadget", [](CarRecord& c) { c.sides[SideFront].gadgets[2].name = L"Blindage"; }},
        {"rear gadget", [](CarRecord& c) { c.sides[SideRear].gadgets[1].name = L"Nitro"; }},
        {"right gadget", [](CarRecord& c) { c.sides[SideRight].gadgets[1].name = L"Nitro"; }},
        {"left gadget order", [](CarRecord& c) { std::swap(c.sides[SideLeft].gadgets[1], c.sides[SideLeft].gadgets[2]); }},
    };
    MakeSamplePilot(1);
    const std::wstring original = ComputeSecu(1);
    for (const auto& [what, edit] : edits) {
        MakeSamplePilot(2);
        edit(game.cars[2]);
        EXPECT_NE(ComputeSecu(2), original) << what;
        RemoveAllGadgets(2);
    }
}

TEST(ComputeSecu, IgnoresModelHitPointsAndTheMiscellaneousSlot) {
    MakeSamplePilot(1);
    const std::wstring original = ComputeSecu(1);
    CarRecord& c = game.cars[1];
    c.meshNumber = 5;
    c.hitPoints = 1;
    c.sides[SideMisc].gadgets[1].name = L"Bazooka";
    AddGadget(1, SideMisc, L"Volant double");
    c.sides[SideFront].structure = 0;  // damage taken, not the value at race start
    EXPECT_EQ(ComputeSecu(1), original);
}

