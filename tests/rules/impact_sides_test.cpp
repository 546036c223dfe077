#include "rules/impact_sides.h"

#include <gtest/gtest.h>

TEST(ImpactSides, AHitCarTakesTheBlowOnASideOrChoosesOnAnExactCorner) {
    EXPECT_EQ(HitCarSide(0), L"AVANT");
    EXPECT_EQ(HitCarSide(44.4), L"AVANT");
    EXPECT_EQ(HitCarSide(44.6), L"AVANT ou DROITE");  // rounds to 45
    EXPECT_EQ(HitCarSide(45.5), L"AVANT ou DROITE");  // exactly .5 rounds down
    EXPECT_EQ(HitCarSide(90), L"DROITE");
    EXPECT_EQ(HitCarSide(135), L"DROITE ou ARRIERE");
    EXPECT_EQ(HitCarSide(180), L"ARRIERE");
    EXPECT_EQ(HitCarSide(225), L"ARRIERE ou GAUCHE");
    EXPECT_EQ(HitCarSide(270), L"GAUCHE");
    EXPECT_EQ(HitCarSide(315), L"GAUCHE ou AVANT");
    EXPECT_EQ(HitCarSide(359.7), L"AVANT");
}

TEST(ImpactSides, ThePushingCarMeetsWithItsFrontOrRearOnTheCorners) {
    EXPECT_EQ(PushingCarSide(45), L"AVANT");
    EXPECT_EQ(PushingCarSide(45.1), L"DROITE");
    EXPECT_EQ(PushingCarSide(135), L"ARRIERE");
    EXPECT_EQ(PushingCarSide(225), L"ARRIERE");
    EXPECT_EQ(PushingCarSide(225.1), L"GAUCHE");
    EXPECT_EQ(PushingCarSide(315), L"AVANT");
}

TEST(ImpactSides, CornersNameTheirTwoSidesFrontOrRearFirst) {
    std::wstring first, second;
    ASSERT_TRUE(CornerSides(L"DROITE ou ARRIERE", first, second));
    EXPECT_EQ(first, L"ARRIERE");
    EXPECT_EQ(second, L"DROITE");
    ASSERT_TRUE(CornerSides(L"GAUCHE ou AVANT", first, second));
    EXPECT_EQ(first, L"AVANT");
    EXPECT_EQ(second, L"GAUCHE");
    EXPECT_FALSE(CornerSides(L"AVANT", first, second));
}

TEST(ImpactSides, WallSideRowsLaterRowsWinOnTheirBoundaries) {
    EXPECT_EQ(WallSideFromAngles(90, 1), L"AVANT");
    EXPECT_EQ(WallSideFromAngles(90, -1), L"ARRIERE");
    EXPECT_EQ(WallSideFromAngles(135, 1), L"DROITE");   // 45..135 then 135..225
    EXPECT_EQ(WallSideFromAngles(45, 1), L"GAUCHE");    // 45..135 then 0..45
    EXPECT_EQ(WallSideFromAngles(315, -1), L"DROITE");  // 225..315 then 315..405
    EXPECT_EQ(WallSideFromAngles(-45, 1), L"GAUCHE");
    EXPECT_EQ(WallSideFromAngles(-300, 1), L"AVANT");
    EXPECT_EQ(WallSideFromAngles(90, 0), L"Avant");     // no sign: no rule
    EXPECT_EQ(WallSideFromAngles(-350, 1), L"Avant");   // no row
}
