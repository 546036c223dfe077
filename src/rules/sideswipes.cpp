#include "rules/sideswipes.h"

#include <algorithm>
#include <cmath>

#include "core/game_state.h"
#include "core/move_geometry.h"
#include "rules/impact_sides.h"
#include "rules/wall_line.h"
#include "scene/body_contacts.h"
#include "scene/race_frame.h"
#include "scene/wall_triangles.h"

using namespace irr;

namespace {
// The moving car's body at one step of the replay; its edges are laid out
// only when a contact is looked for along them.
struct Body {
    PlacedBody placed;
    core::vector3df position;
    f32 heading = 0;
    const std::vector<core::line3df>& Edges() const {
        if (!edgesLaid) EdgesOf(placed, edges);
        edgesLaid = true;
        return edges;
    }
    const core::aabbox3df& Box() const { return placed.box; }
    mutable std::vector<core::line3df> edges;
    mutable bool edgesLaid = false;
};

// Puts the node back where the replay found it.
class NodeKeeper {
public:
    explicit NodeKeeper(scene::ISceneNode* node)
        : node_(node), position_(node->getPosition()), rotation_(node->getRotation()) {}
    ~NodeKeeper() {
        node_->setPosition(position_);
        node_->setRotation(rotation_);
        node_->updateAbsolutePosition();
    }
    NodeKeeper(const NodeKeeper&) = delete;
    NodeKeeper& operator=(const NodeKeeper&) = delete;

private:
    scene::ISceneNode* node_;
    core::vector3df position_, rotation_;
};

bool TouchesCar(const Body& body, const CarRecord& other, ContactSearch search) {
    scene::IAnimatedMeshSceneNode* node = other.sceneNode;
    if (!node || !node->getTriangleSelector()) return false;
    if (search == ContactSearch::EveryEdge)
        return FirstEdgeContact(body.Edges(), node->getTriangleSelector()).touches;
    const std::vector<core::aabbox3df> near = {Widened(node->getTransformedBoundingBox())};
    if (!Widened(body.Box()).intersectsWithBox(near[0])) return false;
    return FirstEdgeContact(body.Edges(), node->getTriangleSelector(), &near).touches;
}

BodyContact TouchesWalls(const Body& body, ContactSearch search) {
    if (search == ContactSearch::EveryEdge) return FirstEdgeContact(body.Edges(), WallSelector());
    const core::aabbox3df around = Widened(body.Box());
    std::vector<core::aabbox3df> near;
    for (const core::aabbox3df& box : WidenedWallTriangleBoxes())
        if (around.intersectsWithBox(box)) near.push_back(box);
    if (near.empty()) return {};
    return FirstEdgeContact(body.Edges(), WallSelector(), &near);
}

bool HeavyImpactWith(const CollisionEvents& events, int other) {
    for (const CollisionEvent& e : events)
        if (e.kind == CollisionKind::HeavyCar && e.otherCar == other) return true;
    return false;
}

bool AnyTriggerBetween(const CollisionEvents& events, f32 from, f32 to) {
    for (const CollisionEvent& e : events)
        if (e.triggerDistance >= from && e.triggerDistance <= to) return true;
    return false;
}

// The contact of the mover with one other car during the move.
struct CarContact {
    f32 tIn = -1;
    core::vector3df at;  // the mover's place when the contact began
    f32 heading = 0;     // and its heading
    bool sideswiped = false;
};

// The contact of the mover with the walls.
struct WallContact {
    f32 tIn = -1;
    core::vector3df at;
    f32 heading = 0;
    BodyContact touched;
};

class SideswipeSearch {
public:
    SideswipeSearch(int mover, const MovePath& path, CollisionEvents& events, ContactSearch search)
        : mover_(mover), path_(path), events_(events), search_(search),
          cars_(static_cast<size_t>(game.carCount) + 1) {}

    void AtStep(const Body& body, f32 t, bool last) {
        for (int other = 1; other <= game.carCount; ++other)
            if (other != mover_) FollowCar(other, body, t, last);
        if (game.cars[mover_].inRace) FollowWalls(body, t, last);
    }

private:
    void FollowCar(int other, const Body& body, f32 t, bool last) {
        CarContact& c = cars_[static_cast<size_t>(other)];
        const bool touching = TouchesCar(body, game.cars[other], search_);
        if (touching && c.tIn < 0 && !c.sideswiped) c = {t, body.position, body.heading, false};
        if (c.tIn >= 0 && (!touching || last)) CloseCar(other, c, t - path_.step);
    }

    void CloseCar(int other, CarContact& c, f32 tOut) {
        if (!HeavyImpactWith(events_, other) && c.tIn != 1.0f) {
            events_.push_back(CarSideswipe(other, c, tOut));
            c.sideswiped = true;
        }
        c.tIn = -1;
    }

    CollisionEvent CarSideswipe(int other, const CarContact& c, f32 tOut) const {
        const CarRecord& a = game.cars[mover_];
        const CarRecord& b = game.cars[other];
        CollisionEvent event;
        event.kind = CollisionKind::LightCar;
        event.otherCar = other;
        event.triggerDistance = (c.tIn + tOut) / 2;
        event.damageToMover = std::max(b.mass / 2, 1);
        event.damageToOther = std::max(a.mass / 2, 1);
        const f32 cell = static_cast<f32>(game.circuit.cellSize);
        const core::vector2df x = Ground(c.at), y(b.cellX * cell, b.cellY * cell);
        // On an exact corner the brushed car, like the mover, takes it on its
        // front or its rear.
        event.otherSide =
            PushingCarSide(IntoFullTurn(PlanarAngle(x.X - y.X, x.Y - y.Y) + 90 - b.Heading()));
        event.moverSide =
            PushingCarSide(IntoFullTurn(PlanarAngle(y.X - x.X, y.Y - x.Y) + 90 - c.heading));
        return event;
    }

    void FollowWalls(const Body& body, f32 t, bool last) {
        const BodyContact touched = TouchesWalls(body, search_);
        if (touched.touches && wall_.tIn < 0 && !AlreadySideswiped(touched.triangle))
            wall_ = {t, body.position, body.heading, touched};
        if (wall_.tIn >= 0 && (!touched.touches || last)) CloseWall(t - path_.step, touched.touches && last);
    }

    bool AlreadySideswiped(const core::triangle3df& triangle) const {
        for (const core::triangle3df& done : sideswipedWalls_)
            if (done == triangle) return true;
        return false;
    }

    void CloseWall(f32 tOut, bool lastedToTheEnd) {
        if ((wall_.tIn != 1.0f || lastedToTheEnd) && !AnyTriggerBetween(events_, wall_.tIn, tOut)) {
            events_.push_back(WallSideswipe());
            sideswipedWalls_.push_back(wall_.touched.triangle);
        }
        wall_.tIn = -1;
    }

    CollisionEvent WallSideswipe() const {
        CollisionEvent event;
        event.kind = CollisionKind::LightWall;
        event.triggerDistance = wall_.tIn;
        const double speed = path_.length / static_cast<f32>(game.circuit.cellSize);
        event.damageToMover = std::max(static_cast<int>(std::floor(speed / 2)), 1);
        const core::vector3df point = wall_.touched.point;
        const core::vector2df travel = Ground(point) - Ground(path_.start);
        event.moverSide = SideMeetingWall(WallLineOf(WallTowardContact(), travel), wall_.heading,
                                          Ground(wall_.at));
        return event;
    }

    // The wall a ray from the start of the move toward the contact point
    // meets last as it grows to reach it: the nearest wall along it.
    core::triangle3df WallTowardContact() const {
        const core::vector3df point = wall_.touched.point;
        const core::vector3df from(path_.start.X, point.Y, path_.start.Z);
        const core::vector3df toward = point - from;
        const f32 length = std::ceil(toward.getLength()) + 1;
        if (toward.getLengthSQ() == 0 || !WallSelector()) return wall_.touched.triangle;
        const core::line3df ray(from, from + core::vector3df(toward).normalize() * length);
        core::vector3df hit;
        core::triangle3df triangle;
        scene::ISceneNode* node = nullptr;
        if (game.sceneManager->getSceneCollisionManager()->getCollisionPoint(ray, WallSelector(), hit,
                                                                             triangle, node))
            return triangle;
        return wall_.touched.triangle;
    }

    int mover_;
    const MovePath& path_;
    CollisionEvents& events_;
    ContactSearch search_;
    std::vector<CarContact> cars_;
    WallContact wall_;
    std::vector<core::triangle3df> sideswipedWalls_;
};
}  // namespace

void DetectSideswipes(int index, const MovePath& path, bool spin, int spinSign,
                      CollisionEvents& events, ContactSearch search) {
    scene::IAnimatedMeshSceneNode* node = game.cars[index].sceneNode;
    if (!node || path.length <= 0) return;
    NodeKeeper keeper(node);
    PlaceCarNodes();  // the other bodies where the game state has them
    SideswipeSearch search_(index, path, events, search);
    Body body;
    f32 heading = game.cars[index].heading;
    ForEachStep(path, [&](f32 t, bool last) {
        if (spin) heading += SpinPerStep(path, spinSign);
        node->setPosition(path.At(t));
        node->setRotation({0, heading, 0});
        node->updateAbsolutePosition();
        PlaceBody(node, body.placed);
        body.edgesLaid = false;
        body.position = node->getPosition();
        body.heading = heading;
        search_.AtStep(body, t, last);
        return true;
    });
}
