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

namespace {
const wchar_t* const kSlowTest =
    L"Vous passez sur de  l'huile. Veillez faire un test de pilotage pour savoir si vous déraperez.\n";
const wchar_t* const kMalusOneTest =
    L"Vous passez sur de  l'huile. Veillez faire un test de pilotage avec un malus de 1 dû à votre "
    L"vitesse pour savoir si vous déraperez.\n";
}  // namespace

// Car 1 sets off from a standstill on row 2; car 2 waits out of the way.
class OilTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        player.AnswerDialogs();
        StandCar(2, 8, 8);
    }
    // Car 1 standing on (x, y), moved to (toX, toY).
    void Drive(int x, int y, int toX, int toY) {
        StandCar(1, x, y, 90);
        ResolveMove(1, RecordMove(1, toX, toY));
    }
    long Seen(const std::wstring& text) const {
        const auto& texts = player.DialogTexts();
        return std::count(texts.begin(), texts.end(), text);
    }
    long OilTestsSeen() const {
        const auto& texts = player.DialogTexts();
        return std::count_if(texts.begin(), texts.end(), [](const std::wstring& t) {
            return t.rfind(L"Vous passez sur de  l'huile. ", 0) == 0;
        });
    }
};

TEST_F(OilTest, APersonRollsWithTheMalusOfHalfTheSpeedAndSkidsNextMoveOnAFailure) {
    AddOilPatch(3, 1, 3, 3);
    QueueDieResult(10);  // speed 1: no malus, 10 is enough
    Drive(2, 2, 3, 2);
    EXPECT_EQ(Seen(kSlowTest), 1);
    EXPECT_EQ(Seen(L"Vous maîtrisez votre véhicule\n"), 1);
    EXPECT_EQ(game.cars[1].skidPending, 0);
    EXPECT_EQ(game.cars[1].pendingMoveFlag, 0);

    QueueDieResult(10);  // speed 3: 10 + 1 is too much
    Drive(2, 2, 5, 2);
    EXPECT_EQ(Seen(kMalusOneTest), 1);
    EXPECT_EQ(Seen(L"Vous déraperez le prochain tour\n"), 1);
    EXPECT_EQ(game.cars[1].skidPending, 1);
    EXPECT_EQ(game.cars[1].pendingMoveFlag, 1);
    EXPECT_EQ(game.cars[1].cellX, 5.0f);  // oil never stops the move itself
}

TEST_F(OilTest, AComputerRollsSilentlyAndIsToldByName) {
    // Skill 9, speed 4: malus 2, so 7 passes and 8 fails.
    game.cars[1].controller = L"IA";
    game.cars[1].drivingSkill = 9;
    AddOilPatch(3, 1, 3, 3);
    QueueDieResult(7);
    Drive(1, 2, 5, 2);
    EXPECT_TRUE(player.SawDialogText(L"Ann passe sur de l'huile et réussi son test de pilotage.\n"));
    EXPECT_EQ(game.cars[1].skidPending, 0);
    QueueDieResult(8);
    Drive(1, 2, 5, 2);
    EXPECT_TRUE(player.SawDialogText(L"Ann passe sur de l'huile et loupe son test de pilotage.\n"));
    EXPECT_EQ(game.cars[1].skidPending, 1);
    EXPECT_EQ(game.cars[1].pendingMoveFlag, 1);
    EXPECT_EQ(OilTestsSeen(), 0);
}

TEST_F(OilTest, WhileTheTestIsOpenTheTrailEndsAtTheCar) {
    AddOilPatch(3, 1, 3, 3);
    float trailEndX = 0;
    player.When([] { return game.dialog.dialogOpen == 1; },
                [&] { trailEndX = game.cars[1].trail[2 * game.cars[1].trailCount - 1]; });
    QueueDieResult(1);
    Drive(2, 2, 5, 2);
    // Steps of 10 units from x = 201: the patch is reached at 301.
    EXPECT_NEAR(trailEndX, 3.01f, 1e-3);
    EXPECT_EQ(game.cars[1].trail[2 * game.cars[1].trailCount - 1], 5.0f);
}

TEST_F(OilTest, OneMoveIsTestedInOneStepOnlyOncePerPatchTouchedThere) {
    AddOilPatch(3, 1, 3, 3);
    AddOilPatch(4, 1, 4, 3);
    for (int i = 0; i < 4; ++i) QueueDieResult(1);
    Drive(2, 2, 6, 2);  // the two patches, at different steps
    EXPECT_EQ(OilTestsSeen(), 1);

    ClearOilPatches();
    AddOilPatch(3, 1, 3, 3);
    AddOilPatch(2, 3, 4, 1);  // across the first at (3, 2)
    Drive(2, 2, 6, 2);
    EXPECT_EQ(OilTestsSeen(), 3);
}

TEST_F(OilTest, APatchTheMoveStartsOnIsNotTestedButTheNextOneIs) {
    AddOilPatch(2, 1, 2, 3);
    AddOilPatch(4, 1, 4, 3);
    float testedAtX = 0;
    player.When([] { return game.dialog.dialogOpen == 1; },
                [&] { testedAtX = game.cars[1].sceneNode->getPosition().X; });
    QueueDieResult(20);
    Drive(2, 2, 5, 2);
    EXPECT_EQ(OilTestsSeen(), 1);
    EXPECT_NEAR(testedAtX, 401.0f, 0.01f);  // at the second patch
    EXPECT_EQ(game.cars[1].skidPending, 1);
}

TEST_F(OilTest, DrivingAlongAPatchTheCarMeetsItOneStepBeforeItsEnd) {
    AddOilPatch(4, 2, 8, 2);  // on the car's own row, ahead of it
    float testedAtX = 0;
    player.When([] { return game.dialog.dialogOpen == 1; },
                [&] { testedAtX = game.cars[1].sceneNode->getPosition().X; });
    QueueDieResult(1);
    Drive(2, 2, 6, 2);
    // Steps of 13.33 units from x = 201: the first within 13.33 of x = 400.
    EXPECT_NEAR(testedAtX, 387.67f, 0.01f);
    EXPECT_EQ(OilTestsSeen(), 1);
}

TEST_F(OilTest, ACarAlreadySkiddingOrOutOfTheRaceIsNotTested) {
    AddOilPatch(3, 1, 3, 3);
    game.cars[1].skidPending = 1;
    Drive(2, 2, 5, 2);
    game.cars[1].skidPending = 0;
    game.cars[1].inRace = 0;
    Drive(2, 2, 5, 2);
    EXPECT_EQ(OilTestsSeen(), 0);
}

TEST_F(OilTest, TheCarThatLaidOilIsTestedOnItLikeAnyOther) {
    game.cars[1].oilSprayed = 1;
    Drive(2, 2, 5, 2);  // lays a patch along its move, untested on it
    ASSERT_EQ(OilPatchCount(), 1);
    const OilPatch& patch = OilPatches()[1];
    EXPECT_EQ(patch.x1, 200.0f);
    EXPECT_EQ(patch.z1, 200.0f);
    EXPECT_EQ(patch.x2, 500.0f);
    EXPECT_EQ(patch.z2, 200.0f);
    EXPECT_EQ(game.cars[1].oilSprayed, 0);
    EXPECT_EQ(OilTestsSeen(), 0);

    QueueDieResult(1);
    Drive(4, 1, 4, 3);  // a later move across it
    EXPECT_EQ(Seen(kMalusOneTest), 1);
}
