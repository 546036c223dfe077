#include "rules/car_impact.h"

#include <cmath>
#include <cstdlib>

#include "core/game_state.h"
#include "core/move_geometry.h"
#include "core/random.h"
#include "rules/damage.h"
#include "rules/impact_sides.h"
#include "rules/loss_of_control.h"
#include "rules/side_words.h"
#include "scene/explosion.h"
#include "scene/game_sounds.h"
#include "ui/car_message.h"

using namespace irr;

namespace {
bool StandsOn(const CarRecord& car, const Cell& cell) {
    return car.cellX == static_cast<f32>(cell.x) && car.cellY == static_cast<f32>(cell.y);
}

// A car's velocity: its cell less its previous cell, truncated.
Cell VelocityOf(const CarRecord& car) {
    return {static_cast<int>(car.cellX - car.prevCellX), static_cast<int>(car.cellY - car.prevCellY)};
}

// The cars hit on the path: every car on the first occupied cell, none
// beyond; the destination is looked at last.
struct CarsHit {
    std::vector<int> cars;
    Cell cell;

    void Look(int mover, const Cell& at) {
        if (!cars.empty() && !(at == cell)) return;
        for (int other = 1; other <= game.carCount; ++other) {
            if (other == mover || !StandsOn(game.cars[other], at) || AlreadyHit(other)) continue;
            cars.push_back(other);
            cell = at;
        }
    }
    bool AlreadyHit(int car) const {
        for (int hit : cars)
            if (hit == car) return true;
        return false;
    }
};

// Whether a cell lies short of the wall the move meets.
bool BeforeWall(const MovePath& path, const Cell& cell, f32 wallDistance) {
    if (wallDistance <= 0) return true;
    const f32 size = static_cast<f32>(game.circuit.cellSize);
    const core::vector2df at(static_cast<f32>(cell.x) * size, static_cast<f32>(cell.y) * size);
    return at.getDistanceFrom({path.start.X, path.start.Z}) < wallDistance;
}

CarsHit FindCarsHit(int mover, const MovePath& path, f32 wallDistance) {
    const CarRecord& car = game.cars[mover];
    const Cell start{static_cast<int>(car.prevCellX), static_cast<int>(car.prevCellY)};
    const Cell end{static_cast<int>(car.cellX), static_cast<int>(car.cellY)};
    CarsHit hit;
    std::vector<Cell> cells;
    for (const Cell& step : LatticeCells(end.x - start.x, end.y - start.y))
        cells.push_back({start.x + step.x, start.y + step.y});
    cells.push_back(end);
    for (const Cell& cell : cells)
        if (BeforeWall(path, cell, wallDistance)) hit.Look(mover, cell);
    return hit;
}

// Both cars are sent on toward forced destinations around the hit car.
void Push(CarRecord& mover, const Cell& moverVelocity, CarRecord& hit) {
    const Cell sum{moverVelocity.x + VelocityOf(hit).x, moverVelocity.y + VelocityOf(hit).y};
    const int fromX = static_cast<int>(hit.cellX), fromY = static_cast<int>(hit.cellY);
    mover.targetX = PushedCoordinate(fromX, sum.x);
    mover.targetY = PushedCoordinate(fromY, sum.y);
    hit.targetX = PushedCoordinate(fromX, sum.x);
    hit.targetY = PushedCoordinate(fromY, sum.y);
    mover.pendingMoveFlag = 1;
    hit.pendingMoveFlag = 1;
}

// The mover's heading at the step where it meets the other car: turned by
// each step of a spin up to there.
f32 HeadingAtImpact(const CarRecord& car, const MovePath& path, bool spin, int spinSign) {
    f32 heading = car.Heading();
    if (!spin) return heading;
    ForEachStep(path, [&](f32 t, bool) {
        heading += SpinPerStep(path, spinSign);
        return t < path.length;
    });
    return heading;
}

// The blow of the mover, moving at velocity va, on car `other`.
CollisionEvent ImpactWith(int mover, const Cell& va, int other, const Cell& cell, MovePath& path,
                          bool spin, int spinSign) {
    CarRecord& a = game.cars[mover];
    CarRecord& b = game.cars[other];
    const Cell vb = VelocityOf(b);
    Push(a, va, b);
    CollisionEvent event;
    event.kind = CollisionKind::HeavyCar;
    event.otherCar = other;
    const double w = std::hypot(va.x - vb.x, va.y - vb.y);
    event.damageToMover = static_cast<int>((b.mass + w) / 2);
    event.damageToOther = static_cast<int>((a.mass + w) / 2);

    a.cellX = static_cast<f32>(cell.x);
    a.cellY = static_cast<f32>(cell.y);
    a.ReplaceLastTrailPoint(a.cellX, a.cellY);
    path = PathOf(a);
    event.triggerDistance = path.length;

    const core::vector3df travel = path.end - path.start;
    event.otherSide =
        HitCarSide(IntoFullTurn(PlanarAngle(-travel.X, -travel.Z) + 90 - b.Heading()));
    event.moverSide = PushingCarSide(
        IntoFullTurn(PlanarAngle(travel.X, travel.Z) + 90 - HeadingAtImpact(a, path, spin, spinSign)));
    return event;
}

// A computer takes the blow on the side with more structure when it passes
// its test.
std::wstring ComputerChoosesSide(int index, const std::wstring& first, const std::wstring& second,
                                 int anchor) {
    const CarRecord& car = game.cars[index];
    std::wstring side, text;
    if (RollTestForCar(L"", index, car.drivingSkill, false) > car.drivingSkill) {
        side = EitherSide(first, second);
        text = car.pilotName +
               L" loupe son test pour choisir le côté touché ,et se fait toucher sur le côté " + side +
               L".\n";
    } else {
        side = StrongerSide(index, first, second);
        text = car.pilotName + L" choisis d'être percuté sur le côté " + side + L".\n";
    }
    DiceDialogAboutCar(text, index, anchor);
    return side;
}

std::wstring PersonChoosesSide(int index, const std::wstring& first, const std::wstring& second,
                               int anchor) {
    const CarRecord& car = game.cars[index];
    const std::wstring voiture = L"Voiture : " + std::to_wstring(index);
    const int roll = RollTestForCar(voiture +
                                        L" \n Veuillez faire un test de pilotage pour savoir si vous "
                                        L"pouvez choisir de vous faire toucher entre le côté " +
                                        first + L" et le côté " + second,
                                    index, car.drivingSkill, true, anchor);
    std::wstring side, text;
    if (roll > car.drivingSkill) {
        side = EitherSide(first, second);
        text = voiture + L" \n Vous êtes percutés sur le côté \n " + side;
    } else {
        const int answer = AskAboutCar(voiture + L" \n Veuillez choisir le côté qui est percuté :",
                                       index, first, second, anchor);
        side = answer == 1 ? first : second;
        text = voiture + L" \n Vous avez choisi d'être percuté sur le côté " + side;
    }
    DiceDialogAboutCar(text, index, anchor);
    return side;
}

// On an exact corner, the hit car picks one of the two sides.
std::wstring SideTaken(int index, const std::wstring& side, int anchor) {
    std::wstring first, second;
    if (!CornerSides(side, first, second)) return side;
    return IsComputerDriven(game.cars[index]) ? ComputerChoosesSide(index, first, second, anchor)
                                               : PersonChoosesSide(index, first, second, anchor);
}

void TakeBlow(int index, const std::wstring& side, int points, const wchar_t* failureText,
              int anchor) {
    CarRecord& car = game.cars[index];
    ApplyDamage(index, SideIndexOfWord(side), points);
    if (car.inRace && !car.skidPending) LossOfControlTest(index, failureText, anchor);
}
}  // namespace

std::vector<Cell> LatticeCells(int dx, int dy) {
    std::vector<Cell> cells;
    const int larger = std::max(std::abs(dx), std::abs(dy));
    const int smaller = std::min(std::abs(dx), std::abs(dy));
    if (larger == 0 || (smaller != 0 && larger % smaller != 0)) return cells;
    const int n = smaller == 0 ? larger : smaller;
    for (int i = 1; i <= n; ++i) cells.push_back({i * (dx / n), i * (dy / n)});
    return cells;
}

int PushedCoordinate(int from, int velocitySum) {
    const int times = 1 + Rand() / 16383;
    const double p = from + times * (velocitySum / 3.0);
    const double down = std::floor(p);
    const double fraction = p - down;
    if (fraction < 0.5) return static_cast<int>(down);
    if (fraction > 0.5) return static_cast<int>(down) + 1;
    return static_cast<int>(CoinFlip() ? down : down + 1);
}

void DetectCarImpacts(int mover, MovePath& path, bool spin, int spinSign, CollisionEvents& events,
                      f32 wallDistance) {
    const CarsHit hit = FindCarsHit(mover, path, wallDistance);
    // The cars are met in order: the first blow stops the mover on the hit
    // cell, so the next cars there meet it at its velocity from then on (the
    // hit cell less its previous cell).
    for (int other : hit.cars)
        events.push_back(
            ImpactWith(mover, VelocityOf(game.cars[mover]), other, hit.cell, path, spin, spinSign));
}

void SettleCarImpact(int mover, const CollisionEvent& event) {
    const CarRecord& a = game.cars[mover];
    const CarRecord& b = game.cars[event.otherCar];
    PlayAtCar(Sound::CarHit, mover, ImpactLoudness(event.damageToMover + event.damageToOther));
    PlayExplosionAtCar(mover);
    DiceDialogAboutCar(L"Collision lourde entre véhicules \n Bousculeur COTE : " + event.moverSide +
                           L" \n Bousculé   COTE : " + event.otherSide,
                       mover);
    if (b.inRace) {
        const std::wstring side = SideTaken(event.otherCar, event.otherSide, mover);
        TakeBlow(event.otherCar, side, event.damageToOther,
                 L" loupe son test de pilotage et dérapera le tour prochain.\n", mover);
    }
    if (a.inRace)
        TakeBlow(mover, event.moverSide, event.damageToMover,
                 L" loupe son test de pilotage et dérapera.\n", mover);
}
