// Oil on the track, met through the real move resolution: which patches a
// move is tested for, the malus of its speed, what each driver is told, and
// the skid that a failed test leaves for the next move.
#include "rules/oil_contact.h"

#include <algorithm>

#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/random.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "support/race_fixture.h"

// Car 1 sets off from a standstill; car 2 waits out of the way. Where car 1
// stood (world x) and where its trail ended when each message opened are
// kept.
class OilTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        player.AnswerDialogs();
        player.Whenever([this] { return game.dialog.dialogOpen == 1 && !open_; },
                        [this] {
                            const CarRecord& car = game.cars[1];
                            carX.push_back(car.sceneNode->getPosition().X);
                            trailEndX.push_back(car.trail[2 * car.trailCount - 1]);
                        });
        player.Whenever([] { return true; }, [this] { open_ = game.dialog.dialogOpen == 1; });
        StandCar(2, 8, 8);
    }
    void Drive(int x, int y, int toX, int toY) {
        carX.clear();
        trailEndX.clear();
        StandCar(1, x, y, 90);
        ResolveMove(1, RecordMove(1, toX, toY));
    }
    long OilTestsSeen() const {
        const auto& texts = player.DialogTexts();
        return std::count_if(texts.begin(), texts.end(), [](const std::wstring& t) {
            return t.rfind(L"Vous passez sur de  l'huile. ", 0) == 0;
        });
    }
    std::vector<float> carX, trailEndX;

private:
    bool open_ = false;
};

TEST_F(OilTest, APersonRollsWithTheMalusOfHalfTheSpeedAndSkidsNextMoveOnAFailure) {
    AddOilPatch(3, 1, 3, 3);
    QueueDieResult(10);  // speed 1: no malus, 10 is enough
    Drive(2, 2, 3, 2);
    EXPECT_TRUE(player.SawDialogTexts({L"Vous passez sur de  l'huile. Veillez faire un test de pilotage "
        L"pour savoir si vous déraperez.\n",
        L"Vous maîtrisez votre véhicule\n"}));
    EXPECT_EQ(game.cars[1].skidPending, 0);

    QueueDieResult(10);  // speed 3: 10 + 1 is too much
    Drive(2, 2, 5, 2);
    // Steps of 10 units from x = 201 reach the patch at 301, where the
    // trail ends while the test is open; the move goes on to its end.
    EXPECT_NEAR(trailEndX.at(0), 3.01f, 1e-3);
    EXPECT_EQ(game.cars[1].trail[2 * game.cars[1].trailCount - 1], 5.0f);
    EXPECT_TRUE(player.SawDialogTexts({L"Vous passez sur de  l'huile. Veillez faire un test de pilotage avec un malus de 1 dû à "
        L"votre vitesse pour savoir si vous déraperez.\n",
        L"Vous déraperez le prochain tour\n"}));
    EXPECT_TRUE(game.cars[1].skidPending && game.cars[1].pendingMoveFlag);
}

TEST_F(OilTest, AComputerRollsSilentlyAndIsToldByName) {
    // Skill 9, speed 4: malus 2, so 7 passes and 8 fails.
    game.cars[1].controller = L"IA";
    game.cars[1].drivingSkill = 9;
    AddOilPatch(3, 1, 3, 3);
    QueueDieResult(7);
    Drive(1, 2, 5, 2);
    EXPECT_TRUE(player.SawDialogText(L"Ann passe sur de l'huile et réussi son test de pilotage.\n") &&
                !game.cars[1].skidPending);
    QueueDieResult(8);
    Drive(1, 2, 5, 2);
    EXPECT_TRUE(player.SawDialogText(L"Ann passe sur de l'huile et loupe son test de pilotage.\n"));
    EXPECT_EQ(game.cars[1].skidPending, 1);
    EXPECT_EQ(OilTestsSeen(), 0);
}

TEST_F(OilTest, AMoveIsTestedInOneStepOnlyOncePerPatchItReachesThere) {
    for (int i = 0; i < 5; ++i) QueueDieResult(1);
    AddOilPatch(3, 1, 3, 3);
    AddOilPatch(4, 1, 4, 3);
    Drive(2, 2, 6, 2);  // the two patches, at different steps
    EXPECT_EQ(OilTestsSeen(), 1);

    ClearOilPatches();
    AddOilPatch(3, 1, 3, 3);
    AddOilPatch(2, 3, 4, 1);  // across the first at (3, 2)
    Drive(2, 2, 6, 2);
    EXPECT_EQ(OilTestsSeen(), 3);

    ClearOilPatches();
    AddOilPatch(2, 1, 2, 3);  // under the car as it sets off: left alone
    AddOilPatch(4, 2, 8, 2);  // along its row, ahead
    Drive(2, 2, 6, 2);
    EXPECT_EQ(OilTestsSeen(), 4);
    // Steps of 13.33 units from x = 201: the first within 13.33 of x = 400.
    EXPECT_NEAR(carX.at(0), 387.67f, 0.01f);
}

TEST_F(OilTest, TheCarThatLaidOilIsTestedOnItButNotWhileSkiddingOrOutOfTheRace) {
    game.cars[1].oilSprayed = 1;
    Drive(2, 2, 5, 2);  // lays a patch along its move, across x = 4
    ASSERT_EQ(OilPatchCount(), 1);
    EXPECT_EQ(game.cars[1].oilSprayed, 0);

    game.cars[1].skidPending = 1;
    Drive(4, 1, 4, 3);  // a later move across it
    game.cars[1].skidPending = 0;
    game.cars[1].inRace = 0;
    Drive(4, 1, 4, 3);
    EXPECT_EQ(OilTestsSeen(), 0);
    game.cars[1].inRace = 1;
    QueueDieResult(1);
    Drive(4, 1, 4, 3);
    EXPECT_EQ(OilTestsSeen(), 1);
}
