// How a fighting computer driver picks its action of the turn. Every action
// its car can take at that moment, with what it carries and loaded, is
// valued by the damage it may deal: the chance to hit (its skill less the
// distance malus, on a d20) times the dice's mean damage, worth more when
// the points go past the side's armour and structure, plus the chance that
// the target loses control. Shots that may make the shooter skid cost that
// risk. The best action worth taking is chosen; none when nothing is.
#pragma once

enum class FightKind {
    None,
    FrontGuns,
    RearGuns,
    Pistol,
    Bazooka,
    FrontGrenade,
    RearGrenade,
    ReloadBazooka,
    Oil,
};

struct FightAction {
    FightKind kind = FightKind::None;
    int target = -1;    // the car shot at by the guns, the pistol or the bazooka
    double value = 0;   // expected worth, in points of damage
};

// Before its move the car may also spray oil; after it, only the weapons
// and the bazooka's reload remain.
enum class FightMoment { BeforeMove, AfterMove };

// The best action worth taking for car `car` now. Never a shot through a
// wall, at a burnt-out car, or a grenade whose blast reaches the thrower.
// Draws no random number.
FightAction ChooseFight(int car, FightMoment moment);
