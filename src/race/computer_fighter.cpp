#include "race/computer_fighter.h"

#include "core/game_state.h"
#include "rules/bazooka_reload.h"
#include "rules/fight_choice.h"
#include "rules/grenade.h"
#include "rules/hand_weapon.h"
#include "rules/machine_gun.h"
#include "rules/oil_projector.h"
#include "scene/aiming_marks.h"

namespace {
// A shot is shown on the ground from the shooter to its target while it is
// settled, as a person's aim shows it before he fires.
void CarryOut(int car, const FightAction& action) {
    const ComputerShotShown shown(car, action.target);
    switch (action.kind) {
        case FightKind::FrontGuns: ShootMachineGun(car, GunMount::Front, action.target); break;
        case FightKind::RearGuns: ShootMachineGun(car, GunMount::Rear, action.target); break;
        case FightKind::Pistol: ShootHandWeapon(car, L"Pistolet", action.target); break;
        case FightKind::Bazooka: ShootHandWeapon(car, L"Bazooka", action.target); break;
        case FightKind::FrontGrenade: ThrowGrenadeFrom(car, false); break;
        case FightKind::RearGrenade: ThrowGrenadeFrom(car, true); break;
        case FightKind::ReloadBazooka: ReloadBazooka(car); break;
        case FightKind::Oil: SprayOil(car); break;
        case FightKind::None: break;
    }
}

void Fight(int car, FightMoment moment) {
    if (car < 1 || car > game.carCount || !IsFightingComputer(game.cars[car])) return;
    CarryOut(car, ChooseFight(car, moment));
}
}  // namespace

void FightBeforeMove(int car) { Fight(car, FightMoment::BeforeMove); }

void FightAfterMove(int car) {
    if (car >= 1 && car <= game.carCount && game.cars[car].hasMoved) Fight(car, FightMoment::AfterMove);
}
