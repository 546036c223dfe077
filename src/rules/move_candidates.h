// The nine cells a car can reach by inertia, shown as cross markers.
#pragma once

struct CellStep {
    int x = 0;
    int y = 0;
};

// The car's inertial step, each component replaced by its forced destination
// when a push set one.
CellStep InertialStep(int car);

// The unit step of the 45-degree sector a node's rotation faces: (0, 1)
// from 0 to 22.5 degrees, (1, 1) up to 67.5, and so on round.
CellStep FacingStep(float rotationY);

// The Nitro step of a car standing still, from the heading its node faces.
CellStep NitroStepFromHeading(float rotationY);

// Fills markers 1..9 with the cells around the car's cell plus its step
// multiplied by `stepFactor` (2 for Nitro), in the light shade of its
// colour, shown, placed and named.
void BuildCandidates(int car, int stepFactor);
