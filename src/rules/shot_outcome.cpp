#include "rules/shot_outcome.h"

#include "core/game_state.h"
#include "rules/firing_geometry.h"
#include "ui/car_message.h"

bool ConfirmShot(int shooter, int target, const std::wstring& question,
                 const std::wstring& weaponWords, int malus) {
    const std::wstring malusText =
        malus > 0 ? L"Le malus dû à la distance est de " + std::to_wstring(malus) + L"\n" : L"";
    if (!IsComputerDriven(game.cars[shooter]))
        return AskAboutCar(question + malusText, shooter, L"Oui", L"Non", target) == 1;
    TellAboutCar(game.cars[shooter].pilotName + L" tire " + weaponWords + L" sur le véhicule " +
                     std::to_wstring(target) + L"." + (malus > 0 ? L"\n\n" + malusText : L""),
                 shooter, target);
    return true;
}

void TellShotOutcome(int shooter, int target, bool hit) {
    const std::wstring pilot = game.cars[shooter].pilotName;
    const std::wstring vehicle = L" le véhicule " + std::to_wstring(target) + L".";
    TellAboutCar(hit ? ForDriver(shooter, L"Tir réussi", L"Tir réussi : " + pilot + L" touche" + vehicle)
                     : ForDriver(shooter, L"Tir loupé", L"Tir loupé : " + pilot + L" manque" + vehicle),
                 shooter, 0, false);
}

int SideHitByShot(int target, int shooter, const std::wstring& question) {
    const CarRecord& from = game.cars[shooter];
    const std::wstring side =
        HitSide(target, static_cast<int>(from.cellX), static_cast<int>(from.cellY));
    return ChooseHitSide(target, side,
                         L"L'angle de tir est ambigue. Veuillez faire un test de pilotage pour "
                         L"savoir si vous pouvez choisir le côté touché",
                         question);
}
