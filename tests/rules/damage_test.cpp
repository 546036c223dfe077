// Damage as the player reads it in the report: armour, reinforcements,
// structure, gadgets and the pilot, and the burn-out when he is done for.
#include "rules/damage.h"

#include <set>
#include <vector>

#include "core/fitted_gadgets.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "support/race_fixture.h"

class DamageTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        player.AnswerDialogs();
        SetStructure(1, 10);
    }

    static CarRecord& Ann() { return game.cars[1]; }

    static void Fit(int side, const wchar_t* name, int count = 1) {
        for (int i = 0; i < count; ++i) AddGadget(1, side, name);
        Ann().mass = ComputeMass(1);
    }

    // Damage on Ann's car; the report she read (the first message of the
    // call). A frame passes first, as between two hits of a race, so that a
    // report like the one before is seen anew.
    std::wstring Report(int side, int points) {
        PumpFrame();
        const size_t before = player.DialogTexts().size();
        ApplyDamage(1, side, points);
        if (player.DialogTexts().size() <= before) return L"(no report)";
        return player.DialogTexts()[before];
    }
};

TEST_F(DamageTest, NoPointsOrAnUnknownCarOrSideShowNothingAndChangeNothing) {
    const long long frames = FramesPumped();
    for (int points : {0, -3}) ApplyDamage(1, SideFront, points);
    for (int side : {-1, 5}) ApplyDamage(1, side, 2);
    for (int car : {0, 3}) ApplyDamage(car, SideFront, 2);
    EXPECT_EQ(FramesPumped(), frames);
    EXPECT_EQ(Ann().sides[SideFront].structure, 10);
    EXPECT_EQ(Ann().hitPoints, 4);
}

// Hits that the structure holds: what armour and reinforcements leave is
// taken by the structure; no gadget is lost and the pilot is untouched.
TEST_F(DamageTest, WhileTheStructureHoldsTheReportEndsWithWhatIsLeftOfIt) {
    struct Hit {
        int side, structure;
        std::vector<const wchar_t*> gadgets;
        int points;
        std::wstring report;
        int structureAfter;
    };
    const Hit hits[] = {
        {SideFront, 5, {L"Blindage"}, 1,
         L"Voiture : 1\n\n1 point(s) de dégâts arrivent du côté Avant\n\n"
         L"Votre Blindage absorbe 1 point.\n\n"
         L"0 points encaissés par la structure Avant.\n"
         L"Nb de points restant sur le côté Avant : 5",
         5},
        {SideFront, 3, {L"Mitrailleuse avant"}, 3,
         L"Voiture : 1\n\n3 point(s) de dégâts arrivent du côté Avant\n\n"
         L"3 points encaissés par la structure Avant.\n"
         L"Nb de pts restants sur le côtéAvant : 0\n\n"
         L"Les prochains points de dégâts qui arriveront sur ce côté détruiront des gadgets "
         L"qui y sont installés, puis passeront sur le pilote.",
         0},
        {SideRight, 4, {L"Blindage", L"Blindage", L"Renfort Latéral"}, 7,
         L"Voiture : 1\n\n7 point(s) de dégâts arrivent du côté Droite\n\n"
         L"Vos Blindages absorbent 2 points.\n\n"
         L"Renfort Latéral n°1 : Encaisse 5 points (0 restants)\n\n"
         L"0 points encaissés par la structure Droite.\n"
         L"Nb de points restant sur le côté Droite : 4",
         4},
    };
    for (const Hit& hit : hits) {
        RemoveAllGadgets(1);
        for (const wchar_t* name : hit.gadgets) Fit(hit.side, name);
        Ann().sides[hit.side].structure = hit.structure;
        EXPECT_EQ(Report(hit.side, hit.points), hit.report);
        EXPECT_EQ(Ann().sides[hit.side].structure, hit.structureAfter);
        EXPECT_EQ(Ann().sides[hit.side].gadgetCount, static_cast<int>(hit.gadgets.size()))
            << "plates are never used up, a spent reinforcement stays fitted";
        EXPECT_EQ(Ann().hitPoints, 4);
    }
}

TEST_F(DamageTest, OnAnExposedSideEachPointDestroysAGadgetThenTheRestReachesThePilot) {
    const auto twoNitrosDestroyed = [](int points) {
        Fit(SideRear, L"Nitro", 2);
        Ann().sides[SideRear].structure = 0;
        return L"Voiture : 1\n\n" + std::to_wstring(points) +
               L" point(s) de dégâts arrivent du côté Arrière\n\n"
               L"Vous n'avez plus de point de structure sur ce côté :\n\n"
               L"(gadget) Nitro détruit\n(gadget) Nitro détruit\n\n";
    };
    // The last gadget takes the last point: the pilot is next.
    std::wstring expected = twoNitrosDestroyed(2);
    EXPECT_EQ(Report(SideRear, 2), expected + L"Il ne reste plus de gadgets sur ce côté. Les "
                                              L"prochains points de dégâts passeront sur le pilote\n");
    EXPECT_EQ(Ann().hitPoints, 4);

    // Two points more than gadgets: they pass to the pilot, without the warning.
    expected = twoNitrosDestroyed(4);
    EXPECT_EQ(Report(SideRear, 4), expected + L"Les 2 points de dégâts restants passent sur le pilote\n");
    EXPECT_EQ(Ann().sides[SideRear].gadgetCount, 0);
    EXPECT_EQ(Ann().hitPoints, 2);
    EXPECT_EQ(Ann().inRace, 1);
}

TEST_F(DamageTest, TheGadgetDestroyedIsAnyOfTheSideAndTheMassDropsAcrossAMultipleOfThree) {
    const std::wstring front[] = {L"Mitrailleuse avant", L"Lance Grenades"};
    Ann().sides[SideFront].structure = 0;
    std::set<std::wstring> destroyed;
    // Until both have been drawn (a fair draw fails this with odds of 2^-199).
    for (int round = 0; round < 200 && destroyed.size() < 2; ++round) {
        RemoveAllGadgets(1);
        Fit(SideRear, L"Nitro");  // the third gadget, out of reach
        for (const std::wstring& name : front) Fit(SideFront, name.c_str());
        ASSERT_EQ(Ann().mass, 3);
        const std::wstring report = Report(SideFront, 1);
        ASSERT_EQ(Ann().sides[SideFront].gadgetCount, 1);
        const std::wstring gone = Ann().sides[SideFront].gadgets[1].name == front[0] ? front[1] : front[0];
        EXPECT_EQ(report, L"Voiture : 1\n\n1 point(s) de dégâts arrivent du côté Avant\n\n"
                          L"Vous n'avez plus de point de structure sur ce côté :\n\n"
                          L"(gadget) " + gone + L" détruit\n\n");
        EXPECT_EQ(Ann().mass, 2) << "three gadgets less one";
        destroyed.insert(gone);
    }
    EXPECT_EQ(destroyed.size(), 2u) << "either gadget of the side can be the one destroyed";
}

TEST_F(DamageTest, ReinforcementsAreNumberedOverAllOfThemAndSpentOnesTakeNothing) {
    Fit(SideLeft, L"Renfort Latéral", 3);
    Ann().sides[SideLeft].gadgets[1].charges = 0;
    Ann().sides[SideLeft].gadgets[2].charges = 1;
    Ann().sides[SideLeft].structure = 4;
    EXPECT_EQ(Report(SideLeft, 3),
              L"Voiture : 1\n\n3 point(s) de dégâts arrivent du côté Gauche\n\n"
              L"Renfort Latéral n°2 : Encaisse 1 points (0 restants)\n"
              L"Renfort Latéral n°3 : Encaisse 2 points (3 restants)\n\n"
              L"0 points encaissés par la structure Gauche.\n"
              L"Nb de points restant sur le côté Gauche : 4");
    EXPECT_EQ(Ann().sides[SideLeft].gadgets[3].charges, 3);

    Ann().sides[SideLeft].gadgets[3].charges = 0;  // all spent: not a word about them
    EXPECT_EQ(Report(SideLeft, 1),
              L"Voiture : 1\n\n1 point(s) de dégâts arrivent du côté Gauche\n\n"
              L"1 points encaissés par la structure Gauche.\n"
              L"Nb de points restant sur le côté Gauche : 3");
}

TEST_F(DamageTest, APilotPastHisLastHitPointIsBurntOutOnceTheReportIsClosed) {
    ASSERT_TRUE(CopyFromGameFolder("data/carbonise.bmp"));
    Fit(SideMisc, L"Pistolet");
    Fit(SideFront, L"Nitro");
    Ann().sides[SideMisc].structure = 7;
    Ann().sides[SideRear].structure = 2;
    Ann().shootingSkill = 9;
    int lowestHitPoints = 4;  // while the report is read
    player.Whenever([] { return game.dialog.dialogOpen == 1 && Ann().inRace; },
                    [&] { lowestHitPoints = std::min(lowestHitPoints, Ann().hitPoints); });
    QueueDieResult(5);  // the pilot's fate: -2 in shooting

    EXPECT_EQ(Report(SideRear, 9),
              L"Voiture : 1\n\n9 point(s) de dégâts arrivent du côté Arrière\n\n"
              L"Les 2 points de structure restants y passent.\n\n"
              L"Les 7 points de dégâts restants passent sur le pilote\n");
    EXPECT_EQ(lowestHitPoints, 0) << "hit points stop at 0";
    EXPECT_TRUE(player.SawDialogText(L"Pilote handicapé : -2 en tir\n")) << "the fate was rolled";

    const CarRecord& ann = Ann();
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides), 0);
    EXPECT_EQ(FacesLost(1, 0), std::vector<int>(4, 0)) << "no structure left on any face";
    EXPECT_EQ(ann.sides[SideMisc].structure, 7);
    EXPECT_EQ(ann.hitPoints + ann.drivingSkill + ann.shootingSkill + ann.inRace, 0);
    irr::video::ITexture* shown = ann.sceneNode->getMaterial(0).getTexture(0);
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(std::string(shown->getName().getPath().c_str()).find("carbonise.bmp"), std::string::npos);

    // A wreck hit again is not burnt out a second time: the report only, no second fate.
    const size_t seen = player.DialogTexts().size();
    Ann().drivingSkill = 6;
    Report(SideFront, 1);
    EXPECT_EQ(player.DialogTexts().size(), seen + 1);
    EXPECT_EQ(Ann().drivingSkill, 6);
}
