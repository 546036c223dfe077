#include "ui/hud.h"

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "support/game_test.h"
#include "ui/car_sheet.h"
#include "ui/race_screen.h"

class HudTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        FillCatalogue();
        CreateStatusLines();
        CreateRaceScreen();
        game.carCount = 2;
        game.currentCar = 1;
        for (int i = 1; i <= 2; ++i) {
            game.cars[i].controller = L"Humain";
            game.cars[i].colourName = L"rouge";
        }
    }
    static bool Shown(irr::gui::IGUIElement* e) { return e->isVisible(); }
    static std::string Seen(irr::gui::IGUIElement* e) {
        return !e->isVisible() ? "hidden " : e->isEnabled() ? "enabled " : "disabled ";
    }
};

// A Nitro shows while it has charges; the oil projector once a cartridge
// holds one, and it is disabled after the move.
TEST_F(HudTest, NitroAndTheOilProjectorNeedChargesAndTheProjectorComesBeforeTheMove) {
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, SideRear, L"Projecteur d'huile");
    UpdateHud();
    EXPECT_EQ(Seen(raceScreen.nitro) + Seen(raceScreen.oilProjector), "enabled hidden ");
    game.cars[1].sides[SideFront].gadgets[1].charges = 0;
    AddGadget(1, SideLeft, L"Cartouche d'huile");
    UpdateHud();
    EXPECT_EQ(Seen(raceScreen.nitro) + Seen(raceScreen.oilProjector), "hidden enabled ");
    game.cars[1].hasMoved = 1;
    UpdateHud();
    EXPECT_EQ(Seen(raceScreen.oilProjector) + Seen(raceScreen.endTurn), "disabled enabled ");
}

TEST_F(HudTest, AComputerCarShowsNoControlsAndSolidWalls) {
    AddGadget(2, SideFront, L"Mitrailleuse avant");
    AddGadget(2, SideMisc, L"Bazooka");
    game.cars[2].controller = L"IA";
    game.cars[2].hideWalls = 1;
    game.currentCar = 2;
    UpdateHud();
    const irr::gui::IGUIElement* controls[] = {raceScreen.endTurn,  raceScreen.quit,     raceScreen.autoEndTurn,
                                               raceScreen.hideWalls, raceScreen.frontGun, raceScreen.bazooka};
    for (const irr::gui::IGUIElement* e : controls) EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(game.wallsTransparent, 0);
    game.cars[2].controller = L"Humain";
    UpdateHud();
    EXPECT_TRUE(Shown(raceScreen.frontGun));
    EXPECT_EQ(std::wstring(raceScreen.bazooka->getText()), L"Bazooka");
    game.cars[2].sides[SideMisc].gadgets[1].charges = 1;  // fired: to reload
    UpdateHud();
    EXPECT_EQ(std::wstring(raceScreen.bazooka->getText()), L"Rechrg Bazooka");
}

TEST_F(HudTest, ThePlateNamesTheCurrentCarCentred) {
    game.currentCar = 2;
    UpdateHud();
    EXPECT_EQ(WithoutLeadingSpaces(raceScreen.hudCarText->getText()), L"Voiture 2");
    EXPECT_EQ(CenterText(L"un texte bien trop long pour tenir dans si peu de place", 50)[0], L'u');
}

TEST_F(HudTest, TheStatusLineAppendsAndEmptiesItselfInTime) {
    ShowStatus(L"B", 3, true);  // append on an empty line: only B
    EXPECT_EQ(WithoutLeadingSpaces(raceScreen.statusLine->getText()), L"B");
    ShowStatus(L"Voiture Cliquée", 2, true);
    EXPECT_EQ(WithoutLeadingSpaces(raceScreen.statusLine->getText()), L"B + Voiture Cliquée");
    UpdateHud();
    EXPECT_FALSE(std::wstring(raceScreen.statusLine->getText()).empty());
    UpdateHud();
    EXPECT_TRUE(std::wstring(raceScreen.statusLine->getText()).empty());
}

TEST_F(HudTest, TheCarSheetListsChargesBySide) {
    CarRecord& car = game.cars[1];
    car.pilotName = L"Zoé";
    for (int s = 0; s < kSideCount; ++s) car.sides[s].sideName = SideName(s);
    AddGadget(1, SideFront, L"Renfort Latéral");
    AddGadget(1, SideFront, L"Renfort Latéral");
    car.sides[SideFront].gadgets[1].charges = 3;
    AddGadget(1, SideRear, L"Lance Grenades");
    const std::wstring sheet = CarSheetText(1);
    EXPECT_NE(sheet.find(L"Nb Gadgets Côté Avant : 2\n - Renfort Latéral (3/5) \n"
                         L" - Renfort Latéral (5/5) \n\n"),
              std::wstring::npos)
        << sheet;
    EXPECT_NE(sheet.find(L" - Lance Grenades (1/1) \n"), std::wstring::npos);
    EXPECT_EQ(sheet.substr(0, 11), L"Voiture n°1");
    EXPECT_NE(sheet.find(L"Nom du pilote : Zoé\n"), std::wstring::npos);
}
