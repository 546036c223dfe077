#include "ui/car_message.h"

#include "core/game_state.h"
#include "ui/dice_dialog.h"

int DiceDialogAboutCar(const std::wstring& text, int index, unsigned colour) {
    const CarRecord& car = game.cars[index];
    if (!car.sceneNode) return DiceDialogUnanchored(text, colour);
    const irr::core::vector3df at = car.sceneNode->getPosition();
    return DiceDialog(text, static_cast<int>(at.X), static_cast<int>(at.Y),
                      static_cast<int>(at.Z), -1, true, colour);
}

int DiceDialogUnanchored(const std::wstring& text, unsigned colour) {
    return DiceDialog(text, -1, -1, -1, -1, true, colour);
}
