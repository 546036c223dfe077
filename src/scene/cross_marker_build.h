// The hidden cross markers built with the circuit scene.
#pragma once

struct CrossMarker;

// Adds the marker's node from the cross mesh: unlit, red, named "Croix",
// hidden, not selected. False when the game has no cross mesh.
bool BuildCrossMarker(CrossMarker& marker);
