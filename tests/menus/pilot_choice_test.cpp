// The choice of a pilot to edit, and the workshop on an existing pilot.
#include <filesystem>

#include "core/fitted_gadgets.h"
#include "files/pilot_file.h"
#include "menus/menu_screens.h"
#include "menus/workshop_test_support.h"

class PilotChoiceTest : public WorkshopTest {
protected:
    void SetUp() override {
        WorkshopTest::SetUp();
        CarRecord& noe = game.cars[1];
        noe.pilotName = L"Noé";
        noe.drivingSkill = 11;
        noe.shootingSkill = 7;
        noe.wheelSide = L"Gauche";
        noe.zonks = 300;
        noe.meshNumber = 5;  // edited by hand: the file's check leaves it out
        for (int side = SideFront; side < kSideCount; ++side) noe.sides[side].structureMax = 5;
        AddGadget(1, SideFront, L"Blindage");
        ASSERT_TRUE(WritePilotFile(1));
        game.cars[1] = CarRecord();
    }
};

TEST_F(PilotChoiceTest, EditsTheChosenPilotAndSavesItWithAFreshIntegrityText) {
    Then([this] {
        auto* combo = static_cast<irr::gui::IGUIComboBox*>(ScriptedPlayer::Element(gui_id::PilotChoice));
        ASSERT_EQ(combo->getItemCount(), 2u);
        EXPECT_EQ(std::wstring(combo->getItem(0)), L"Choisir le pilote :");
        EXPECT_EQ(std::wstring(combo->getItem(1)), L"Noé");
        player.SelectComboItem(gui_id::PilotChoice, 1);
    });
    Then([] {
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::PilotNameBox), nullptr) << "an edited pilot keeps his name";
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::DrivingBox), nullptr);
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::StructureBox + SideFront), nullptr);
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::SkillPointsLeft), nullptr) << "nothing left to share";
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::StructurePointsLeft), L"Points de structure : 20");
        EXPECT_FALSE(ScriptedPlayer::Element(gui_id::PilotChoice)->isVisible());
    });
    Then([this] { player.SelectListItem(gui_id::SideList + SideFront, 0); });
    Click(gui_id::SellFromSide + SideFront);
    Click(gui_id::ChangeWheel);
    Click(gui_id::CarModel);
    Click(gui_id::Validate);
    ChoosePilotToEdit(x0, y0);

    EXPECT_TRUE(player.NoticeTextsSeen().empty());
    EXPECT_EQ(ScriptedPlayer::NoticeTexts(), std::vector<std::wstring>{L"Pilote enregistré"});
    EXPECT_EQ(game.lastGuiId, 0);
    EXPECT_EQ(ScriptedPlayer::Element(gui_id::PilotChoice), nullptr);
    ReadPilotFile(1, L"Noé");
    EXPECT_EQ(game.cars[1].secu, ComputeSecu(1));
    // The armour sold back; a model out of 1..3 comes back to the first.
    EXPECT_EQ(PilotSummary(1), L"Noé conduite 11 tir 7 volant Droite zonks 410 modèle 1 | 0 (0) | 1 (5) | 2 (5)"
                               L" | 3 (5) | 4 (5)");
}

TEST_F(PilotChoiceTest, TheColumnLeavesBothScreensWithoutSaving) {
    Click(gui_id::Home);
    ChoosePilotToEdit(x0, y0);
    EXPECT_EQ(game.lastGuiId, 0);
    EXPECT_EQ(ScriptedPlayer::Element(gui_id::PilotChoice), nullptr);

    const std::string before = ReadFile("pilotes/Noé.xml");
    Then([this] { player.SelectComboItem(gui_id::PilotChoice, 1); });
    Buy(Armour, SideLeft);
    Click(gui_id::Credits);
    ChoosePilotToEdit(x0, y0);
    EXPECT_EQ(game.lastGuiId, gui_id::Credits) << "the home menu opens the credits next";
    EXPECT_EQ(ScriptedPlayer::Element(gui_id::Validate), nullptr);
    EXPECT_EQ(CountGadgets(L"", 0, kAllSides), 0);
    EXPECT_EQ(ReadFile("pilotes/Noé.xml"), before);
}

TEST_F(PilotChoiceTest, AFileHoldingAnotherPilotsNameIsNotOpened) {
    std::filesystem::copy_file("pilotes/Noé.xml", "pilotes/Bob.xml");
    const std::string noe = ReadFile("pilotes/Noé.xml");
    Then([this] {
        auto* combo = static_cast<irr::gui::IGUIComboBox*>(ScriptedPlayer::Element(gui_id::PilotChoice));
        for (irr::u32 item = 1; item < combo->getItemCount(); ++item)
            if (std::wstring(combo->getItem(item)) == L"Bob") player.SelectComboItem(gui_id::PilotChoice, item);
    });
    Then([] {
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::Validate), nullptr);
        EXPECT_EQ(CountGadgets(L"", 0, kAllSides), 0);
    });
    Click(gui_id::Home);
    ChoosePilotToEdit(x0, y0);
    EXPECT_EQ(player.NoticeTextsSeen(),
              std::vector<std::wstring>{
                  L"Le fichier Bob ne porte pas le nom de son pilote : il ne peut pas être modifié."});
    EXPECT_EQ(ReadFile("pilotes/Noé.xml"), noe);
}
