// Angles on the board: the side rules' angle convention and the heading a
// car takes after a move, shared by the rules and the frame drawing.
#pragma once

// Angle of a ground vector in degrees in [0, 360): (1, 0) gives 0, (0, -1)
// gives 90, (-1, 0) gives 180, (0, 1) gives 270.
double PlanarAngle(double x, double y);

// Heading from one cell to another in degrees, 0 facing increasing rows and
// 90 increasing columns, as the car's node is turned.
double Heading(float x1, float y1, float x2, float y2);
