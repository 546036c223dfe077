#include "rules/race_results.h"

#include <algorithm>
#include <string>

#include "core/decisions.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/race_pilot_results.h"
#include "rules/race_standing.h"
#include "ui/car_message.h"

namespace {
constexpr int kNone = -1;

// The player is told when a pilot's file could not be changed; the race
// goes on and the file, if any, stays as it was.
void ReportFileOutcome(int car, PilotFileOutcome outcome, const wchar_t* failure) {
    const wchar_t* what = failure;
    if (outcome == PilotFileOutcome::Written) return;
    if (outcome == PilotFileOutcome::Missing)
        what = L" a été effacé depuis le début de la course : elle ne lui compte pas.\n";
    if (outcome == PilotFileOutcome::Modified)
        what = L" a été modifié à la main depuis le début de la course : elle ne lui compte pas.\n";
    TellAboutCar(L"Le fichier du pilote " + game.cars[car].pilotName + what, car);
}

void SavePilot(int car) { ReportFileOutcome(car, WriteRaceChanges(car), L" n'a pas pu être écrit.\n"); }

void Reward(int car, const std::wstring& text, int zonks) {
    TellAboutCar(game.cars[car].pilotName + text, car);
    game.cars[car].zonks += zonks;
}

// Pays every car still in the race whose finishing round is `round`.
void RewardFinishers(int round, const std::wstring& text, int zonks) {
    for (int i = 1; i <= game.carCount; ++i)
        if (game.cars[i].inRace && game.cars[i].finishOrder == round) Reward(i, text, zonks);
}

int CountInRaceFinishedIn(int round) {
    int count = 0;
    for (int i = 1; i <= game.carCount; ++i)
        count += game.cars[i].inRace && game.cars[i].finishOrder == round;
    return count;
}

// The earliest finishing round after `after` among the cars still in the
// race, or kNone.
int FirstRoundAfter(int after) {
    int best = kNone;
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& car = game.cars[i];
        if (!car.inRace || car.finishOrder == kNone || car.finishOrder <= after) continue;
        if (best == kNone || car.finishOrder < best) best = car.finishOrder;
    }
    return best;
}

int LastCarInRace() {
    for (int i = game.carCount; i >= 1; --i)
        if (game.cars[i].inRace) return i;
    return 0;
}

void PaySeconds(int first) {
    if (CarsFinished() > 1) {
        const int second = FirstRoundAfter(first);
        if (second != kNone)
            RewardFinishers(second, L" vous arrivez deuxième.\nVous gagnez 100 Zonks", 100);
    } else if (game.carCount > 2) {
        RewardFinishers(kNone, L" vous êtes deuxième.\nVous gagnez 100 Zonks", 100);
    }
}

void PayPlacings() {
    if (CarsOutOfRace() == game.carCount - 1) {
        if (const int survivor = LastCarInRace())
            Reward(survivor, L" êtes le seul survivant.\nVous gagnez 200 Zonks.\n", 200);
        return;
    }
    const int first = FirstRoundAfter(kNone);
    if (first != kNone && CountInRaceFinishedIn(first) > 1) {
        RewardFinishers(first, L" vous avez passé la ligne d'arrivée exaeco avec d'autres véhicules.\n"
                               L"Vous gagnez 150 Zonks",
                        150);
        return;
    }
    if (first != kNone)
        RewardFinishers(first, L" vous avez passé la ligne d'arrivée premier.\nVous gagnez 200 Zonks", 200);
    PaySeconds(first);
}

// A survivor raises one skill by one point: a person chooses, the computer
// tosses a coin and says what it chose.
void GainExperience(int index) {
    CarRecord& car = game.cars[index];
    bool piloting;
    if (IsComputerDriven(car)) {
        piloting = CoinFlip();
        TellAboutCar(car.pilotName + L" a survécu et choisis d'augmenter son " +
                         (piloting ? L"pilotage.\n" : L"tir.\n"),
                     index);
    } else {
        piloting = AskAboutCar(L"Comme vous avez survécu, vous gagnez de l'expérience : quelle "
                               L"compétence désirez vous augmenter ?\n",
                               index, L"Pilotage", L"Tir") == 1;
    }
    (piloting ? car.drivingSkill : car.shootingSkill) += 1;
}

void LoseTwo(s32& skill) { skill = std::max(0, skill - 2); }
}  // namespace

void SettleRaceResults() {
    if (game.resultsSettled) return;
    game.resultsSettled = 1;
    PayPlacings();
    for (int i = 1; i <= game.carCount; ++i) {
        if (!game.cars[i].inRace) continue;
        GainExperience(i);
        SavePilot(i);
    }
    game.quitToMenu = 1;
    CheckState(RaceEventKind::RaceEnd, RaceWinner(), 0);
}

int RaceWinner() {
    if (CarsOutOfRace() == game.carCount - 1) return LastCarInRace();
    const int first = FirstRoundAfter(kNone);
    for (int i = 1; i <= game.carCount && first != kNone; ++i)
        if (game.cars[i].inRace && game.cars[i].finishOrder == first) return i;
    return 0;
}

void PilotFate(int index) {
    CarRecord& car = game.cars[index];
    const int roll = RollForCar(L"Lancez un dé à 6 faces pour connaître l'état de votre pilote :\n"
                                L"1-2 = mort\n3-4 = -2 en pilotage\n5-6 = -2 en tir\n",
                                index, 6);
    if (roll <= 2) {
        const PilotFileOutcome deleted = DeleteRacePilot(index);
        TellAboutCar(L"Pilote mort.\n\nFichier pilote effacé.\n", index);
        ReportFileOutcome(index, deleted, L" n'a pas pu être effacé.\n");
        return;
    }
    LoseTwo(roll <= 4 ? car.drivingSkill : car.shootingSkill);
    const PilotFileOutcome written = WriteRaceChanges(index);
    TellAboutCar(roll <= 4 ? L"Pilote handicapé : -2 en pilotage\n" : L"Pilote handicapé : -2 en tir\n",
                 index);
    ReportFileOutcome(index, written, L" n'a pas pu être écrit.\n");
}
