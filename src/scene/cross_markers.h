// The cross markers that show candidate cells: placing, showing, naming and
// colouring them.
#pragma once

#include <string>

#include "core/game_state.h"

// Scene-node id bits of the nodes the mouse can pick. The choice of a cross
// looks at markers only, so a car standing over its own cell does not hide
// the cross beneath it; a right click looks at cars only.
constexpr irr::s32 kCarPickId = 1;
constexpr irr::s32 kMarkerPickId = 2;

// "Croix" + the number on three digits: Croix001 .. Croix099.
std::wstring MarkerName(int k);

void PlaceMarker(CrossMarker& marker);  // on its cell, at height -3
void ShowMarker(CrossMarker& marker);
void HideMarker(CrossMarker& marker);
void SetMarkerName(CrossMarker& marker, const std::wstring& name);
// Puts "\data\" + word + ".bmp" on every material; an unknown word changes
// nothing.
void SetMarkerColour(CrossMarker& marker, const std::wstring& word);
// Puts the risk colour (orange and black stripes) on the marker: its move
// meets a wall, a car or oil.
void MarkRiskyMarker(CrossMarker& marker);
bool MarkerMarkedRisky(const CrossMarker& marker);

// Markers 1..9 on the nine cells around (centreX, centreY), column by
// column (marker 1 at centre - (1, 1), 5 on the centre, 9 at centre +
// (1, 1)), coloured with the word, shown, placed and named.
void ShowMarkerBlock(int centreX, int centreY, const std::wstring& colourWord);

// Markers 1..9 all unselected and hidden, as a choice leaves them.
void HideChoiceMarkers();
// Marker k selected in the car's own colour, the others in its light shade.
void SelectMarker(int k, const std::wstring& colourName);

// The marker of the nine that a digit of the numeric keypad stands for, as
// the crosses appear on screen from the camera: 8 the one shown above the
// centre, 6 the one on its right, 5 the centre (the inertial cell), and so
// round. The eight around the centre are matched to the eight keys around 5
// in the order they show on screen, turned to fit best.
int MarkerOfPadDigit(int digit);
