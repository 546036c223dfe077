// The pilot workshop driven as a player would: creating a pilot, buying and
// selling gadgets, the wheel side and the car model, and what "VALIDER"
// refuses.
#include <climits>
#include <filesystem>
#include <initializer_list>
#include <set>

#include "core/fitted_gadgets.h"
#include "files/pilot_file.h"
#include "menus/menu_screens.h"
#include "menus/workshop_test_support.h"

namespace fs = std::filesystem;

namespace {
bool IsEnabled(int id) { return ScriptedPlayer::Element(id)->isEnabled(); }

// "1" for each side, from the miscellaneous to the left, whose "Ajouter au côté" is enabled.
std::string SidesOffered() {
    std::string sides;
    for (int side = 0; side < kSideCount; ++side) sides += IsEnabled(gui_id::AddToSide + side) ? '1' : '0';
    return sides;
}

std::vector<std::wstring> TextsOf(std::initializer_list<int> ids) {
    std::vector<std::wstring> texts;
    for (int id : ids) texts.push_back(ScriptedPlayer::TextOf(id));
    return texts;
}

int PilotFileCount() {
    return static_cast<int>(std::distance(fs::directory_iterator("pilotes"), fs::directory_iterator()));
}
}  // namespace

class NewPilotTest : public WorkshopTest {
protected:
    void TypeStructure(int front, int rear, int left, int right) {
        Type(gui_id::StructureBox + SideFront, std::to_wstring(front));
        Type(gui_id::StructureBox + SideRear, std::to_wstring(rear));
        Type(gui_id::StructureBox + SideLeft, std::to_wstring(left));
        Type(gui_id::StructureBox + SideRight, std::to_wstring(right));
    }
    void TypeSkills(int driving, int shooting) {
        Type(gui_id::DrivingBox, std::to_wstring(driving));
        Type(gui_id::ShootingBox, std::to_wstring(shooting));
    }
    void Run() { PilotWorkshop(x0, y0, true); }
};

TEST_F(NewPilotTest, SavesTheDefaultsUnderTheNameGivenWithTheGadgetsBought) {
    Then([] {
        EXPECT_EQ(TextsOf({gui_id::PilotNameBox, gui_id::DrivingBox, gui_id::ShootingBox, gui_id::StructureBox + SideLeft,
                           gui_id::ZonksBox, gui_id::WheelText, gui_id::Description, gui_id::SkillPointsLeft,
                           gui_id::StructurePointsLeft}),
                  (std::vector<std::wstring>{L"Entrez le nom", L"9", L"9", L"5", L"400", L"Gauche", L"",
                                             L"Points à répartir : 0", L"Points de structure à répartir : 0"}));
    });
    Buy(Armour, SideRear);
    Then([] {
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::Description), game.catalogue[Armour].name + L"\nPRIX : 110\n\n" +
                                                   game.catalogue[Armour].description + L"\n");
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::ZonksBox), L"290");
    });
    Type(gui_id::PilotNameBox, L"  Léa ");
    Click(gui_id::Validate);
    Run();

    EXPECT_TRUE(player.NoticeTextsSeen().empty());
    EXPECT_EQ(ScriptedPlayer::NoticeTexts(), std::vector<std::wstring>{L"Pilote enregistré"})
        << "the notice stays open over the home menu";
    EXPECT_EQ(game.lastGuiId, 0);
    EXPECT_EQ(ScriptedPlayer::Element(gui_id::Validate), nullptr);
    EXPECT_EQ(CountGadgets(L"", 0, kAllSides), 0);
    ASSERT_TRUE(fs::exists(fs::u8path(u8"pilotes/Léa.xml")));
    ReadPilotFile(1, L"Léa");
    EXPECT_EQ(PilotSummary(1), L"Léa conduite 9 tir 9 volant Gauche zonks 290 modèle 1 | 0 (0) | 1 (5)"
                               L" | 2 (5): Blindage | 3 (5) | 4 (5)");
    EXPECT_EQ(game.cars[1].secu, ComputeSecu(1));
}

TEST_F(NewPilotTest, RefusesEachWrongEntryAloneAndSavesNothing) {
    game.cars[1].pilotName = L"Max";
    ASSERT_TRUE(WritePilotFile(1));
    const std::string maxFile = ReadFile("pilotes/Max.xml");
    TypeStructure(6, 5, 5, 5);
    Click(gui_id::Validate);
    TypeStructure(INT_MAX, INT_MAX, 11, 11);  // 20 if the sum wrapped round
    Click(gui_id::Validate);
    TypeStructure(5, 5, 5, 5);
    Type(gui_id::StructureBox + SideRight, L"5,0");
    Click(gui_id::Validate);
    TypeStructure(5, 5, 5, 5);
    TypeSkills(10, 9);
    Click(gui_id::Validate);
    TypeSkills(INT_MIN, -2147483630);  // 18 if the sum wrapped round
    Click(gui_id::Validate);
    TypeSkills(14, 4);
    Click(gui_id::Validate);
    TypeSkills(9, 9);
    Click(gui_id::Validate);
    TypeStructure(-10, 10, 10, 10);
    Type(gui_id::PilotNameBox, L"Max");
    Click(gui_id::Validate);
    TypeStructure(5, 5, 5, 5);
    Type(gui_id::PilotNameBox, L"../Max");
    Click(gui_id::Validate);
    Type(gui_id::PilotNameBox, L"..");
    Click(gui_id::Validate);
    Type(gui_id::PilotNameBox, L"Max");
    Click(gui_id::Validate);
    Then([] { EXPECT_NE(ScriptedPlayer::Element(gui_id::Validate), nullptr); });
    Click(gui_id::Home);
    Run();

    const std::wstring structureSum = L"La somme de vos points de structure doit être égale à 20.";
    const std::wstring skillSum = L"La somme de vos points de compétence doit être égale à 18.";
    const std::vector<std::wstring> expected = {
        structureSum,
        structureSum,
        structureSum,
        skillSum,
        skillSum,
        L"Vous ne pouvez pas créer de pilote avec une compétence supérieure à 13.",
        L"Veuillez donner un nom à votre pilote.",
        structureSum,
        L"Ce nom ne peut pas servir de nom de fichier : ni / ni \\, ni . ou .. seuls.",
        L"Ce nom ne peut pas servir de nom de fichier : ni / ni \\, ni . ou .. seuls.",
        L"Un pilote porte déjà le nom Max : choisissez-en un autre.",
    };
    EXPECT_EQ(player.NoticeTextsSeen(), expected);
    EXPECT_EQ(game.lastGuiId, 0);
    EXPECT_EQ(PilotFileCount(), 1);
    EXPECT_EQ(ReadFile("pilotes/Max.xml"), maxFile);
    EXPECT_FALSE(fs::exists("Max.xml"));
}

TEST_F(NewPilotTest, CountsThePointsLeftToShareAsTheyAreTyped) {
    std::vector<std::wstring> counts;
    const auto look = [&] {
        counts.push_back(TextsOf({gui_id::SkillPointsLeft})[0] + L" | " + TextsOf({gui_id::StructurePointsLeft})[0]);
    };
    TypeSkills(10, 6);
    TypeStructure(6, 5, 5, 1);
    Then(look);
    TypeSkills(14, 6);
    Type(gui_id::StructureBox + SideRight, L"5,0");  // no whole number: counts as empty
    Then(look);
    TypeSkills(14, 4);
    TypeStructure(8, 4, 4, 4);
    Then(look);
    Click(gui_id::Home);
    Run();

    EXPECT_EQ(counts, (std::vector<std::wstring>{
                          L"Points à répartir : 2 | Points de structure à répartir : 3",
                          L"Points en trop : 2 | Points de structure à répartir : 4",
                          L"13 points au plus par compétence | Points de structure à répartir : 0",
                      }));
}

// In the menus' font, every gadget's name shows whole in the lists, and
// every description can be read to its last line with the wheel.
TEST_F(NewPilotTest, ShowsEveryNameWholeAndEveryDescriptionToItsEnd) {
    ASSERT_TRUE(CopyFromGameFolder("data/fontes"));
    irr::gui::IGUIFont* font = game.guiEnvironment->getFont("data/fontes/verdana.bmp");
    ASSERT_NE(font, nullptr);
    game.guiEnvironment->getSkin()->setFont(font);
    Then([font] {
        // Besides its scroll bar, a list's border and margins take 7 pixels.
        const int bar = game.guiEnvironment->getSkin()->getSize(irr::gui::EGDS_SCROLLBAR_SIZE);
        for (int list : {gui_id::CatalogueList, gui_id::SideList + SideLeft}) {
            const int room = ScriptedPlayer::Element(list)->getAbsolutePosition().getWidth() - bar - 7;
            for (int entry = 1; entry < kCatalogueSize; ++entry)
                EXPECT_LE(static_cast<int>(font->getDimension(game.catalogue[entry].name.c_str()).Width), room)
                    << list << " " << entry;
        }
    });
    std::vector<int> unread;
    const auto text = [] {
        return static_cast<irr::gui::IGUIStaticText*>(ScriptedPlayer::Element(gui_id::Description));
    };
    for (int entry = 1; entry < kCatalogueSize; ++entry) {
        SelectGadget(entry);
        Then([this, text] {
            const irr::core::recti view = text()->getParent()->getAbsolutePosition();
            EXPECT_EQ(text()->getAbsolutePosition().UpperLeftCorner.Y, view.UpperLeftCorner.Y) << "from its first line";
            player.MoveMouse(view.getCenter().X, view.getCenter().Y);
            for (int notch = 0; notch < 20; ++notch) player.Wheel(-1);
        });
        Then([&unread, text, entry] {
            if (text()->getAbsolutePosition().UpperLeftCorner.Y + text()->getTextHeight() >
                text()->getParent()->getAbsolutePosition().LowerRightCorner.Y)
                unread.push_back(entry);
        });
    }
    Click(gui_id::Home);
    Run();
    EXPECT_EQ(unread, std::vector<int>{});
}

TEST_F(NewPilotTest, BuysWithinThePerCarLimitAndTheZonks) {
    SelectGadget(Pistol);
    Then([] { EXPECT_EQ(SidesOffered(), "10000"); });
    SelectGadget(OilProjector);
    Then([] { EXPECT_EQ(SidesOffered(), "00100"); });
    Buy(Pistol, SideMisc);
    Click(gui_id::AddToSide + SideMisc);
    Buy(FrontGun, SideFront);
    Click(gui_id::AddToSide + SideFront);
    Click(gui_id::AddToSide + SideFront);
    Then([] {
        EXPECT_EQ(std::make_pair(game.cars[0].zonks, game.cars[0].mass), std::make_pair(50, 3));
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::ZonksBox), L"50");
        auto* front = static_cast<irr::gui::IGUIListBox*>(ScriptedPlayer::Element(gui_id::SideList + SideFront));
        ASSERT_EQ(front->getItemCount(), 2u);
        EXPECT_EQ(std::wstring(front->getListItem(1)), L"Mitrailleuse avant");
    });
    Click(gui_id::Home);
    Run();

    const std::vector<std::wstring> expected = {L"Vous ne pouvez avoir qu'un seul gadget de ce type.",
                                                L"Vous n'avez plus assez de Zonks pour aquérir ce gadget."};
    EXPECT_EQ(player.NoticeTextsSeen(), expected);
    EXPECT_EQ(CountGadgets(L"", 0, kAllSides), 0) << "leaving empties the scratch record";
    EXPECT_EQ(PilotFileCount(), 0);
}

TEST_F(NewPilotTest, SellsBackAtFullPriceAndLightensTheCar) {
    Buy(Armour, SideFront);
    Click(gui_id::AddToSide + SideFront);
    Click(gui_id::AddToSide + SideFront);
    Then([] { EXPECT_EQ(std::make_pair(game.cars[0].zonks, game.cars[0].mass), std::make_pair(400 - 3 * 110, 3)); });
    Click(gui_id::SellFromSide + SideFront);  // no line selected: nothing happens
    Then([this] { player.SelectListItem(gui_id::SideList + SideFront, 1); });
    Click(gui_id::SellFromSide + SideFront);
    Then([] {
        EXPECT_EQ(std::vector<int>({game.cars[0].zonks, game.cars[0].mass, CountGadgets(L"Blindage", 0, SideFront)}),
                  std::vector<int>({400 - 2 * 110, 2, 2}));
        auto* front = static_cast<irr::gui::IGUIListBox*>(ScriptedPlayer::Element(gui_id::SideList + SideFront));
        EXPECT_EQ(front->getItemCount(), 2u);
    });
    Click(gui_id::Home);
    Run();
    EXPECT_TRUE(player.NoticeTextsSeen().empty());
}

TEST_F(NewPilotTest, ChangesTheWheelSideAndCyclesTheCarModels) {
    std::vector<std::wstring> wheel;
    std::vector<int> models;
    const auto look = [&] {
        wheel.push_back(ScriptedPlayer::TextOf(gui_id::WheelText));
        models.push_back(game.cars[0].meshNumber);
    };
    Then(look);
    for (int i = 0; i < 3; ++i) {
        Click(gui_id::ChangeWheel);
        Click(gui_id::CarModel);
        Then(look);
    }
    Click(gui_id::NewRace);
    Run();

    EXPECT_EQ(wheel, (std::vector<std::wstring>{L"Gauche", L"Droite", L"Gauche", L"Droite"}));
    EXPECT_EQ(models, (std::vector<int>{1, 2, 3, 1}));
    std::set<std::string> thumbnails;
    for (irr::u32 i = 0; i < game.videoDriver->getTextureCount(); ++i)
        thumbnails.insert(fs::path(game.videoDriver->getTextureByIndex(i)->getName().getPath().c_str()).filename());
    for (const char* shown : {"thumbnail_voiture1.jpg", "thumbnail_voiture2.jpg", "thumbnail_voiture3.jpg"})
        EXPECT_EQ(thumbnails.count(shown), 1u) << shown;
    EXPECT_EQ(game.lastGuiId, gui_id::NewRace) << "the home menu opens the race setup next";
    EXPECT_EQ(PilotFileCount(), 0);
}

TEST_F(NewPilotTest, StaysOpenWithNothingLostWhenThePilotFolderCannotBeWritten) {
    // The tests may run with every right on files: a plain file in place of
    // the folder cannot be written into by anyone.
    fs::remove("pilotes");
    WriteFile("pilotes", "");
    Buy(Armour, SideLeft);
    Type(gui_id::PilotNameBox, L"Léa");
    Click(gui_id::Validate);
    Then([] {
        EXPECT_NE(ScriptedPlayer::Element(gui_id::Validate), nullptr);
        EXPECT_EQ(game.cars[0].pilotName + L" " + ScriptedPlayer::TextOf(gui_id::PilotNameBox), L"Léa Léa");
        EXPECT_EQ(std::make_pair(game.cars[0].zonks, CountGadgets(L"Blindage", 0, SideLeft)), std::make_pair(290, 1));
    });
    Click(gui_id::Home);
    Run();

    EXPECT_EQ(player.NoticeTextsSeen(),
              std::vector<std::wstring>{
                  L"Le pilote n'a pas pu être enregistré : le disque est plein ou le dossier pilotes "
                  L"protégé en écriture."});
    EXPECT_EQ(ReadFile("pilotes"), "");
}
