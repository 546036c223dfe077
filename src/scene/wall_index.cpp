#include "scene/wall_index.h"

#include <algorithm>
#include <cfloat>
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
// A segment that crosses a plain cut with both pairs of ends at least this
// far on either side of the other's line meets the face well inside it,
// well inside the segment: the engine's test would say so.
constexpr double kSure = 0.05;
// A plain cut: its face stands upright (the normal at most 30 degrees off
// the ground plane) and the cut meets the face's edges at angles whose sine
// is at least this, so a point kSure inside the cut lies clearly inside the
// face whatever the rounding.
constexpr double kPlainSine = 0.2;
constexpr double kUprightNormalY = 0.5;

struct Point2 {
    double x, z;
};

// The sine of the angle between two directions.
double Sine(const core::vector3d<double>& u, const core::vector3d<double>& v) {
    const double lengths = u.getLength() * v.getLength();
    return lengths > 0 ? u.crossProduct(v).getLength() / lengths : 0;
}

core::vector3d<double> Double(const core::vector3df& v) { return {v.X, v.Y, v.Z}; }

// Where a face meets height 0: its two farthest points there. False when it
// does not reach height 0, or lies flat on it (a ray at height 0 runs in its
// plane and the engine never meets it). `plain` as the constants above say.
bool CutAtHeightZero(const core::triangle3df& face, Point2& a, Point2& b, bool& plain) {
    const core::vector3df corners[3] = {face.pointA, face.pointB, face.pointC};
    if (corners[0].Y == 0 && corners[1].Y == 0 && corners[2].Y == 0) return false;
    std::vector<Point2> points;
    std::vector<core::vector3d<double>> edges;  // the edges crossing height 0
    bool cornerOnZero = false;
    for (int i = 0; i < 3; ++i) {
        const core::vector3df& p = corners[i];
        const core::vector3df& q = corners[(i + 1) % 3];
        if (p.Y == 0) {
            points.push_back({p.X, p.Z});
            cornerOnZero = true;
        }
        if ((p.Y < 0 && q.Y > 0) || (p.Y > 0 && q.Y < 0)) {
            const double t = static_cast<double>(p.Y) / (static_cast<double>(p.Y) - q.Y);
            points.push_back({p.X + t * (static_cast<double>(q.X) - p.X), p.Z + t * (static_cast<double>(q.Z) - p.Z)});
            edges.push_back(Double(q) - Double(p));
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
    const core::vector3d<double> cut(b.x - a.x, 0, b.z - a.z);
    core::vector3d<double> normal = Double(face.getNormal());
    plain = !cornerOnZero && edges.size() == 2 && normal.getLength() > 0 &&
            std::fabs(normal.normalize().Y) < kUprightNormalY && Sine(cut, edges[0]) >= kPlainSine &&
            Sine(cut, edges[1]) >= kPlainSine;
    return true;
}

// The column (or row) of the grid holding a coordinate, clamped to the grid.
int GridLine(double v, double origin, int count) {
    const double g = (v - origin) / kGridCell;
    if (!(g > 0)) return 0;
    if (g >= count - 1) return count - 1;
    return static_cast<int>(g);
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

// The values beyond `limit` on either side.
bool EitherSideBeyond(double s1, double s2, double limit) {
    return (s1 > limit && s2 < -limit) || (s1 < -limit && s2 > limit);
}
}  // namespace

enum class Meeting { Apart, Close, Crossing };

// A questioned segment, in doubles for the grid and as the engine's ray.
struct WallIndex::Question {
    Question(f32 x1, f32 z1, f32 x2, f32 z2)
        : x1(x1), z1(z1), x2(x2), z2(z2), dx(x2 - this->x1), dz(z2 - this->z1),
          length(std::sqrt(dx * dx + dz * dz)), ray({x1, 0, z1}, {x2, 0, z2}),
          direction(ray.getVector().normalize()), lengthSQ(ray.getLengthSQ()),
          minX(std::min(x1, x2)), maxX(std::max(x1, x2)), minZ(std::min(z1, z2)),
          maxZ(std::max(z1, z2)) {}

    // Whether the cut stays clear of the segment, may come within kNear of
    // it, or crosses it with kSure to spare.
    Meeting Meet(const Cut& c) const {
        if (std::max(c.ax, c.bx) < minX - kNear || std::min(c.ax, c.bx) > maxX + kNear ||
            std::max(c.az, c.bz) < minZ - kNear || std::min(c.az, c.bz) > maxZ + kNear)
            return Meeting::Apart;
        const double s1 = Side(x1, z1, dx, dz, c.ax, c.az), s2 = Side(x1, z1, dx, dz, c.bx, c.bz);
        if (SameSideBeyond(s1, s2, kNear * length)) return Meeting::Apart;
        const double ex = c.bx - c.ax, ez = c.bz - c.az;
        const double r1 = Side(c.ax, c.az, ex, ez, x1, z1), r2 = Side(c.ax, c.az, ex, ez, x2, z2);
        if (SameSideBeyond(r1, r2, kNear * c.length)) return Meeting::Apart;
        if (EitherSideBeyond(s1, s2, kSure * length) && EitherSideBeyond(r1, r2, kSure * c.length))
            return Meeting::Crossing;
        return Meeting::Close;
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
        Point2 a{0, 0}, b{0, 0};
        bool plain = false;
        if (!CutAtHeightZero(faces[i], a, b, plain)) continue;
        cuts_.push_back({a.x, a.z, b.x, b.z, std::hypot(b.x - a.x, b.z - a.z), plain, faces[i],
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
        const int c1 = Column(std::max(c.ax, c.bx) + kMargin), r1 = Row(std::max(c.az, c.bz) + kMargin);
        for (int col = Column(std::min(c.ax, c.bx) - kMargin); col <= c1; ++col)
            for (int row = Row(std::min(c.az, c.bz) - kMargin); row <= r1; ++row)
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

int WallIndex::Column(double x) const { return GridLine(x, originX_, columns_); }
int WallIndex::Row(double z) const { return GridLine(z, originZ_, rows_); }

template <typename NearFn>
bool WallIndex::ForEachNearCut(const Question& q, NearFn near) const {
    if (cuts_.empty() || q.lengthSQ == 0) return false;
    if (++questions_ == 0) {  // the stamps wrapped round
        std::fill(seenAt_.begin(), seenAt_.end(), 0);
        questions_ = 1;
    }
    const double left = std::min(q.x1, q.x2) - kMargin, right = std::max(q.x1, q.x2) + kMargin;
    const int lastColumn = Column(right);
    for (int col = Column(left); col <= lastColumn; ++col) {
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
        const int lastRow = Row(zb + kMargin);
        for (int r = Row(za - kMargin); r <= lastRow; ++r) {
            const size_t cell = static_cast<size_t>(r) * static_cast<size_t>(columns_) + static_cast<size_t>(col);
            for (uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                const uint32_t i = cellCuts_[k];
                if (seenAt_[i] == questions_) continue;
                seenAt_[i] = questions_;
                const Meeting meeting = q.Meet(cuts_[i]);
                if (meeting != Meeting::Apart && near(cuts_[i], meeting)) return true;
            }
        }
    }
    return false;
}

bool WallIndex::SegmentHits(f32 x1, f32 z1, f32 x2, f32 z2) const {
    const Question q(x1, z1, x2, z2);
    core::vector3df point;
    f32 distanceSQ;
    return ForEachNearCut(q, [&](const Cut& c, Meeting meeting) {
        return (c.plain && meeting == Meeting::Crossing) || q.EngineHit(c.face, point, distanceSQ);
    });
}

bool WallIndex::FirstHit(f32 x1, f32 z1, f32 x2, f32 z2, core::vector3df& hit,
                         core::triangle3df& face) const {
    const Question q(x1, z1, x2, z2);
    f32 nearest = FLT_MAX;
    uint32_t nearestOrder = 0;
    bool found = false;
    ForEachNearCut(q, [&](const Cut& c, Meeting) {
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
