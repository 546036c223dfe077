// Which side of a car a collision meets, from the angles of the move, the
// wall and the cars' headings.
#pragma once

#include <string>

// The side of a car that meets a wall. `rel` is the wall's normal angle
// less the car's heading; `b` tells on which side of the wall the car came
// from (its sign only counts). "Avant" when no rule applies.
std::wstring WallSideFromAngles(double rel, double b);

// The side of a car hit by another car, from the angle of the blow relative
// to its heading, rounded to whole degrees: one of the four sides, or on an
// exact corner "AVANT ou DROITE", "DROITE ou ARRIERE", "ARRIERE ou GAUCHE",
// "GAUCHE ou AVANT".
std::wstring HitCarSide(double angle);

// The side of the moving car that meets the other car, from the angle of
// its travel relative to its heading (no rounding, corners go to front and
// rear).
std::wstring PushingCarSide(double angle);

// For a corner value, its two sides (first, second); false for a plain side.
bool CornerSides(const std::wstring& side, std::wstring& first, std::wstring& second);

// One of two sides by a coin flip: the first, else the second.
std::wstring EitherSide(const std::wstring& first, const std::wstring& second);

// Of two sides of car `car`, the one with more structure left; a coin flip
// between equals.
std::wstring StrongerSide(int car, const std::wstring& first, const std::wstring& second);

// An angle brought into [0, 360] by whole turns.
double IntoFullTurn(double angle);
