// The race screen's requests in a running race: the double steering wheel at
// the start, Nitro moves with their charges, skids and the refusals.
#include "race/race_loop.h"

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "rules/move_choice.h"
#include "support/race_fixture.h"

using namespace irr;

TEST_F(RaceTest, TheDoubleWheelIsAskedOfAPlayerAndDrawnForTheComputer) {
    AddGadget(1, SideMisc, L"Volant double");
    AddGadget(2, SideMisc, L"Volant double");
    game.cars[2].controller = L"IA";
    game.dialog.choiceLabels[1].clear();
    player.AnswerDialogs(1);  // "Gauche"
    SetRandomState(1);        // the computer's draw: 41 / 16383 = 0, "Droite"
    StartRace();
    EXPECT_EQ(game.cars[1].wheelSide + L" " + game.cars[2].wheelSide, L"Gauche Droite");
    EXPECT_TRUE(player.SawDialogTexts({L"Ann vous avez un système de volant double.\nDe quel côté "
        L"souhaitez vous l'installer pour cette course ?\n",
        L"Bob dispose d'un système de volant double et a choisi de "
        L"l'installer du côté Droite.\n"}));
}

namespace {
// After car 1's move (with no automatic end of turn), each request in turn
// once the one before was answered, then the player leaves.
void RequestAfterTheMove(ScriptedPlayer& player, std::vector<ActionRequest> requests) {
    player.Whenever(
        [] {
            return game.cars[1].hasMoved == 1 && game.dialog.dialogOpen == 0 &&
                   !AnyActionRequest();
        },
        [requests, next = size_t{0}]() mutable {
            game.actionRequests[next < requests.size() ? requests[next] : RequestQuit] = 1;
            ++next;
        });
}

// Answers the Nitro side question with `side` and every other question with 1.
void AnswerNitroSide(ScriptedPlayer& player, int side) {
    player.Whenever([] { return game.dialog.dialogOpen == 1 && game.dialog.choiceState > 0 &&
                                game.dialog.choiceState <= 4; },
                    [&player, side] {
                        const bool nitro = game.dialog.choiceLabels[1] == L"AVANT";
                        player.ClickButton(gui_id::Choice1 + (nitro ? side - 1 : 0));
                    });
    player.AnswerDialogs(1);
}
}  // namespace

TEST_F(RaceTest, NitroAfterTheMoveIsRefusedAndAWeaponAfterTheAction) {
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, SideFront, L"Mitrailleuse avant");
    game.cars[1].autoEndTurn = 0;
    player.When(ChoiceShown, [this] { ClickMarkerTwice(8); });
    player.When([] { return game.cars[1].hasMoved == 1; }, [] { game.cars[1].hasActed = 1; });
    RequestAfterTheMove(player, {RequestNitro, RequestFrontGun, RequestOilProjector});
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_TRUE(player.SawDialogTexts({L"Vous vous êtes déjà déplacé ce tour çi",
        L"Vous avez déjà effectué votre action ce tour ci",
        L"Vous devez activer le projecteur d'huile AVANT votre mouvement\n"}));
    EXPECT_EQ(game.cars[1].sides[SideFront].gadgets[1].charges, 1);  // nothing spent
}

TEST_F(RaceTest, ANitroMoveDoublesTheStepAndSpendsOneChargeOfTheChosenSide) {
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, SideLeft, L"Nitro");
    game.cars[1].prevCellX = 1;  // moving one cell a turn towards +x
    player.When(ChoiceShown, [] { game.actionRequests[RequestNitro] = 1; });
    player.When([] { return ChoiceShown() && game.crossMarkers[5].cellX == 4; },
                [this] { ClickMarkerTwice(5); });
    LeaveWhen([] { return game.currentCar == 2; });
    AnswerNitroSide(player, 2);  // the second side offered: "GAUCHE"
    RunRace();
    EXPECT_EQ(game.cars[1].cellX, 4.0f);  // 2 + 2 x (2 - 1)
    EXPECT_TRUE(player.SawDialogText(L"Vous avez des nitros disponibles sur plusieurs côtés, "
                                     L"laquelle souhaitez vous utiliser :"));
    EXPECT_EQ(std::make_pair(game.cars[1].sides[SideFront].gadgets[1].charges,
                             game.cars[1].sides[SideLeft].gadgets[1].charges), std::make_pair(1, 0));
}

TEST_F(RaceTest, PressingNitroAgainCancelsTheNitroMove) {
    AddGadget(1, SideFront, L"Nitro");
    // Standing still and facing +y: the normal choice is centred on the car,
    // the Nitro choice two cells ahead of it.
    int normalChoices = 0;
    player.Whenever(ChoiceShown, [&normalChoices] {
        const bool nitro = game.crossMarkers[5].cellY == 4;
        if (!nitro) ++normalChoices;
        if (nitro || normalChoices == 1) game.actionRequests[RequestNitro] = 1;
        else game.actionRequests[RequestQuit] = 1;
    });
    player.AnswerDialogs(1);
    RunRace();
    // Back to the normal choice after the second press; no move, no charge spent.
    EXPECT_EQ(std::vector<int>({normalChoices, game.cars[1].hasMoved, game.cars[1].sides[SideFront].gadgets[1].charges}),
              std::vector<int>({2, 0, 1}));
}

TEST_F(RaceTest, ANitroRequestWithoutChargeIsRefusedAndSpendsNothing) {
    AddGadget(1, SideFront, L"Nitro");
    game.cars[1].sides[SideFront].gadgets[1].charges = 0;
    player.AnswerDialogs();
    ChooseNitroMove(1);
    EXPECT_EQ(game.cars[1].hasMoved, 0);
    EXPECT_EQ(player.DialogTexts().size(), 1u);
    EXPECT_FALSE(game.crossMarkers[5].node->isVisible());
}

TEST_F(RaceTest, ASkiddingCarSlidesToARandomCrossAndIsToldWhere) {
    game.cars[1].skidPending = 1;
    game.cars[1].pendingMoveFlag = 1;
    SetRandomState(1);  // first draw 41: cross 41 / (32767 / 9) + 1 = 1
    player.AnswerDialogs();
    LeaveWhenCarPlays(2);
    RunRace();
    EXPECT_TRUE(player.SawDialogText(L"Vous dérapez ici"));
    const CarRecord& car = game.cars[1];  // its turn has passed
    EXPECT_EQ(std::vector<int>({car.skidPending, car.pendingMoveFlag, car.hasMoved, car.trailCount}),
              std::vector<int>({0, 0, 0, 3}));
}
