#include "scene/wall_index.h"

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <cmath>

using namespace irr;

namespace {
// Grid cells as large as the circuit's cells, their edges on the cell
// centres, so a wall between two cells lies inside one column or row.
constexpr double kGridCell = 100;
// A cut nearer than this to a questioned segment goes to the engine's test,
// which accepts points a little outside a face (well under this).
constexpr double kNear = 0.01;
// Cuts are filed, and questions look, this far around them.
constexpr double kMargin = 0.05;

struct Point2 {
    double x, z;
};

// Where a face meets height 0: its two farthest points there. False when it
// does not reach height 0, or lies flat on it (a ray at height 0 runs in its
// plane and the engine never meets it).
bool CutAtHeightZero(const core::triangle3df& face, Point2& a, Point2& b) {
    const core::vector3df corners[3] = {face.pointA, face.pointB, face.pointC};
    if (corners[0].Y == 0 && corners[1].Y == 0 && corners[2].Y == 0) return false;
    std::vector<Point2> points;
    for (int i = 0; i < 3; ++i) {
        const core::vector3df& p = corners[i];
        const core::vector3df& q = corners[(i + 1) % 3];
        if (p.Y == 0) points.push_back({p.X, p.Z});
        if ((p.Y < 0 && q.Y > 0) || (p.Y > 0 && q.Y < 0)) {
            const double t = static_cast<double>(p.Y) / (static_cast<double>(p.Y) - q.Y);
            points.push_back({p.X + t * (static_cast<double>(q.X) - p.X), p.Z + t * (static_cast<double>(q.Z) - p.Z)});
        }
    }
    if (points.empty()) return false;
    a = b = points[0];
    double farthest = -1;
    for (const Point2& p : points)
        for (const Point2& q : points) {
            const double d = (p.x - q.x) * (p.x - q.x) + (p.z - q.z) * (p.z - q.z);
            if (d > farthest) {
                farthest = d;
                a = p;
                b = q;
            }
        }
    return true;
}

// (dx, dz) x (p - o): which side of the line through o the point p lies on,
// times the line's length.
double Side(double ox, double oz, double dx, double dz, double px, double pz) {
    return dx * (pz - oz) - dz * (px - ox);
}

// The engine rounds the point where a ray meets a face's plane to single
// precision before it asks whether the face holds it; the compiler, having
// the whole computation in view here, could otherwise hand the unrounded
// value on.
void StoreSinglePrecision(core::vector3df& point) { __asm__ volatile("" : "+m"(point)); }

// Both values beyond `limit` on the same side.
bool SameSideBeyond(double s1, double s2, double limit) {
    return (s1 > limit && s2 > limit) || (s1 < -limit && s2 < -limit);
}
}  // namespace

// A questioned segment, in doubles for the grid and as the engine's ray.
struct WallIndex::Question {
    Question(f32 x1, f32 z1, f32 x2, f32 z2)
        : x1(x1), z1(z1), x2(x2), z2(z2), dx(x2 - this->x1), dz(z2 - this->z1),
          length(std::hypot(dx, dz)), ray({x1, 0, z1}, {x2, 0, z2}),
          direction(ray.getVector().normalize()), lengthSQ(ray.getLengthSQ()),
          minX(std::min(x1, x2)), maxX(std::max(x1, x2)), minZ(std::min(z1, z2)),
          maxZ(std::max(z1, z2)) {}

    // Whether the cut may come within kNear of the segment.
    bool Near(const Cut& c) const {
        if (SameSideBeyond(Side(x1, z1, dx, dz, c.ax, c.az), Side(x1, z1, dx, dz, c.bx, c.bz), kNear * length))
            return false;
        const double ex = c.bx - c.ax, ez = c.bz - c.az;
        return !SameSideBeyond(Side(c.ax, c.az, ex, ez, x1, z1), Side(c.ax, c.az, ex, ez, x2, z2),
                               kNear * c.length);
    }

    // The engine's own test of a ray against one face: the face's box
    // against the ray's, the face's plane met inside the face, and the
    // point strictly nearer to both ends than they are to each other.
    bool EngineHit(const core::triangle3df& f, core::vector3df& point, f32& distanceSQ) const {
        const core::vector3df& a = f.pointA;
        const core::vector3df& b = f.pointB;
        const core::vector3df& c = f.pointC;
        if ((minX > a.X && minX > b.X && minX > c.X) || (maxX < a.X && maxX < b.X && maxX < c.X) ||
            (0 > a.Y && 0 > b.Y && 0 > c.Y) || (0 < a.Y && 0 < b.Y && 0 < c.Y) ||
            (minZ > a.Z && minZ > b.Z && minZ > c.Z) || (maxZ < a.Z && maxZ < b.Z && maxZ < c.Z))
            return false;
        if (!f.getIntersectionOfPlaneWithLine(ray.start, direction, point)) return false;
        StoreSinglePrecision(point);
        if (!f.isPointInside(point)) return false;
        distanceSQ = point.getDistanceFromSQ(ray.start);
        return distanceSQ < lengthSQ && point.getDistanceFromSQ(ray.end) < lengthSQ;
    }

    double x1, z1, x2, z2, dx, dz, length;
    core::line3df ray;
    core::vector3df direction;
    f32 lengthSQ;
    f32 minX, maxX, minZ, maxZ;
};

void WallIndex::Build(const std::vector<core::triangle3df>& faces) {
    cuts_.clear();
    for (size_t i = 0; i < faces.size(); ++i) {
        Point2 a, b;
        if (!CutAtHeightZero(faces[i], a, b)) continue;
        cuts_.push_back({a.x, a.z, b.x, b.z, std::hypot(b.x - a.x, b.z - a.z), faces[i],
                         static_cast<uint32_t>(i)});
    }
    double minX = 0, minZ = 0, maxX = 0, maxZ = 0;
    for (size_t i = 0; i < cuts_.size(); ++i) {
        const Cut& c = cuts_[i];
        if (i == 0) {
            minX = maxX = c.ax;
            minZ = maxZ = c.az;
        }
        minX = std::min({minX, c.ax, c.bx});
        maxX = std::max({maxX, c.ax, c.bx});
        minZ = std::min({minZ, c.az, c.bz});
        maxZ = std::max({maxZ, c.az, c.bz});
    }
    originX_ = std::floor((minX - kMargin) / kGridCell) * kGridCell;
    originZ_ = std::floor((minZ - kMargin) / kGridCell) * kGridCell;
    columns_ = static_cast<int>((maxX + kMargin - originX_) / kGridCell) + 1;
    rows_ = static_cast<int>((maxZ + kMargin - originZ_) / kGridCell) + 1;
    if (cuts_.empty()) columns_ = rows_ = 0;

    std::vector<std::vector<uint32_t>> cells(static_cast<size_t>(columns_) * static_cast<size_t>(rows_));
    for (uint32_t i = 0; i < cuts_.size(); ++i) {
        const Cut& c = cuts_[i];
        int c0, r0, c1, r1;
        GridCell(std::min(c.ax, c.bx) - kMargin, std::min(c.az, c.bz) - kMargin, c0, r0);
        GridCell(std::max(c.ax, c.bx) + kMargin, std::max(c.az, c.bz) + kMargin, c1, r1);
        for (int col = c0; col <= c1; ++col)
            for (int row = r0; row <= r1; ++row)
                cells[static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(col)].push_back(i);
    }
    cellStart_.assign(1, 0);
    cellCuts_.clear();
    for (const std::vector<uint32_t>& cell : cells) {
        cellCuts_.insert(cellCuts_.end(), cell.begin(), cell.end());
        cellStart_.push_back(static_cast<uint32_t>(cellCuts_.size()));
    }
    seenAt_.assign(cuts_.size(), 0);
    questions_ = 0;
}

// The grid cell of a point, clamped to the grid; false when the point lies
// outside it.
bool WallIndex::GridCell(double x, double z, int& column, int& row) const {
    const double gx = std::floor((x - originX_) / kGridCell), gz = std::floor((z - originZ_) / kGridCell);
    column = static_cast<int>(std::clamp(gx, 0.0, static_cast<double>(columns_ - 1)));
    row = static_cast<int>(std::clamp(gz, 0.0, static_cast<double>(rows_ - 1)));
    return gx == column && gz == row;
}

template <typename NearFn>
bool WallIndex::ForEachNearCut(const Question& q, NearFn near) const {
    if (cuts_.empty() || q.lengthSQ == 0) return false;
    if (++questions_ == 0) {  // the stamps wrapped round
        std::fill(seenAt_.begin(), seenAt_.end(), 0);
        questions_ = 1;
    }
    const double left = std::min(q.x1, q.x2) - kMargin, right = std::max(q.x1, q.x2) + kMargin;
    int c0, c1, row;
    GridCell(left, q.z1, c0, row);
    GridCell(right, q.z1, c1, row);
    for (int col = c0; col <= c1; ++col) {
        // The stretch of the segment over this column, widened by the margin.
        const double x0 = std::max(left, originX_ + col * kGridCell);
        const double x1 = std::min(right, originX_ + (col + 1) * kGridCell);
        double za = std::min(q.z1, q.z2), zb = std::max(q.z1, q.z2);
        if (std::fabs(q.dx) > kMargin) {
            const double t0 = std::clamp((x0 - q.x1) / q.dx, 0.0, 1.0);
            const double t1 = std::clamp((x1 - q.x1) / q.dx, 0.0, 1.0);
            za = std::min(q.z1 + t0 * q.dz, q.z1 + t1 * q.dz);
            zb = std::max(q.z1 + t0 * q.dz, q.z1 + t1 * q.dz);
        }
        int r0, r1, column;
        GridCell(x0, za - kMargin, column, r0);
        GridCell(x0, zb + kMargin, column, r1);
        for (int r = r0; r <= r1; ++r) {
            const size_t cell = static_cast<size_t>(r) * static_cast<size_t>(columns_) + static_cast<size_t>(col);
            for (uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                const uint32_t i = cellCuts_[k];
                if (seenAt_[i] == questions_) continue;
                seenAt_[i] = questions_;
                if (q.Near(cuts_[i]) && near(cuts_[i])) return true;
            }
        }
    }
    return false;
}

bool WallIndex::SegmentHits(f32 x1, f32 z1, f32 x2, f32 z2) const {
    const Question q(x1, z1, x2, z2);
    core::vector3df point;
    f32 distanceSQ;
    return ForEachNearCut(q, [&](const Cut& c) { return q.EngineHit(c.face, point, distanceSQ); });
}

bool WallIndex::FirstHit(f32 x1, f32 z1, f32 x2, f32 z2, core::vector3df& hit,
                         core::triangle3df& face) const {
    const Question q(x1, z1, x2, z2);
    f32 nearest = FLT_MAX;
    uint32_t nearestOrder = 0;
    bool found = false;
    ForEachNearCut(q, [&](const Cut& c) {
        core::vector3df point;
        f32 distanceSQ;
        if (!q.EngineHit(c.face, point, distanceSQ)) return false;
        // The engine keeps the first face it lists at the least distance.
        if (!found || distanceSQ < nearest || (distanceSQ == nearest && c.order < nearestOrder)) {
            found = true;
            nearest = distanceSQ;
            nearestOrder = c.order;
            hit = point;
            face = c.face;
        }
        return false;
    });
    return found;
}
