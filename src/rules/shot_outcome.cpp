#include "rules/shot_outcome.h"

#include "core/game_state.h"
#include "rules/firing_geometry.h"
#include "ui/car_message.h"

bool ConfirmShot(int shooter, int target, const std::wstring& question, int malus) {
    std::wstring text = question;
    if (malus > 0) text += L"Le malus dû à la distance est de " + std::to_wstring(malus) + L"\n";
    return AskAboutCar(text, shooter, L"Oui", L"Non", target) == 1;
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
