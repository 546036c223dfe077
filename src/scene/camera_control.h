// The race camera: it always looks at a target point on the circuit; the
// keys, the right-button drag and the wheel turn, tilt, zoom and pan it.
#pragma once

#include <irrlicht.h>

#include <string>

// Applies the held keys (their steps by the time elapsed, a step every
// sixtieth of a second), the drag, the wheel and the key back over the car
// to play once, then keeps the view over the circuit; called every frame by
// every frame loop of a race.
void CameraControl();

// Turns the camera about the vertical axis through its target.
void CamOrbit(float degrees);
// Raises or lowers the camera, between level with the target and 85 degrees
// above it, at the same distance.
void CamTilt(float degrees);
// Moves the camera towards (negative) or away from its target; refuses to
// come closer than 100 units, to pass the target, or to go farther than the
// whole circuit needs. True when it moved.
bool CamZoom(float distance);
// Moves camera and target together: "avant", "arriere", "gauche", "droite".
void CamPan(const std::wstring& direction, float distance);

// The camera 200 units right of and 400 behind the car's cell, 300 up,
// looking at the cell: where the race starts and "Centrer Caméra" goes.
void PlaceCameraNearCar(int car);

// Heading of the camera around its target, in degrees.
float CameraHeading(const irr::core::vector3df& position, const irr::core::vector3df& target);
