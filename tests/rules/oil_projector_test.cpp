// The oil projector: the confirmation, the cartridge spent (its face asked
// only when full ones sit on several faces), and the patch laid along the
// move that follows, shown growing behind the car as it drives.
#include "rules/oil_projector.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/event_receiver.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/oil_patches.h"
#include "race/race_loop.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "scene/race_frame.h"
#include "support/race_fixture.h"
#include "ui/race_screen.h"

class OilProjectorTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        AddGadget(1, SideRear, L"Projecteur d'huile");
        AddGadget(1, SideRight, L"Cartouche d'huile");
    }
    static int Charges(int side) { return game.cars[1].sides[side].gadgets[1].charges; }
};

TEST_F(OilProjectorTest, OneCartridgeIsSpentWithoutAskingItsFaceAndTheMoveLaysThePatch) {
    player.AnswerDialogs(1);
    StandCar(1, 2, 2, 90);
    SprayOil(1);
    EXPECT_EQ(player.DialogTexts(),
              std::vector<std::wstring>({L"Vous aller laisser sur le terrain une traînée d'huile tout "
                                         L"le long du mouvement que vous allez effectuer ce tour ci. "
                                         L"Confirmer ?"}));
    EXPECT_TRUE(Charges(SideRight) == 0 && game.cars[1].oilSprayed && game.cars[1].hasActed);
    ResolveMove(1, RecordMove(1, 4, 3));
    ASSERT_EQ(OilPatchCount(), 1);
    const OilPatch& patch = OilPatches()[1];
    EXPECT_EQ(std::vector<float>({patch.x1, patch.z1, patch.x2, patch.z2}),
              std::vector<float>({200, 200, 400, 300}));
}

TEST_F(OilProjectorTest, TheRaceColumnAsksTheFaceAmongSeveralBeforeTheMove) {
    AddGadget(1, SideFront, L"Cartouche d'huile");
    player.When(ChoiceShown, [this] { player.ClickButton(gui_id::OilProjector); });
    player.When([] { return game.dialog.dialogOpen && game.dialog.choiceLabels[2] == L"DROITE"; },
                [this] { player.ClickButton(gui_id::Choice1 + 1); });
    player.When([] { return game.cars[1].oilSprayed && ChoiceShown(); }, [] {
        EXPECT_FALSE(raceScreen.oilProjector->isEnabled());
        game.actionRequests[RequestOilProjector] = 1;  // a second time
    });
    player.When([] { return game.cars[1].oilSprayed && ChoiceShown() && !AnyActionRequest(); },
                [this] { ClickMarkerTwice(8); });  // to (3, 2)
    LeaveWhenCarPlays(2);
    RunRace();
    EXPECT_TRUE(player.SawDialogTexts({L"Vous avez des cartouches d'huile disponibles sur plusieurs "
        L"côtés, laquelle souhaitez vous utiliser :",
        L"Vous avez déjà activé le projecteur d'huile pour ce tour"}));
    EXPECT_TRUE(Charges(SideRight) == 0 && Charges(SideFront) == 1);
    ASSERT_EQ(OilPatchCount(), 1);
    EXPECT_EQ(OilPatches()[1].x2, 300.0f);
}

TEST_F(OilProjectorTest, TheOilGrowsBehindTheCarAsItDrivesAndIsLaidOnceTheMoveEnds) {
    player.When(ChoiceShown, [this] { player.ClickButton(gui_id::OilProjector); });
    player.When([] { return game.cars[1].oilSprayed && ChoiceShown(); },
                [this] { ClickMarkerTwice(9); });  // to (3, 3)
    std::vector<float> lengths;  // of the oil shown, frame by frame
    int patchesWhileDriving = 0;
    player.Whenever([] { return OilBeingLaid() != nullptr; }, [&] {
        const OilPatch& oil = *OilBeingLaid();
        const irr::core::vector3df car = game.cars[1].sceneNode->getPosition();
        EXPECT_EQ(std::vector<float>({oil.x1, oil.z1, oil.x2, oil.z2}),
                  std::vector<float>({200, 200, car.X, car.Z}));
        lengths.push_back(std::hypot(oil.x2 - oil.x1, oil.z2 - oil.z1));
        patchesWhileDriving = std::max(patchesWhileDriving, OilPatchCount());
    });
    LeaveWhenCarPlays(2);
    RunRace();
    ASSERT_GE(lengths.size(), 20u);
    EXPECT_TRUE(std::adjacent_find(lengths.begin(), lengths.end(), std::greater_equal<float>()) ==
                lengths.end()) << "longer at every step";
    EXPECT_NEAR(lengths.back(), 100 * std::sqrt(2.0f), 1e-3);
    EXPECT_EQ(patchesWhileDriving, 0) << "the rules' patches change only at the end";
    ASSERT_EQ(OilPatchCount(), 1);
    EXPECT_EQ(OilPatches()[1].x2, 300.0f);
    EXPECT_EQ(OilBeingLaid(), nullptr);
}
