// The circuit's optional decor items and spectator crowds. A decor or
// spectator mesh that cannot be loaded is left out.
#pragma once

struct DecorItem;
struct CrowdGroup;

// Builds decor item `item` (its node stays null when its mesh is missing).
void BuildDecorItem(DecorItem& item);
// Builds every spectator of the group, each of a model drawn at random.
void BuildCrowdGroup(CrowdGroup& group);

// A uniform draw in 1..n with the die formula, or 0 when the range is empty
// (n < 1), as a box or a speed range of zero width gives.
int UniformOffset(int n);
