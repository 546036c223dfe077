#include "rules/sideswipes.h"

void DetectSideswipes(int, const MovePath&, bool, int, CollisionEvents&) {}

void SettleSideswipe(int, const CollisionEvent&) {}
