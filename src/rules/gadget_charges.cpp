#include "rules/gadget_charges.h"

#include <vector>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "ui/car_message.h"

namespace {
// The face holding a charged gadget of that name that the player picks, or
// kAllSides when there is no face to pick.
int AskFace(int index, const std::wstring& name, const std::wstring& question) {
    static const wchar_t* const words[] = {L"", L"AVANT", L"ARRIERE", L"DROITE", L"GAUCHE"};
    std::vector<int> offered;
    for (int s = SideFront; s <= SideLeft; ++s)
        if (CountGadgets(name, index, s, L"sup", 0) > 0) offered.push_back(s);
    if (offered.empty()) return kAllSides;
    game.dialog.dieFaces = 0;
    for (size_t i = 0; i < offered.size(); ++i) game.dialog.choiceLabels[i + 1] = words[offered[i]];
    game.dialog.choiceState = static_cast<int>(offered.size());
    const int answer = DiceDialogAboutCar(question, index);
    return answer >= 1 && answer <= static_cast<int>(offered.size()) ? offered[answer - 1] : kAllSides;
}
}  // namespace

bool SpendFirstCharge(int index, const std::wstring& name, int side) {
    std::vector<int> sides, positions;
    if (FindGadgets(name, index, side, L"sup", 0, L"", 0, L"", 0, sides, positions) == 0) return false;
    game.cars[index].sides[sides[1]].gadgets[positions[1]].charges -= 1;
    return true;
}

bool SpendChargeOfChosenSide(int index, const std::wstring& name, const std::wstring& question) {
    const int charged = CountGadgets(name, index, kAllSides, L"sup", 0);
    if (charged == 0) return false;
    const bool ask = charged > 1 && !IsComputerDriven(game.cars[index]);
    const int side = ask ? AskFace(index, name, question) : kAllSides;
    return SpendFirstCharge(index, name, side) || SpendFirstCharge(index, name, kAllSides);
}
