#include "rules/hand_weapon.h"

#include <vector>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "rules/damage.h"
#include "rules/firing_geometry.h"
#include "rules/impact_sides.h"
#include "rules/shot_impact.h"
#include "rules/shot_outcome.h"
#include "rules/side_words.h"
#include "scene/aiming_marks.h"
#include "scene/aiming_screen.h"
#include "scene/car_pick.h"
#include "scene/game_sounds.h"
#include "scene/line_of_sight.h"
#include "ui/car_message.h"

namespace {
struct Weapon {
    ActionRequest request;
    const wchar_t* damageText;
    int damageBonus;
    bool spent;                  // fired, it waits to be reloaded
    const wchar_t* weaponWords;  // in a computer's shot: "<pilot> tire au pistolet"
};

const Weapon kPistol{RequestPistol, L"Tir de pistolet : \n 1 Dé à 4 faces de dégâts.\n", 0, false,
                     L"au pistolet"};
const Weapon kBazooka{RequestBazooka, L"Tir de bazooka : \n 1 Dé à 4 faces de dégâts +2.\n", 2,
                      true, L"au bazooka"};

const Weapon& WeaponNamed(const std::wstring& name) { return name == L"Bazooka" ? kBazooka : kPistol; }

// "GAUCHE" or "DROITE" for the side of the steering wheel, empty otherwise.
std::wstring WheelWord(const CarRecord& car) {
    if (car.wheelSide == L"Gauche") return L"GAUCHE";
    if (car.wheelSide == L"Droite") return L"DROITE";
    return L"";
}

bool CornerOf(const std::wstring& corner, const std::wstring& side) {
    std::wstring first, second;
    return !side.empty() && CornerSides(corner, first, second) && (first == side || second == side);
}

// Firing one-handed: a shooter not already skidding may lose control.
void ConcentrationTest(int car) {
    CarRecord& shooter = game.cars[car];
    if (shooter.skidPending) return;
    const int roll = RollTestForCar(L"Voiture " + std::to_wstring(car) + L" :\n" +
                                        L"Veuillez faire un test de pilotage pour savoir si "
                                        L"tirer vous a déconcentré de votre conduite et vous "
                                        L"fait déraper.\n",
                                    car, shooter.drivingSkill, false, 0, false);
    const std::wstring& pilot = shooter.pilotName;
    if (roll <= shooter.drivingSkill) {
        TellAboutCar(ForDriver(car, L"Vous maitrisez votre véhicule sans problème.\n",
                               pilot + L" maitrise son véhicule sans problème.\n"),
                     car, 0, false);
        return;
    }
    shooter.skidPending = 1;
    shooter.pendingMoveFlag = 1;
    TellAboutCar(ForDriver(car, L"La concentration nécessaire au tir vous fait perdre le contrôle de véhicule.\n",
                           L"La concentration nécessaire au tir fait perdre à " + pilot +
                               L" le contrôle de son véhicule.\n"),
                 car, 0, false);
}

void MarkBazookaFired(int car) {
    std::vector<int> sides, positions;
    if (FindGadgets(L"Bazooka", car, SideMisc, L"ega", 0, L"", 0, L"", 0, sides, positions) > 0)
        game.cars[car].sides[sides[1]].gadgets[positions[1]].charges = 1;
}

void HitTarget(int car, int target, const Weapon& weapon) {
    TellShotOutcome(car, target, true);
    const int side =
        SideHitByShot(target, car, L"Quel côté souhaitez vous orienter vers le tir de pistolet ?");
    const int damage = RollForCar(weapon.damageText, car, 4, 0, false) + weapon.damageBonus;
    ApplyDamage(target, side, damage);
    ShotImpactTest(target);
}

// The shot at `target` once picked; the car's action is used unless the
// player answers "Non".
void FiringSequence(int car, int target, const std::wstring& name, const Weapon& weapon) {
    const int malus = DistanceMalus(car, target);
    if (!ConfirmShot(car, target,
                     L"Voulez vous tirer au " + name + L" sur le véhicule " +
                         std::to_wstring(target) + L" ?\n\n",
                     weapon.weaponWords, malus))
        return;
    CarRecord& shooter = game.cars[car];
    if (HandWeaponAim(car, target) == HandAim::LimitAngle &&
        RollTestForCar(L"L'angle de tir est très limite. Veuillez faire un test de pilotage "
                       L"pour savoir si vous arrivez à orienter votre véhicule pour le tir.",
                       car, shooter.drivingSkill, true, 0, false) > shooter.drivingSkill) {
        TellAboutCar(ForDriver(car, L"Dommage...",
                               shooter.pilotName + L" ne parvient pas à orienter son véhicule pour le tir."),
                     car, 0, false);
        shooter.hasActed = 1;
        return;
    }
    PlayAtCar(weapon.spent ? Sound::Bazooka : Sound::Pistol, car);
    if (RollTestForCar(L"Test de tir.", car, shooter.shootingSkill - malus, false, 0, false) <=
        shooter.shootingSkill - malus)
        HitTarget(car, target, weapon);
    else
        TellShotOutcome(car, target, false);
    ConcentrationTest(car);
    if (weapon.spent) MarkBazookaFired(car);
    shooter.hasActed = 1;
}
}  // namespace

HandAim HandWeaponAim(int shooter, int target) {
    const CarRecord& v = game.cars[target];
    if (target == shooter || !v.inRace) return HandAim::None;
    const std::wstring wheel = WheelWord(game.cars[shooter]);
    const std::wstring side =
        HitSide(shooter, static_cast<int>(v.cellX), static_cast<int>(v.cellY));
    const HandAim aim = !wheel.empty() && side == wheel ? HandAim::Plain
                        : CornerOf(side, wheel)        ? HandAim::LimitAngle
                                                       : HandAim::None;
    if (aim == HandAim::None || LineOfSightBlocked(shooter, target, true)) return HandAim::None;
    return aim;
}

void ShootHandWeapon(int car, const std::wstring& name, int target) {
    FiringSequence(car, target, name, WeaponNamed(name));
}

void FireHandWeapon(int car, const std::wstring& name) {
    const Weapon& weapon = WeaponNamed(name);
    const u32 colour = game.cars[car].colour;
    auto aimable = [car](int i) { return HandWeaponAim(car, i) != HandAim::None; };
    AimingScreen screen;
    screen.car = car;
    screen.ownRequest = weapon.request;
    screen.drawAim = [=] {
        const int wheel = SideIndexOfWord(WheelWord(game.cars[car]));
        if (wheel > 0) DrawFiringZone(car, wheel, colour);
        for (int i = 1; i <= game.carCount; ++i)
            if (aimable(i)) DrawReticle(i, colour);
    };
    screen.pickedTarget = [aimable] { return PickCarUnderCursor(aimable, aimable); };
    screen.targets = [aimable] {
        std::vector<int> targets;
        for (int i = 1; i <= game.carCount; ++i)
            if (aimable(i)) targets.push_back(i);
        return targets;
    };
    screen.fire = [car, &name, &weapon](int target) {
        FiringSequence(car, target, name, weapon);
        return game.cars[car].hasActed != 0;
    };
    RunAimingScreen(screen);
}
