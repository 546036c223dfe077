#include "rules/wall_line.h"

#include "core/move_geometry.h"
#include "rules/impact_sides.h"

using namespace irr;

WallLine WallLineOf(const core::triangle3df& triangle, core::vector2df travel) {
    const core::vector2df corners[3] = {Ground(triangle.pointA), Ground(triangle.pointB),
                                        Ground(triangle.pointC)};
    WallLine line{corners[0], corners[1] - corners[0]};
    for (int i = 1; i < 3; ++i) {
        const core::vector2df edge = corners[(i + 1) % 3] - corners[i];
        if (edge.getLengthSQ() > line.vector.getLengthSQ()) line = {corners[i], edge};
    }
    if (line.vector.dotProduct(travel) < 0) line = {line.start + line.vector, -line.vector};
    return line;
}

std::wstring SideMeetingWall(const WallLine& wall, f32 heading, core::vector2df carAt) {
    const double a = PlanarAngle(wall.vector.X, wall.vector.Y) + 90;
    double h = heading;
    while (h > 360) h -= 360;
    double rel = a - h;
    while (rel > 360) rel -= 360;
    const core::vector2df q = carAt - wall.start;
    double b = PlanarAngle(q.X, q.Y) + 90 - a;
    if (b > 180)
        b -= 360;
    else if (b < -180)
        b += 360;
    return WallSideFromAngles(rel, b);
}
