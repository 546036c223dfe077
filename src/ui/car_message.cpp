#include "ui/car_message.h"

#include "core/game_state.h"
#include "core/random.h"
#include "platform/text.h"
#include "ui/dice_dialog.h"
#include "ui/hud.h"

namespace {
constexpr int kOutcomeFrames = 400;  // the status line keeps a test's outcome a few seconds
}  // namespace

int DiceDialogAboutCar(const std::wstring& text, int index, int anchorCar, bool anchored) {
    const unsigned colour = game.cars[index].colour;
    const CarRecord& anchor = game.cars[anchorCar ? anchorCar : index];
    game.dialog.aboutCar = index;
    if (!anchor.sceneNode) return DiceDialogUnanchored(text, colour);
    const irr::core::vector3df at = anchor.sceneNode->getPosition();
    return DiceDialog(text, static_cast<int>(at.X), static_cast<int>(at.Y),
                      static_cast<int>(at.Z), -1, anchored, colour);
}

std::wstring ForDriver(int index, const std::wstring& personText, const std::wstring& computerText) {
    return IsComputerDriven(game.cars[index]) ? computerText : personText;
}

int DiceDialogUnanchored(const std::wstring& text, unsigned colour) {
    return DiceDialog(text, -1, -1, -1, -1, true, colour);
}

void TellAboutCar(const std::wstring& text, int index, int anchorCar, bool anchored) {
    game.dialog.dieFaces = 0;
    game.dialog.choiceState = 0;
    DiceDialogAboutCar(text, index, anchorCar, anchored);
}

int RollForCar(const std::wstring& text, int index, int faces, int anchorCar, bool anchored) {
    const CarRecord& car = game.cars[index];
    if (IsComputerDriven(car)) return RollDie(faces);
    game.dialog.dieFaces = faces;
    game.dialog.choiceState = 0;
    return DiceDialogAboutCar(text, index, anchorCar, anchored);
}

int RollTestForCar(const std::wstring& text, int index, int atMost, bool tellOutcome, int anchorCar,
                   bool anchored) {
    if (IsComputerDriven(game.cars[index])) return RollDie(20);
    game.dialog.dieTarget = atMost;
    const int roll = RollForCar(text, index, 20, anchorCar, anchored);
    if (tellOutcome) {
        const bool passed = roll <= atMost;
        ShowStatus(L"Dé : " + IntText(roll) + L" pour " + IntText(atMost) + L" ou moins, " +
                       (passed ? L"réussi" : L"raté"),
                   kOutcomeFrames, false);
    }
    return roll;
}

int AskAboutCar(const std::wstring& text, int index, const std::wstring& first,
                const std::wstring& second, int anchorCar) {
    game.dialog.dieFaces = 0;
    game.dialog.choiceLabels[1] = first;
    game.dialog.choiceLabels[2] = second;
    game.dialog.choiceState = 2;
    const int answer = DiceDialogAboutCar(text, index, anchorCar);
    return answer == 1 ? 1 : 2;
}
