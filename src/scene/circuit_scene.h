// The 3D scene of a race, built once per process behind the loading screen
// from the circuit data and the cars of the race setup.
#pragma once

#include <string>
#include <vector>

// Builds the scene: starting order, cars, cross markers, circuit with its
// wall selector, camera, explosion, skid and hourglass images, then decor
// and spectators when decor is enabled. Returns false, with a message naming
// the file in `error`, when a car, marker or circuit mesh cannot be loaded:
// the race cannot start then.
bool BuildCircuitScene(std::wstring& error);

// The starting order: car indices 1..carCount (entry 0 unused) sorted by
// mass * 10000 + number of gadgets, lightest first, equals in their order.
std::vector<int> StartingOrder();
// Puts the cars in the starting order and numbers them.
void ReorderCarsForStart();

// Steps of the loading bar: the cars, the markers, the circuit, and with
// decor the decor items and the crowd groups.
int LoadingStepCount();
