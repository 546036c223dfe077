#include "ui/message_place.h"

#include <algorithm>

#include "core/game_state.h"
#include "scene/race_frame.h"
#include "ui/dice_dialog.h"

using namespace irr;

namespace {
void PlaceAwayFromAnchor(const MessageWindow& w, const core::vector3df& anchor) {
    const core::position2di projected = ScreenPosition(anchor);
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    core::rect<s32> box = w.window->getRelativePosition();
    const core::position2di at = DialogPlacement(projected.X, box.getWidth(), box.getHeight(),
                                                 static_cast<int>(screen.Width),
                                                 static_cast<int>(screen.Height));
    w.window->setRelativePosition(at);
}

// Where the last message about a car had its button, and in which turn: the
// next message about the same car in the same turn puts its button there,
// so the mouse waits on "Fermer" instead of chasing it.
struct LastPlace {
    s32 round = -1, turnCar = 0, aboutCar = 0;
    core::position2di button;
};
LastPlace lastPlace;

bool SameTurnAndCar(const LastPlace& place, int aboutCar) {
    return aboutCar != 0 && place.aboutCar == aboutCar && place.round == game.roundNumber &&
           place.turnCar == game.currentCar;
}

void PlaceButtonAt(const MessageWindow& w, core::position2di button) {
    const core::rect<s32> box = w.window->getRelativePosition();
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    core::position2di at = button - w.button->getRelativePosition().getCenter();
    at.X = core::clamp(at.X, 0, std::max(0, static_cast<s32>(screen.Width) - box.getWidth()));
    at.Y = core::clamp(at.Y, 0, std::max(0, static_cast<s32>(screen.Height) - box.getHeight()));
    w.window->setRelativePosition(at);
}

}  // namespace

void PlaceMessageWindow(const MessageWindow& w, const core::vector3df& anchor, int aboutCar) {
    if (SameTurnAndCar(lastPlace, aboutCar)) PlaceButtonAt(w, lastPlace.button);
    else PlaceAwayFromAnchor(w, anchor);
}

void RememberPlace(const MessageWindow& w, int aboutCar) {
    const core::position2di corner = w.window->getRelativePosition().UpperLeftCorner;
    lastPlace = {game.roundNumber, game.currentCar, aboutCar,
                 corner + w.button->getRelativePosition().getCenter()};
}

