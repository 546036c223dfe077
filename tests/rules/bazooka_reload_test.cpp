// Reloading the bazooka from the race column: refused faster than speed 1,
// otherwise the car's action, after which the bazooka is loaded to fire.
#include "rules/bazooka_reload.h"

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "race/race_loop.h"
#include "support/race_fixture.h"
#include "ui/race_screen.h"

TEST_F(RaceTest, TheBazookaReloadsOnlyAtSpeedOneAndTakesTheAction) {
    AddGadget(1, SideMisc, L"Bazooka");
    game.cars[1].sides[SideMisc].gadgets[1].charges = 1;  // fired
    game.cars[1].prevCellX = game.cars[1].cellX - 2;
    player.When(ChoiceShown, [this] { player.ClickButton(gui_id::Bazooka); });
    player.When([this] { return ChoiceShown() && player.DialogTexts().size() == 1; }, [this] {
        EXPECT_EQ(CountGadgets(L"Bazooka", 1, SideMisc, L"ega", 0), 0);
        game.cars[1].prevCellX = game.cars[1].cellX - 1;
        player.ClickButton(gui_id::Bazooka);
    });
    player.When([] { return game.cars[1].hasActed && ChoiceShown(); }, [] {
        EXPECT_EQ(std::wstring(raceScreen.bazooka->getText()), L"Bazooka");
        EXPECT_FALSE(raceScreen.bazooka->isEnabled());
        game.actionRequests[RequestQuit] = 1;
    });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_EQ(player.DialogTexts().at(0),
              L"Vous devez être en vitesse 1 ou à l'arrêt pour pouvoir recharger votre bazooka");
    EXPECT_EQ(player.DialogTexts().at(1), L"Bazooka rechargé");
    EXPECT_EQ(CountGadgets(L"Bazooka", 1, SideMisc, L"ega", 0), 1);  // the button now fires
}
