// Picking a car with the mouse: the model the engine finds under the
// cursor, or else the model showing nearest to it.
#pragma once

#include <irrlicht.h>

#include <functional>

// Where car `car`'s model stands; its cell at the cars' height when it has
// no model.
irr::core::vector3df CarModelPosition(int car);

// The car whose model the engine's bounding-box pick finds under the
// cursor, when `wanted` accepts it; otherwise the car accepted by `nearby`
// whose model shows nearest to the cursor, less than 50 pixels away; -1
// when there is none.
int PickCarUnderCursor(const std::function<bool(int)>& wanted,
                       const std::function<bool(int)>& nearby);
