// The home menu, its column and the screens it hands over to.
#include <cwchar>

#include "core/event_receiver.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "menus/menu_screens.h"
#include "support/menu_fixture.h"

using namespace irr;

namespace {
core::recti Place(int id) { return ScriptedPlayer::Element(id)->getAbsolutePosition(); }

// The static text of the credits screen, or null.
gui::IGUIElement* CreditsText() {
    for (gui::IGUIElement* child : game.guiEnvironment->getRootGUIElement()->getChildren())
        if (child->getType() == gui::EGUIET_STATIC_TEXT) return child;
    return nullptr;
}
}  // namespace

using HomeMenuTest = MenuTest;

TEST_F(HomeMenuTest, TheColumnStandsInTheCentredAreaAndQuitterEndsTheProgram) {
    player.AtFrame(1, [] {
        EXPECT_EQ(game.inMenu, 1);
        EXPECT_EQ(Place(gui_id::Home), core::recti(117, 89, 207, 109));
        EXPECT_EQ(Place(gui_id::NewPilot), core::recti(117, 114, 207, 134));
        EXPECT_EQ(Place(gui_id::EditPilot), core::recti(117, 139, 207, 159));
        EXPECT_EQ(Place(gui_id::NewRace), core::recti(117, 164, 207, 184));
        EXPECT_EQ(Place(gui_id::Credits), core::recti(117, 189, 207, 209));
        EXPECT_EQ(Place(gui_id::QuitGame), core::recti(117, 214, 207, 234));
        EXPECT_EQ(std::wstring(ScriptedPlayer::Element(gui_id::QuitGame)->getText()), L"Quitter");
    });
    player.AtFrame(2, [this] { player.ClickButton(gui_id::QuitGame); });
    EXPECT_THROW(HomeMenu(), ProgramEnded);
}

TEST_F(HomeMenuTest, OnAnEightHundredBySixHundredScreenTheMenusStartAtTheCorner) {
    ReleaseGameDevice();
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.WindowSize = core::dimension2du(800, 600);
    params.LoggingLevel = ELL_NONE;
    ASSERT_TRUE(CreateGameDevice(params));
    PrepareGameDevice();
    player.AtFrame(1, [this] {
        EXPECT_EQ(Place(gui_id::Home), core::recti(5, 5, 95, 25));
        player.ClickButton(gui_id::NewRace);
    });
    player.AtFrame(3, [this] {
        EXPECT_NE(ComboAt(555, 42), nullptr) << "the circuit choice of the race setup";
        player.ClickButton(gui_id::QuitGame);
    });
    EXPECT_THROW(HomeMenu(), ProgramEnded);
}

TEST_F(HomeMenuTest, ARaceSetUpFromTheMenuLoadsRowsIntoCarsInRowOrder) {
    WriteCircuit("Anneau", 4);
    for (const wchar_t* name : {L"Max", L"Léa"}) WritePilot(name);
    const int x0 = 112, y0 = 84;
    auto row = [](int left, int i) { return ComboAt(x0 + left, y0 + 42 + 20 * (i - 1)); };
    player.AtFrame(1, [this] { player.ClickButton(gui_id::NewRace); });
    player.AtFrame(3, [] { ScriptedPlayer::SelectComboItem(ComboAt(x0 + 555, y0 + 42), L"Anneau"); });
    player.AtFrame(4, [row] {
        ScriptedPlayer::SelectComboItem(row(125, 1), L"Max");
        ScriptedPlayer::SelectComboItem(row(125, 3), L"Léa");
    });
    player.AtFrame(5, [row] {
        ScriptedPlayer::SelectComboItem(row(289, 3), L"jaune");
        ScriptedPlayer::SelectComboItem(row(369, 3), L"IA");
    });
    player.AtFrame(6, [this] { player.ClickButton(gui_id::Launch); });
    HomeMenu();
    EXPECT_EQ(game.carCount, 2);
    EXPECT_EQ(game.cars[1].pilotName, L"Max");
    EXPECT_EQ(game.cars[1].colourName, L"rouge");
    EXPECT_EQ(game.cars[1].controller, L"Humain");
    EXPECT_EQ(game.cars[2].pilotName, L"Léa");
    EXPECT_EQ(game.cars[2].colourName, L"jaune");
    EXPECT_EQ(game.cars[2].controller, L"IA");
    EXPECT_EQ(game.circuit.circuitName, L"Anneau");
    EXPECT_EQ(game.decorEnabled, 1);
    EXPECT_EQ(game.raceStart, 0);
    EXPECT_EQ(game.inMenu, 0);
    EXPECT_EQ(ScriptedPlayer::Element(gui_id::Home), nullptr) << "the column is removed";
}

TEST_F(HomeMenuTest, TheCreditsNameWhatTheGameIsBuiltWithAndStayOnTheirOwnButton) {
    player.AtFrame(1, [this] { player.ClickButton(gui_id::Credits); });
    player.AtFrame(3, [this] {
        ASSERT_NE(CreditsText(), nullptr);
        const std::wstring text = CreditsText()->getText();
        for (const wchar_t* part : {L"Irrlicht", L"zlib/libpng", L"DejaVu", L"Bitstream Vera", L"FreeType",
                                    L"GoogleTest", L"Apache 2.0"})
            EXPECT_NE(text.find(part), std::wstring::npos) << std::string(part, part + wcslen(part));
        EXPECT_EQ(CreditsText()->getAbsolutePosition(), core::recti(232, 104, 892, 664));
        player.ClickButton(gui_id::Credits);
    });
    player.AtFrame(5, [this] {
        EXPECT_NE(CreditsText(), nullptr) << "its own button leaves the credits open";
        player.ClickButton(gui_id::Home);
    });
    player.AtFrame(7, [this] {
        EXPECT_EQ(CreditsText(), nullptr);
        player.ClickButton(gui_id::QuitGame);
    });
    EXPECT_THROW(HomeMenu(), ProgramEnded);
}
