// "Voir risques": what a move would meet, found by the rules' own detection
// of collisions and oil before anything is settled, shown on the crosses.
#pragma once

struct MoveRisk {
    bool wall = false;  // into a wall, or brushing one
    bool car = false;   // into a car, or brushing one
    bool oil = false;   // over oil
    bool Any() const { return wall || car || oil; }
};

// What car `car`'s move to the cell (cellX, cellY) would meet. Nothing is
// settled, drawn or changed, and no die is drawn.
MoveRisk RiskOfMove(int car, int cellX, int cellY);

// Colours the crosses shown to car `car`: each one the car's shade as the
// choice colours it (the selected one darker), and when `risks`, each one
// whose move meets a wall, a car or oil in the risk colour.
void ColourCrosses(int car, bool risks);
