// Sideswipes: contacts found by replaying a move against the other cars'
// bodies and the walls, and settled through the real move with its
// messages, avoidance tests and damage.
#include "rules/sideswipes.h"

#include <algorithm>
#include <random>
#include <vector>

#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/random.h"
#include "core/state_checksum.h"
#include "platform/text.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "rules/move_risks.h"
#include "scene/cross_markers.h"
#include "rules/wall_impact.h"
#include "scene/car_setup.h"
#include "scene/body_contacts.h"
#include "support/race_fixture.h"
#include "core/event_receiver.h"
#include "ui/race_screen.h"

namespace {
int Lost(int car, int side) { return 10 - game.cars[car].sides[side].structure; }
}  // namespace

// Car 1 drives from (2, 2) to (3, 4) past car 2 standing on (3, 3), facing
// +z: their bodies brush, car 1's right side against car 2's left.
class SideswipeTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        for (int i = 1; i <= 2; ++i) {
            game.cars[i].mass = 3;
            SetStructure(i, 10);
        }
    }
    void BrushPast() {
        StandCar(1, 2, 2);
        StandCar(2, 3, 3);
        ResolveMove(1, RecordMove(1, 3, 4));
    }
};

// The square circuit with a pillar at x and z 420..480.
class PillarTest : public SideswipeTest {
protected:
    void SetUp() override {
        pillar = true;
        SideswipeTest::SetUp();
    }
};

// Who may avoid the brush, in turn: the mover, then the other car; the
// messages each case shows once, and the points lost on the faces that met,
// half the other's mass (3 / 2 = 1) each. A sideswipe never pushes.
TEST_F(SideswipeTest, EachDriverInTurnMayAvoidItAndOnlyAnUnavoidedOneHurts) {
    struct Case {
        const wchar_t *mover, *other;
        int answer;  // of a person's questions: 2 is "Non"
        std::vector<int> dice;
        int otherInRace;
        std::vector<std::wstring> seen;
        int moverLost, otherLost;
        bool otherAsked;
    };
    const Case cases[] = {
        // A computer mover who avoids it ends it; the other car is never asked.
        {L"IA", L"Humain", 1, {10}, 1,
         {L"Ann souhaite éviter la touchette.\n", L"Ann réussi à esquiver la touchette.\n"}, 0, 0, false},
        // A person who answers "Non" leaves the choice to the other car.
        {L"Humain", L"Humain", 2, {}, 1,
         {L"Voiture 1 : \nSouhaitez vous éviter la touchette ?",
          L"Voiture 2 :\nLe véhicule 1 est parti pour vous toucher, souhaitez vous éviter la touchette ?"},
         1, 1, true},
        // A computer tries and fails (11 above its skill), then the other car tries too.
        {L"IA", L"IA", 1, {11, 3}, 1,
         {L"Ann loupe son test de pilotage.\n", L"Brutus souhaite éviter la touchette.\n",
          L"Brutus réussi à esquiver la touchette.\n"},
         0, 0, false},
        // Against a car out of the race it happens at once.
        {L"Humain", L"Humain", 2, {}, 0, {}, 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        player = ScriptedPlayer();
        player.AnswerDialogs(c.answer);
        game.cars[1].controller = c.mover;
        game.cars[2].controller = c.other;
        game.cars[2].pilotName = L"Brutus";
        game.cars[2].inRace = c.otherInRace;
        for (int i : {1, 2}) SetStructure(i, 10);
        for (int roll : c.dice) QueueDieResult(roll);
        BrushPast();
        for (const std::wstring& text : c.seen) EXPECT_EQ(player.TimesSeen(text), 1) << ToUtf8(text);
        EXPECT_EQ(player.SawDialogTextContaining(L"Voiture 2"), c.otherAsked);
        EXPECT_EQ(Lost(1, SideRight), c.moverLost);
        EXPECT_EQ(Lost(2, SideLeft), c.otherLost);
        EXPECT_EQ(game.cars[2].pendingMoveFlag, 0);
    }
}

TEST_F(SideswipeTest, CarsTouchingAtTheStartDoNotSideswipe) {
    StandCar(1, 2, 2, 90);  // its nose reaches x = 246
    StandCar(2, 3, 2, 90);
    game.cars[2].sceneNode->setPosition({280, 7, 200});  // its tail reaches back to 239
    game.cars[2].sceneNode->updateAbsolutePosition();
    std::vector<irr::core::line3df> edges;
    irr::core::aabbox3df box;
    BodyEdges(game.cars[1].sceneNode, edges, box);
    ASSERT_TRUE(FirstEdgeContact(edges, game.cars[2].sceneNode->getTriangleSelector()).touches);
    RecordMove(1, 2, 5);  // drives away from it
    CollisionEvents events;
    DetectSideswipes(1, PathOf(game.cars[1]), false, 1, events);
    EXPECT_TRUE(events.empty());
}

// The person sees beside the die the value to reach, and since no message
// follows, the status line says how the test went.
TEST_F(PillarTest, RunningAlongAWallIsATestAndAFailedOneCostsHalfTheSpeed) {
    player.AnswerDialogs();
    std::wstring target;
    player.Whenever([] { return game.dialog.dialogOpen == 1 && game.dialog.dieFaces == 20; },
                    [&target] { target = ScriptedPlayer::TextOf(gui_id::DieTarget); });
    StandCar(2, 8, 8);
    QueueDieResult(11);
    StandCar(1, 4, 2);  // its right side runs 2.5 units into the pillar
    ResolveMove(1, RecordMove(1, 4, 7));
    EXPECT_EQ(player.TimesSeen(L"Touchette avec le mur. Veuillez faire un test de pilotage pour "
                           L"éviter les dégâts"),
              1);
    const std::wstring skill = std::to_wstring(game.cars[1].drivingSkill);
    EXPECT_EQ(target, skill + L" ou moins");
    EXPECT_EQ(WithoutLeadingSpaces(raceScreen.statusLine->getText()), L"Dé : 11 pour " + skill + L" ou moins, raté");
    EXPECT_EQ(Lost(1, SideRight), 2);  // speed 5
    EXPECT_EQ(game.cars[1].cellY, 7);  // the move goes on to its end

    game.cars[1].controller = L"IA";
    QueueDieResult(4);
    StandCar(1, 4, 8);
    ResolveMove(1, RecordMove(1, 4, 3));  // back down: the pillar on its left
    EXPECT_EQ(player.TimesSeen(L"Ann fait un test de touchette avec le mur et le réussi.\n"), 1);
    EXPECT_EQ(Lost(1, SideLeft), 0);
}

// The pre-check leaves out only bodies, steps and edges that cannot touch:
// on random moves among eight cars, it finds exactly the contacts found by
// casting every edge at every step against every body.
TEST_F(PillarTest, ThePreCheckFindsExactlyWhatCastingEveryEdgeFinds) {
    for (int i = 3; i <= 8; ++i) {
        game.cars[i] = game.cars[2];
        game.cars[i].sceneNode = nullptr;
        std::wstring error;
        ASSERT_TRUE(SetupCarForRace(i, 2, L"vert", error));
    }
    game.carCount = 8;
    std::mt19937 random(2026);
    auto pick = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    int withCars = 0, withWalls = 0;
    for (int move = 0; move < 40; ++move) {
        const int x0 = pick(0, 9), y0 = pick(0, 9);
        const int x1 = std::clamp(x0 + pick(-3, 3), 0, 9), y1 = std::clamp(y0 + pick(-3, 3), 0, 9);
        // The others stand beside the path, where brushes happen.
        for (int i = 2; i <= 8; ++i) {
            const double along = pick(0, 10) / 10.0;
            StandCar(i, static_cast<int>(x0 + (x1 - x0) * along) + pick(-1, 1),
                     static_cast<int>(y0 + (y1 - y0) * along) + pick(-1, 1), 45.0f * pick(0, 7));
        }
        StandCar(1, x0, y0, 45.0f * pick(0, 7));
        RecordMove(1, x1, y1);
        const bool spin = pick(0, 1) == 1;
        const int sign = pick(0, 1) ? 1 : -1;
        CollisionEvents prechecked, everyEdge;
        DetectSideswipes(1, PathOf(game.cars[1]), spin, sign, prechecked, ContactSearch::PreChecked);
        DetectSideswipes(1, PathOf(game.cars[1]), spin, sign, everyEdge, ContactSearch::EveryEdge);
        ASSERT_EQ(prechecked.size(), everyEdge.size()) << "move " << move;
        for (size_t k = 0; k < everyEdge.size(); ++k) {
            const CollisionEvent &a = prechecked[k], &b = everyEdge[k];
            EXPECT_TRUE(a.kind == b.kind && a.otherCar == b.otherCar &&
                        a.triggerDistance == b.triggerDistance && a.moverSide == b.moverSide &&
                        a.otherSide == b.otherSide && a.damageToMover == b.damageToMover)
                << "move " << move << " event " << k;
        }
        for (const CollisionEvent& e : everyEdge)
            ++(e.kind == CollisionKind::LightCar ? withCars : withWalls);
    }
    // The moves did brush cars and walls.
    EXPECT_GE(withCars, 5);
    EXPECT_GE(withWalls, 1);
}

// "Voir risques": during a person's choice, the crosses whose move meets
// the pillar, a car or oil take the risk colour, as the rules' own
// detection finds them, and finding them draws no die and changes nothing.
TEST_F(PillarTest, VoirRisquesMarksTheCrossesWhoseMoveMeetsAWallACarOrOil) {
    StandCar(2, 3, 7);
    AddOilPatch(4.6f, 4.0f, 4.6f, 5.0f);
    StandCar(1, 4, 2);
    game.cars[1].prevCellY = -3;  // five cells a turn: the crosses around (4, 7)
    game.cars[1].showRisks = 1;
    auto cross = [](int x, int y) -> const CrossMarker& {
        for (int k = 1; k <= 9; ++k)
            if (game.crossMarkers[k].cellX == x && game.crossMarkers[k].cellY == y) return game.crossMarkers[k];
        return game.crossMarkers[0];
    };
    std::vector<uint32_t> sumsBefore, sumsAfter;
    unsigned long long drawsBefore = 0, drawsAfter = 0;
    std::vector<bool> marked(10), risky(10);
    player.AtFrame(3, [&] {
        sumsBefore = StateSums();
        drawsBefore = RandomDraws();
        const irr::core::vector3df rotation = game.cars[1].sceneNode->getRotation();
        const irr::core::vector3df position = game.cars[1].sceneNode->getPosition();
        for (int k = 1; k <= 9; ++k) {
            const CrossMarker& m = game.crossMarkers[k];
            marked[k] = MarkerMarkedRisky(m);
            risky[k] = RiskOfMove(1, m.cellX, m.cellY).Any();
        }
        sumsAfter = StateSums();
        drawsAfter = RandomDraws();
        EXPECT_EQ(game.cars[1].sceneNode->getRotation(), rotation) << "the car's model unmoved";
        EXPECT_EQ(game.cars[1].sceneNode->getPosition(), position);
        EXPECT_TRUE(RiskOfMove(1, 4, 7).wall) << "brushing the pillar";
        EXPECT_TRUE(RiskOfMove(1, 3, 7).car);
        EXPECT_TRUE(RiskOfMove(1, 5, 6).oil);
        EXPECT_TRUE(MarkerMarkedRisky(cross(4, 7)));
        EXPECT_FALSE(RiskOfMove(1, 3, 6).Any());
        EXPECT_FALSE(MarkerMarkedRisky(cross(3, 6)));
        player.Press(irr::KEY_NUMPAD5);  // selecting a cross keeps the others' colours
    });
    player.AtFrame(6, [&] {
        EXPECT_TRUE(MarkerMarkedRisky(cross(3, 7)));
        EXPECT_FALSE(MarkerMarkedRisky(cross(4, 7))) << "selected: the car's own colour";
        game.cars[1].showRisks = 0;
    });
    player.AtFrame(8, [&] {
        EXPECT_FALSE(MarkerMarkedRisky(cross(3, 7))) << "the box unticked";
        player.Press(irr::KEY_NUMPAD3);
    });
    player.AtFrame(10, [this] { player.Press(irr::KEY_NUMPAD3); });
    player.AnswerDialogs();
    ChooseMove(1);
    EXPECT_EQ(marked, risky);
    EXPECT_EQ(sumsAfter, sumsBefore);
    EXPECT_EQ(drawsAfter, drawsBefore);
}
