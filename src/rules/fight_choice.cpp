#include "rules/fight_choice.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "rules/bazooka_reload.h"
#include "rules/firing_geometry.h"
#include "rules/grenade.h"
#include "rules/hand_weapon.h"
#include "rules/impact_sides.h"
#include "rules/machine_gun.h"
#include "rules/side_words.h"
#include "scene/wall_test.h"

namespace {
constexpr double kDieMean = 2.5;        // a four-sided die
// The least expected worth of each kind of action: the guns cost nothing but
// the action; a hand weapon's worth is counted net of the shooter's own risk;
// a grenade is spent.
constexpr double kWorthGunShot = 0.25;
constexpr double kWorthHandShot = 0.5;
constexpr double kWorthGrenade = 2.0;
constexpr double kSkidWorth = 2.0;      // a car that loses control and slides at its next turn
constexpr double kOwnSkidCost = 6.0;    // the shooter itself sliding: a turn lost, maybe a wall
constexpr double kKillWorth = 10.0;     // a pilot losing his last hit points
constexpr double kReloadWorth = 0.5;    // a loaded bazooka for the turns to come
constexpr double kWorthSpraying = 1.5;  // the least expected worth of an oil trail, which stays for every car
// Where a rival meets the oil: 2 to 4 cells straight behind the car (one
// nearer would slide into it), within 22.5 degrees of its way back.
constexpr double kOilNearest = 2.0;
constexpr double kOilReach = 4.0;
constexpr double kCosOilCone = 0.92387953251128674;

// A d20 roll at most `skill`.
double Chance(int skill) { return std::clamp(skill, 0, 20) / 20.0; }

// What stands before the pilot on that side: armour plates, reinforcement
// charges and structure.
int Protection(int car, int side) {
    const CarSide& s = game.cars[car].sides[side];
    int charges = 0;
    for (int position = 1; position <= s.gadgetCount; ++position)
        if (s.gadgets[position].name == L"Renfort Latéral") charges += std::max(0, s.gadgets[position].charges);
    return CountGadgets(L"Blindage", car, side) + charges + std::max(0, s.structure);
}

// `points` on one side: what goes past the protection destroys gadgets and
// wounds the pilot, and counts twice; more when it may kill him.
double DamageWorth(int car, int side, double points) {
    const double through = std::max(0.0, points - Protection(car, side));
    double worth = points + through;
    if (through > 0 && through >= game.cars[car].hitPoints) worth += kKillWorth;
    return worth;
}

// The side of `target` facing the shooter; on a corner the target takes the
// stronger one when it can, so the weaker worth counts.
double ShotDamageWorth(int shooter, int target, double points) {
    const CarRecord& from = game.cars[shooter];
    const std::wstring side = HitSide(target, static_cast<int>(from.cellX), static_cast<int>(from.cellY));
    std::wstring first, second;
    if (!CornerSides(side, first, second)) return DamageWorth(target, std::max(0, SideIndexOfWord(side)), points);
    return std::min(DamageWorth(target, SideIndexOfWord(first), points),
                    DamageWorth(target, SideIndexOfWord(second), points));
}

// A car hit takes a piloting test; failing it, it slides at its next turn.
double SkidChanceWorth(int car) {
    const CarRecord& c = game.cars[car];
    return c.skidPending ? 0.0 : (1.0 - Chance(c.drivingSkill)) * kSkidWorth;
}

bool WallBetween(int a, int b) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const CarRecord& p = game.cars[a];
    const CarRecord& q = game.cars[b];
    return SegmentHitsWall(p.cellX * cell, p.cellY * cell, q.cellX * cell, q.cellY * cell);
}

bool CanBeShot(int shooter, int target) {
    return target >= 1 && target <= game.carCount && target != shooter && game.cars[target].inRace &&
           !WallBetween(shooter, target);
}

double ShotWorth(int shooter, int target, double hitChance, double points) {
    return hitChance * (ShotDamageWorth(shooter, target, points) + SkidChanceWorth(target));
}

void KeepBetter(FightAction& best, FightKind kind, int target, double value, double leastWorth) {
    if (value >= leastWorth && value > best.value) best = {kind, target, value};
}

void ValueGuns(int car, GunMount mount, FightAction& best) {
    const bool rear = mount == GunMount::Rear;
    const int guns = CountGadgets(rear ? L"Mitrailleuse arrière" : L"Mitrailleuse avant", car,
                                  rear ? SideRear : SideFront);
    if (guns == 0) return;
    const int target = GunTarget(car, mount);
    if (!CanBeShot(car, target)) return;
    const int skill = rear ? game.cars[car].shootingSkill / 2 : game.cars[car].shootingSkill;
    const double chance = Chance(skill - DistanceMalus(car, target));
    KeepBetter(best, rear ? FightKind::RearGuns : FightKind::FrontGuns, target,
               ShotWorth(car, target, chance, guns * kDieMean), kWorthGunShot);
}

// The pistol or the bazooka at each car it can aim at; firing one-handed may
// make the shooter slide.
void ValueHandWeapon(int car, FightKind kind, double points, FightAction& best) {
    const CarRecord& shooter = game.cars[car];
    const double ownSkid = shooter.skidPending ? 0.0 : (1.0 - Chance(shooter.drivingSkill)) * kOwnSkidCost;
    for (int target = 1; target <= game.carCount; ++target) {
        const HandAim aim = HandWeaponAim(car, target);
        if (aim == HandAim::None || !CanBeShot(car, target)) continue;
        double chance = Chance(shooter.shootingSkill - DistanceMalus(car, target));
        if (aim == HandAim::LimitAngle) chance *= Chance(shooter.drivingSkill);
        KeepBetter(best, kind, target, ShotWorth(car, target, chance, points) - ownSkid, kWorthHandShot);
    }
}

// Every car in the nine cells takes a d4 on two different faces; the thrower
// never stands among them.
void ValueGrenade(int car, bool rear, FightAction& best) {
    if (!GrenadeLauncherLoaded(car, rear)) return;
    const CellStep centre = GrenadeBlastCentre(car, rear);
    if (InGrenadeBlast(car, centre)) return;
    double worth = 0;
    for (int i = 1; i <= game.carCount; ++i) {
        if (i == car || !InGrenadeBlast(i, centre)) continue;
        double sides = 0;
        for (int side = SideFront; side <= SideLeft; ++side) sides += DamageWorth(i, side, kDieMean);
        worth += 2 * sides / 4 + SkidChanceWorth(i);
    }
    KeepBetter(best, rear ? FightKind::RearGrenade : FightKind::FrontGrenade, -1,
               Chance(game.cars[car].shootingSkill) * worth, kWorthGrenade);
}

double Speed(const CarRecord& car) { return std::hypot(car.cellX - car.prevCellX, car.cellY - car.prevCellY); }

// Rivals close behind, along the way the car goes, may drive over its trail
// and slide at their next turn: only those no faster than the car, which
// their slide will not throw into it.
double OilWorth(int car) {
    const CarRecord& c = game.cars[car];
    if (c.oilSprayed || CountGadgets(L"Projecteur d'huile", car, SideRear) == 0 ||
        CountGadgets(L"Cartouche d'huile", car, kAllSides, L"sup", 0) == 0)
        return 0;
    const CellStep v = FiringVector(car, false);
    const double speed = std::hypot(v.x, v.y);
    if (speed == 0) return 0;
    double worth = 0;
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& rival = game.cars[i];
        if (i == car || !rival.inRace || Speed(rival) > Speed(c)) continue;
        const double rx = rival.cellX - c.cellX, ry = rival.cellY - c.cellY;
        const double distance = std::hypot(rx, ry);
        const double behind = -(rx * v.x + ry * v.y) / speed;  // along the way back
        if (distance < kOilNearest || distance > kOilReach || behind < distance * kCosOilCone) continue;
        if (WallBetween(car, i)) continue;
        worth += SkidChanceWorth(i);
    }
    return worth;
}

// Any weapon besides the bazooka that may still be fired after the move.
bool CarriesOtherWeapon(int car) {
    return CountGadgets(L"Mitrailleuse avant", car, SideFront) > 0 ||
           CountGadgets(L"Mitrailleuse arrière", car, SideRear) > 0 ||
           CountGadgets(L"Pistolet", car, SideMisc) > 0 || GrenadeLauncherLoaded(car, false) ||
           GrenadeLauncherLoaded(car, true);
}

FightAction BestShot(int car) {
    FightAction best;
    ValueGuns(car, GunMount::Front, best);
    ValueGuns(car, GunMount::Rear, best);
    if (CountGadgets(L"Pistolet", car, SideMisc) > 0) ValueHandWeapon(car, FightKind::Pistol, kDieMean, best);
    if (BazookaLoaded(car)) ValueHandWeapon(car, FightKind::Bazooka, kDieMean + 2, best);
    ValueGrenade(car, false, best);
    ValueGrenade(car, true, best);
    return best;
}
}  // namespace

FightAction ChooseFight(int car, FightMoment moment) {
    if (car < 1 || car > game.carCount || !game.cars[car].inRace || game.cars[car].hasActed) return {};
    FightAction best = BestShot(car);
    if (moment == FightMoment::BeforeMove) {
        const double oil = OilWorth(car);
        if (oil >= kWorthSpraying && oil > best.value) best = {FightKind::Oil, -1, oil};
    }
    // With nothing better, a fired bazooka is reloaded: after the move, or
    // before it when no other weapon could be used after it.
    const bool reloadNow = moment == FightMoment::AfterMove || !CarriesOtherWeapon(car);
    if (best.kind == FightKind::None && reloadNow && BazookaFired(car) && SlowEnoughToReload(car))
        best = {FightKind::ReloadBazooka, -1, kReloadWorth};
    return best;
}
