// Sideswipes: the light contacts of a car brushing another car or a wall
// along its move.
#pragma once

#include "rules/collision_event.h"
#include "rules/move_path.h"

// Adds the light contacts met along the (possibly shortened) path. The
// sideswipe rules are not in the game yet: no contact is found.
void DetectSideswipes(int car, const MovePath& path, bool spin, int spinSign,
                      CollisionEvents& events);

// Settles a light contact when the car reaches it.
void SettleSideswipe(int car, const CollisionEvent& event);
