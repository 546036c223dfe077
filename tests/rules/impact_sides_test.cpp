#include "rules/impact_sides.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace {
using Angles = std::initializer_list<std::pair<double, const wchar_t*>>;
}  // namespace

// 44.6 rounds to 45 and exactly .5 rounds down.
TEST(ImpactSides, AHitCarTakesTheBlowOnASideOrChoosesOnAnExactCorner) {
    for (const auto& [angle, side] : Angles{{0, L"AVANT"}, {44.4, L"AVANT"}, {44.6, L"AVANT ou DROITE"},
             {45.5, L"AVANT ou DROITE"}, {90, L"DROITE"}, {135, L"DROITE ou ARRIERE"}, {180, L"ARRIERE"},
             {225, L"ARRIERE ou GAUCHE"}, {270, L"GAUCHE"}, {315, L"GAUCHE ou AVANT"}, {359.7, L"AVANT"}})
        EXPECT_EQ(HitCarSide(angle), side) << angle;
}

TEST(ImpactSides, ThePushingCarMeetsWithItsFrontOrRearOnTheCorners) {
    for (const auto& [angle, side] : Angles{{45, L"AVANT"}, {45.1, L"DROITE"}, {135, L"ARRIERE"},
             {225, L"ARRIERE"}, {225.1, L"GAUCHE"}, {315, L"AVANT"}})
        EXPECT_EQ(PushingCarSide(angle), side) << angle;
}

TEST(ImpactSides, CornersNameTheirTwoSidesFrontOrRearFirst) {
    std::wstring first, second;
    ASSERT_TRUE(CornerSides(L"DROITE ou ARRIERE", first, second));
    EXPECT_EQ(first + L" " + second, L"ARRIERE DROITE");
    ASSERT_TRUE(CornerSides(L"GAUCHE ou AVANT", first, second));
    EXPECT_EQ(first + L" " + second, L"AVANT GAUCHE");
    EXPECT_FALSE(CornerSides(L"AVANT", first, second));
}

// 135: 45..135 then 135..225; 45: 45..135 then 0..45; 315 backward:
// 225..315 then 315..405. Without a sign there is no rule, and -350 is in no row.
TEST(ImpactSides, WallSideRowsLaterRowsWinOnTheirBoundaries) {
    const struct { double angle; int sign; const wchar_t* side; } rows[] = {
        {90, 1, L"AVANT"}, {90, -1, L"ARRIERE"}, {135, 1, L"DROITE"}, {45, 1, L"GAUCHE"}, {315, -1, L"DROITE"},
        {-45, 1, L"GAUCHE"}, {-300, 1, L"AVANT"}, {90, 0, L"Avant"}, {-350, 1, L"Avant"}};
    for (const auto& row : rows) EXPECT_EQ(WallSideFromAngles(row.angle, row.sign), row.side) << row.angle;
}
