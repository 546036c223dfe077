#include "rules/wall_impact.h"

#include <algorithm>
#include <cmath>

#include "core/checkpoints.h"
#include "core/game_state.h"
#include "rules/damage.h"
#include "rules/side_words.h"
#include "rules/trail_at_car.h"
#include "rules/wall_line.h"
#include "scene/explosion.h"
#include "scene/game_sounds.h"
#include "scene/wall_test.h"
#include "ui/car_message.h"

using namespace irr;

namespace {
constexpr double kPi = 3.14159;
constexpr f32 kMinBounceAngle = 20;
constexpr int kMinBounceLength = 120;


// The nearest of the four cells around a point, in their fixed order.
void NearestCell(core::vector2df point, int& cellX, int& cellY) {
    const int x = static_cast<int>(point.X), y = static_cast<int>(point.Y);
    const int candidates[4][2] = {{x, y}, {x, y + 1}, {x + 1, y + 1}, {x + 1, y}};
    f32 best = -1;
    for (const auto& c : candidates) {
        const f32 distance =
            core::vector2df(static_cast<f32>(c[0]), static_cast<f32>(c[1])).getDistanceFromSQ(point);
        if (best < 0 || distance < best) {
            best = distance;
            cellX = c[0];
            cellY = c[1];
        }
    }
}

// The first step of the path whose ray from the start reaches the hit. The
// steps' rays all leave from the start, and a longer one meets the walls
// whenever a shorter one does, so the ray of the whole path finds the hit
// and the step that first reaches it.
f32 FirstStepReaching(const MovePath& path, const core::vector3df& hit) {
    const core::vector2df start = Ground(path.start);
    const f32 reach = Ground(hit).getDistanceFromSQ(start);
    f32 at = path.length;
    ForEachStep(path, [&](f32 t, bool) {
        if (reach >= Ground(path.At(t)).getDistanceFromSQ(start)) return true;
        at = t;
        return false;
    });
    return at;
}

void Tell(int index, const std::wstring& text) {
    DiceDialogAboutCar(text, index);
}

void Crash(int index) {
    game.cars[index].inRace = 0;
    BurnOutCar(index);
}

void TakeSpeedAsDamage(int index, const CollisionEvent& event) {
    ApplyDamage(index, SideIndexOfWord(event.moverSide), event.damageToMover);
}

void SurviveAtOrBelowMass(int index) {
    const CarRecord& car = game.cars[index];
    Tell(index, IsComputerDriven(car)
                    ? L"Collision avec un mur à une vitesse inférieure ou égale à votre masse : " +
                          car.pilotName +
                          L" s'en sort mais encaisse néammoins des dégâts égaux à sa vitesse..."
                    : L"Collision avec un mur à une vitesse inférieure ou égale à votre masse : vous "
                      L"vous en sortez. Vous encaissez néammoins des dégâts égaux à votre vitesse...");
}

// Between the mass and 1.5 times it: a piloting test decides. True when the
// car survives.
bool PilotThroughTheBlow(int index) {
    const CarRecord& car = game.cars[index];
    const bool computer = IsComputerDriven(car);
    const std::wstring skill = std::to_wstring(car.drivingSkill);
    if (computer)
        Tell(index, car.pilotName +
                        L" rentre dans un mur à une vitesse comprise entre sa masse et 1.5 fois celle "
                        L"ci : il doit faire un test de pilotage pour s'en sortir.\n");
    const int roll = RollTestForCar(
        L"Collision avec un mur à une vitesse comprise entre votre masse et 1.5 fois celle ci : vous "
        L"devez faire un test de pilotage pour vous en sortir. \nVotre valeur de pilotage étant " +
            skill + L", vous devez faire " + skill + L" ou moins sur un dé à 20 faces.",
        index, car.drivingSkill, false);
    if (roll > car.drivingSkill) {
        Tell(index, computer ? L"Les talents de conduite de " + car.pilotName +
                                   L" ne lui auront pas suffit à survivre..."
                             : std::wstring(L"Vos talents de conduite n'auront pas suffit à survivre..."));
        return false;
    }
    Tell(index, computer ? car.pilotName +
                               L"réussit à gérer le choc, mais encaisse des dégâts égaux à sa vitesse..."
                         : std::wstring(L"Vous réussissez à gérer le choc, mais encaissez des dégâts "
                                        L"égaux à votre vitesse..."));
    return true;
}

void SettleBySeverity(int index, const CollisionEvent& event) {
    switch (event.wallSeverity) {
        case 0:
            SurviveAtOrBelowMass(index);
            TakeSpeedAsDamage(index, event);
            break;
        case 1:
            if (PilotThroughTheBlow(index))
                TakeSpeedAsDamage(index, event);
            else
                Crash(index);
            break;
        default:
            Tell(index,
                 L"Collision avec un mur à une vitesse supérieure à 1.5 fois votre masse : le crash "
                 L"est inévitable.");
            Crash(index);
    }
}
}  // namespace

WallBounce BounceOffWall(core::vector2df u, core::vector2df travel, core::vector2df wall,
                         core::vector2df impact, f32 remaining) {
    if (travel.getLengthSQ() == 0) travel = u;
    if (wall.getLengthSQ() == 0) wall = core::vector2df(-u.Y, u.X);
    const double cosine = std::clamp(
        static_cast<double>(travel.dotProduct(wall)) / (travel.getLength() * wall.getLength()), -1.0,
        1.0);
    f32 theta = static_cast<f32>(std::acos(cosine) * 180.0 / kPi);
    if (theta < kMinBounceAngle) theta = kMinBounceAngle;
    const int k = travel.Y * wall.X - travel.X * wall.Y <= 0 ? 1 : -1;
    WallBounce bounce;
    bounce.direction = u;
    bounce.direction.rotateBy(2.0 * k * theta);
    bounce.length = std::max(static_cast<int>(remaining), kMinBounceLength);
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    NearestCell((impact + bounce.direction * static_cast<f32>(bounce.length)) / cell, bounce.cellX,
                bounce.cellY);
    return bounce;
}

int WallSeverity(double speed, int mass) {
    if (speed <= mass) return 0;
    if (speed <= 1.5 * mass) return 1;
    return 2;
}

bool DetectWallImpact(int index, const MovePath& path, CollisionEvents& events) {
    core::vector3df hit;
    core::triangle3df triangle;
    if (path.length <= 0 ||
        !FirstWallHit(path.start.X, path.start.Z, path.end.X, path.end.Z, hit, triangle))
        return false;
    const f32 hitAt = FirstStepReaching(path, hit);

    const CarRecord& car = game.cars[index];
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const f32 e = path.step;
    CollisionEvent event;
    event.kind = CollisionKind::HeavyWall;
    event.triggerDistance = std::max(hitAt - e, 1.0f);
    event.impactX = hit.X;
    event.impactY = hit.Z;
    const core::vector2df before = Ground(path.At(hitAt - 2 * e));
    event.preImpactX = before.X / cell;
    event.preImpactY = before.Y / cell;

    const core::vector2df impact(hit.X, hit.Z);
    const core::vector2df travel = impact - Ground(path.start);
    const WallLine wall = WallLineOf(triangle, travel);
    const WallBounce bounce =
        BounceOffWall(Ground(path.direction), travel, wall.vector, impact, path.length - hitAt);
    event.reboundCellX = bounce.cellX;
    event.reboundCellY = bounce.cellY;

    const double speed = path.length / cell;
    event.wallSeverity = WallSeverity(speed, car.mass);
    event.damageToMover = std::max(static_cast<int>(std::floor(speed)), 1);
    const f32 heading = car.Heading();
    event.moverSide = SideMeetingWall(wall, heading, before);
    events.push_back(event);
    return true;
}

void SettleWallImpact(int index, const CollisionEvent& event) {
    CarRecord& car = game.cars[index];
    PlayAtCar(Sound::WallHit, index, ImpactLoudness(event.damageToMover));
    PlayExplosionAtCar(index);
    car.ReplaceLastTrailPoint(event.preImpactX, event.preImpactY);
    car.AppendTrailPoint(static_cast<f32>(event.reboundCellX), static_cast<f32>(event.reboundCellY));
    car.cellX = static_cast<f32>(event.reboundCellX);
    car.cellY = static_cast<f32>(event.reboundCellY);
    car.prevCellX = event.preImpactX;
    car.prevCellY = event.preImpactY;
    if (car.inRace) {
        TrailEndsAtCar trailAtCar(car);
        SettleBySeverity(index, event);
    }
    UpdateCheckpoints(index);
}
