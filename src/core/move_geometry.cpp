#include "core/move_geometry.h"

#include <cmath>

double PlanarAngle(double x, double y) {
    double angle = std::atan2(-y, x) * 180.0 / M_PI;
    if (angle < 0) angle += 360.0;
    if (angle >= 360.0) angle -= 360.0;
    return angle;
}

double Heading(float x1, float y1, float x2, float y2) {
    const double dy = std::fabs(y2 - y1);
    const double a = (dy == 0 ? M_PI / 2 : std::atan(std::fabs(x2 - x1) / dy)) * 57.2;
    double heading = a;
    if (x1 > x2 && y1 < y2) heading = 360 - a;
    if (x1 > x2 && y1 > y2) heading = 180 + a;
    if (x1 < x2 && y1 > y2) heading = 180 - a;
    if (x1 == x2 && y1 < y2) heading = 0;
    if (x1 == x2 && y1 > y2) heading = 180;
    if (x1 < x2 && y1 == y2) heading = 90;
    if (x1 > x2 && y1 == y2) heading = 270;
    return heading;
}
