#include "rules/machine_gun.h"

#include <string>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "rules/damage.h"
#include "rules/firing_geometry.h"
#include "rules/shot_impact.h"
#include "rules/shot_outcome.h"
#include "scene/aiming_marks.h"
#include "scene/aiming_screen.h"
#include "scene/car_pick.h"
#include "scene/explosion.h"
#include "scene/game_sounds.h"
#include "scene/wall_test.h"
#include "ui/car_message.h"

namespace {
constexpr int kLongestLine = 100;

struct Mount {
    bool rear;
    ActionRequest request;
    const wchar_t* gun;
    int side;
    const wchar_t* testText;
    const wchar_t* gunsText;
    const wchar_t* weaponWords;  // in a computer's shot: "<pilot> tire à la mitrailleuse avant"
};

const Mount kFrontMount{false, RequestFrontGun, L"Mitrailleuse avant", SideFront, L"Test de tir.",
                        L" mitrailleuse(s) avant installée(s). Veuillez lancer le dé de dégâts "
                        L"pour chacune d'elle(s).\n",
                        L"à la mitrailleuse avant"};
const Mount kRearMount{true, RequestRearGun, L"Mitrailleuse arrière", SideRear,
                       L"Test de tir avec compétence de tir /2 en plus de l'éventuel malus de "
                       L"distance :",
                       L" mitrailleuse(s) arrière installée(s). Veuillez lancer le dé de dégâts "
                       L"pour chacune d'elle(s).\n",
                       L"à la mitrailleuse arrière"};

const Mount& MountOf(GunMount mount) { return mount == GunMount::Rear ? kRearMount : kFrontMount; }

// How many firing vectors the drawn line runs before it meets a wall: the
// first test ends (dx, dy) world units from the cell's centre, each later
// one R vectors away.
int LineLength(int car, CellStep v) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    const f32 x = game.cars[car].cellX * cell, z = game.cars[car].cellY * cell;
    auto reach = [&](int r) {
        const f32 scale = r == 1 ? 1.0f : static_cast<f32>(r) * cell;
        return SegmentHitsWall(x, z, x + static_cast<f32>(v.x) * scale, z + static_cast<f32>(v.y) * scale);
    };
    int r = 1;
    while (!reach(r) && r < kLongestLine) ++r;
    return r;
}

// The car on the line of fire that can be shot: not a wreck, not on the
// shooter's own cell; -1 for none.
int TargetOnLine(int car, CellStep v) {
    const CarRecord& shooter = game.cars[car];
    const int target = FindTargetOnLine(car, static_cast<int>(shooter.cellX),
                                        static_cast<int>(shooter.cellY), v.x, v.y);
    if (target == -1) return -1;
    const CarRecord& t = game.cars[target];
    if (!t.inRace || (t.cellX == shooter.cellX && t.cellY == shooter.cellY)) return -1;
    return target;
}

// One four-sided die per gun of the mount, told and summed; a computer rolls
// them silently and the damage report tells the sum.
int GunDamage(int car, const Mount& mount) {
    const int guns = CountGadgets(mount.gun, car, mount.side);
    if (IsComputerDriven(game.cars[car])) {
        int sum = 0;
        for (int i = 1; i <= guns; ++i) sum += RollDie(4);
        return sum;
    }
    TellAboutCar(L"Vous avez " + std::to_wstring(guns) + mount.gunsText, car, 0, false);
    int sum = 0;
    for (int i = 1; i <= guns; ++i)
        sum += RollForCar(L"Mitrailleuse n°" + std::to_wstring(i) +
                                     L"\n\nDé à 4 faces de dégâts.\n",
                                 car, 4, 0, false);
    if (guns > 1) TellAboutCar(L"Somme des dégâts : " + std::to_wstring(sum) + L"\n", car, 0, false);
    return sum;
}

void FiringSequence(int car, int target, const Mount& mount) {
    const int malus = DistanceMalus(car, target);
    if (!ConfirmShot(car, target, L"Voulez vous tirer sur le véhicule " + std::to_wstring(target) +
                                      L" ?\n\n",
                     mount.weaponWords, malus))
        return;
    CarRecord& shooter = game.cars[car];
    PlayAtCar(Sound::MachineGun, car);
    const int skill = mount.rear ? shooter.shootingSkill / 2 : shooter.shootingSkill;
    if (RollTestForCar(mount.testText, car, skill - malus, false, 0, false) > skill - malus) {
        TellShotOutcome(car, target, false);
        shooter.hasActed = 1;
        return;
    }
    PlayExplosionAtCar(target);
    TellShotOutcome(car, target, true);
    const int side = SideHitByShot(
        target, car, L"Quel côté souhaitez vous orienter vers le tir de mitrailleuse ?");
    ApplyDamage(target, side, GunDamage(car, mount));
    ShotImpactTest(target);
    shooter.hasActed = 1;
}
}  // namespace

int GunTarget(int car, GunMount mount) { return TargetOnLine(car, FiringVector(car, MountOf(mount).rear)); }

void ShootMachineGun(int car, GunMount mount, int target) { FiringSequence(car, target, MountOf(mount)); }

void FireMachineGun(int car, GunMount gunMount) {
    const Mount& mount = MountOf(gunMount);
    const CellStep v = FiringVector(car, mount.rear);
    const int length = LineLength(car, v);
    const int target = TargetOnLine(car, v);
    const u32 colour = game.cars[car].colour;
    AimingScreen screen;
    screen.car = car;
    screen.ownRequest = mount.request;
    screen.drawAim = [=] {
        DrawLineOfFire(car, v.x, v.y, length, colour);
        if (target != -1) DrawReticle(target, colour);
    };
    screen.pickedTarget = [target] {
        if (target == -1) return -1;
        const int picked =
            PickCarUnderCursor([target](int i) { return i == target; }, [](int) { return true; });
        return picked == target ? target : -1;
    };
    screen.targets = [target] { return target == -1 ? std::vector<int>() : std::vector<int>{target}; };
    screen.fire = [car, &mount](int at) {
        FiringSequence(car, at, mount);
        return true;
    };
    RunAimingScreen(screen);
}
