// The grenade launcher: where its nine cells lie, every car in them hit on
// two different faces, the thrower too, and a throw from the race column.
#include "rules/grenade.h"

#include <vector>

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "race/race_loop.h"
#include "support/race_fixture.h"
#include "ui/race_screen.h"

class GrenadeTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        game.cars[1].shootingSkill = 10;
        AddGadget(1, SideFront, L"Lance Grenades");
        for (int car : {1, 2, AddCarWithoutModel(8, 8)}) SetStructure(car, 10);
    }
};

TEST_F(GrenadeTest, TheNineCellsLieTwoCellsFromAStandingCarAndOneMoveFromAMovingOne) {
    AddGadget(1, SideRear, L"Lance Grenades");
    int launcher = 2;  // "Avant"; the throw itself is refused
    player.Whenever([] { return game.dialog.dialogOpen == 1 && game.dialog.choiceState == 2; }, [&] {
        const bool which = game.dialog.choiceLabels[1] == L"Arrière";
        player.ClickButton(gui_id::Choice1 + (which ? launcher - 1 : 1));
    });
    const int cases[][5] = {{4, 2, 4, 6, 3}, {4, 1, 4, 2, 3}, {3, 2, 6, 4, 5}, {1, 2, 7, 4, 6}};
    for (const auto& c : cases) {  // last x, launcher, centre, marker 1's x
        StandCar(1, 4, 4, 0);
        game.cars[1].prevCellX = static_cast<float>(c[0]);
        launcher = c[1];
        FireGrenade(1);
        EXPECT_EQ(game.crossMarkers[5].cellX * 10 + game.crossMarkers[5].cellY, c[2] * 10 + c[3]);
        EXPECT_EQ(game.crossMarkers[1].cellX, c[4]);
        EXPECT_FALSE(game.crossMarkers[5].node->isVisible());
    }
    EXPECT_TRUE(player.SawDialogText(L"Lequel de vos deux Lance Grenades souhaitez vous utiliser ?\n"));
    EXPECT_EQ(CountGadgets(L"Lance Grenades", 1, kAllSides, L"sup", 0), 2);
    EXPECT_EQ(game.cars[1].hasActed, 0);
}

TEST_F(GrenadeTest, EveryCarInTheNineCellsIsHitOnTwoDifferentFacesTheThrowerToo) {
    // No whole move leaves the thrower in its own cells; a last move of half
    // a cell, cut to nothing, does: the cells lie around (4, 4).
    StandCar(1, 4, 4, 0);
    game.cars[1].prevCellY = 3.5f;
    StandCar(2, 5, 5, 90);
    StandCar(3, 3, 3);
    game.cars[3].controller = L"IA";
    player.AnswerDialogs(1);
    // Hit on 10. Car 1: faces 3 and 4, damage 1 and 1, steady on 1. Car 2:
    // faces 1, 1 again drawn anew as 3, damage 2 and 4, steady on 5. Car 3:
    // faces 2 and 4, damage 1 and 3, loses control on 20.
    for (int roll : {10, 3, 4, 1, 1, 1, 1, 1, 3, 2, 4, 5, 2, 4, 1, 3, 20}) QueueDieResult(roll);
    FireGrenade(1);
    EXPECT_EQ(FacesLost(1, 10), std::vector<int>({0, 0, 1, 1}));
    EXPECT_EQ(FacesLost(2, 10), std::vector<int>({2, 0, 4, 0}));
    EXPECT_EQ(FacesLost(3, 10), std::vector<int>({0, 1, 0, 3}));
    EXPECT_TRUE(game.cars[3].skidPending && game.cars[3].pendingMoveFlag && !game.cars[2].skidPending);
    EXPECT_TRUE(player.SawDialogTexts(
         {L"Voiture 2 touchée.\n\nLes deux côtés touchés sont le côté Avant et le côté Droite.\n\n"
          L"Veuillez lancer 1 dé à 4 faces de dégats pour chacun de ces côtés.\n",
          L"Dégâts du côté Droite.\n",
          L"Voiture 2 :\nVeuillez faire un test de pilotage pour savoir si ce tir vous fait déraper\n",
          L"Vous stabilisez votre véhicule sans problème.\n",
          L"Car3 loupe son test de pilotage et l'impact lui fait perdre le contrôle de son véhicule.\n"}));
    EXPECT_EQ(game.cars[1].hasActed, 1);
}

TEST_F(GrenadeTest, TheRaceColumnThrowsAMissAndHidesTheEmptyLauncher) {
    QueueDieResult(11);
    player.When(ChoiceShown, [this] { player.ClickButton(gui_id::Grenade); });
    player.When([] { return game.cars[1].hasActed && ChoiceShown(); }, [] {
        EXPECT_FALSE(raceScreen.grenade->isVisible());
        game.actionRequests[RequestQuit] = 1;
    });
    player.AnswerDialogs(1);
    RunRace();
    ASSERT_GE(player.DialogTexts().size(), 3u);
    const std::vector<std::wstring> thrown = {
        L"Voulez vous lancer une grenade qui touchera les 9 cases suivantes ?\n", L"Test de tir :\n",
        L"Tir loupé\n"};
    EXPECT_EQ(std::vector<std::wstring>(player.DialogTexts().begin(), player.DialogTexts().begin() + 3),
              thrown);
}
