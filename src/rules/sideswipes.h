// Sideswipes: the light contacts of a car brushing another car or a wall
// along its move, found by replaying the move and settled as the car
// reaches them; the driver may try to avoid them.
#pragma once

#include "rules/collision_event.h"
#include "rules/move_path.h"

// How contacts are searched. Both find the same contacts: the pre-check
// only leaves out the bodies, steps and edges that cannot touch.
enum class ContactSearch { PreChecked, EveryEdge };

// Replays the (possibly shortened) path of car `car` step by step, its node
// placed and turned as the animated pass will show it, and adds an event
// for each car it brushes and each wall it runs along. The node is put back
// as it was.
void DetectSideswipes(int car, const MovePath& path, bool spin, int spinSign,
                      CollisionEvents& events, ContactSearch search = ContactSearch::PreChecked);

// Settles a light contact when the car reaches it: an avoidance test, and
// damage when it fails.
void SettleSideswipe(int car, const CollisionEvent& event);
