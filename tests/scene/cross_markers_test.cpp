// The cross markers: their names, and where they stand once placed.
#include "scene/cross_markers.h"

#include "support/race_fixture.h"

TEST(CrossMarkers, NamesKeepThreeDigits) {
    EXPECT_EQ(MarkerName(1), L"Croix001");
    EXPECT_EQ(MarkerName(9), L"Croix009");
    EXPECT_EQ(MarkerName(99), L"Croix099");
}

TEST_F(RaceTest, APlacedMarkerStandsOnItsCellBeforeAnyFrame) {
    // A message anchored on a marker (the skid's "Vous dérapez ici") reads its
    // position at once: it must be the new cell, not the last drawn place.
    CrossMarker& marker = game.crossMarkers[3];
    marker.cellX = 7;
    marker.cellY = 4;
    PlaceMarker(marker);
    EXPECT_EQ(marker.node->getAbsolutePosition(), irr::core::vector3df(700, -3, 400));
}
