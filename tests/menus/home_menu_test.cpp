// The home menu, its column and the screens it hands over to.
#include <cstring>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "core/event_receiver.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "menus/menu_screens.h"
#include "platform/text.h"
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
        // One button every 25 pixels from the area's corner (112, 84).
        const int column[] = {gui_id::Home,    gui_id::NewPilot, gui_id::EditPilot, gui_id::NewRace,
                              gui_id::Replays, gui_id::Credits,  gui_id::QuitGame, gui_id::Rules};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(Place(column[i]), core::recti(117, 89 + 25 * i, 207, 109 + 25 * i));
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::QuitGame), L"Quitter");
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::Replays), L"Revoir une course");
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::Rules), L"Règles");
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
    std::wstring cars;
    for (int i = 1; i <= 2; ++i)
        cars += game.cars[i].pilotName + L" " + game.cars[i].colourName + L" " + game.cars[i].controller + L"; ";
    EXPECT_EQ(cars, L"Max rouge Humain; Léa jaune IA; ");
    EXPECT_EQ(game.circuit.circuitName, L"Anneau");
    EXPECT_EQ(std::vector<int>({game.decorEnabled, game.raceStart, game.inMenu}), std::vector<int>({1, 0, 0}));
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

// "Règles" turns its pages one way and back with their pictures, each
// button greyed at its end, and the column leaves it like any screen.
TEST_F(HomeMenuTest, TheRulesTurnTheirPagesWithTheirPicturesAndTheColumnLeavesThem) {
    ASSERT_TRUE(CopyFromGameFolder("data/regles"));
    std::vector<std::wstring> titles, pages;
    std::vector<bool> previousEnabled, nextEnabled;
    auto look = [&] {
        titles.push_back(ScriptedPlayer::TextOf(gui_id::RulesTitle));
        previousEnabled.push_back(ScriptedPlayer::Element(gui_id::RulesPrevious)->isEnabled());
        nextEnabled.push_back(ScriptedPlayer::Element(gui_id::RulesNext)->isEnabled());
        EXPECT_GT(ScriptedPlayer::TextOf(gui_id::RulesText).size(), 300u) << ToUtf8(titles.back());
    };
    player.AtFrame(1, [this] { player.ClickButton(gui_id::Rules); });
    // Ten pages forward, then one back.
    for (int k = 0; k < 9; ++k) player.AtFrame(3 + 2 * k, [&, this] { look(); player.ClickButton(gui_id::RulesNext); });
    player.AtFrame(21, [&, this] { look(); player.ClickButton(gui_id::RulesPrevious); });
    player.AtFrame(23, [&, this] {
        look();
        std::set<std::string> pictures;
        for (u32 i = 0; i < game.videoDriver->getTextureCount(); ++i) {
            const std::string name = game.videoDriver->getTextureByIndex(i)->getName().getPath().c_str();
            if (name.find("data/regles/regle") != std::string::npos) pictures.insert(name);
        }
        EXPECT_EQ(pictures.size(), 10u);
        player.ClickButton(gui_id::Home);
    });
    player.AtFrame(25, [this] {
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::RulesTitle), nullptr);
        player.ClickButton(gui_id::QuitGame);
    });
    EXPECT_THROW(HomeMenu(), ProgramEnded);
    ASSERT_EQ(titles.size(), 11u);
    EXPECT_EQ(titles[0], L"Un tour de jeu");
    EXPECT_EQ(titles[9], L"L'atelier");
    EXPECT_EQ(titles[10], L"La fin de la course");
    EXPECT_EQ(std::set<std::wstring>(titles.begin(), titles.end()).size(), 10u);
    EXPECT_EQ(previousEnabled, (std::vector<bool>{false, true, true, true, true, true, true, true, true, true, true}));
    EXPECT_EQ(nextEnabled, (std::vector<bool>{true, true, true, true, true, true, true, true, true, false, true}));
}

// A race left by a crash is offered as the menu opens, once; a save stopped
// on purpose only shows the button under the home picture. The one chosen
// is the race to resume.
TEST_F(HomeMenuTest, SavedRacesAreListedToResumeAndOneLeftByACrashIsOfferedOnce) {
    const char* const journal =
        "Skarvoll 3D : journal de course\nformat 1\ndate 2026-12-07 20:41:05\ncircuit Anneau\ndecor 0\nhasard 5\n"
        "voiture 1 rouge Humain\n| <NomPilote> Max </NomPilote>\nvoiture 2 bleu IA\n| <NomPilote> Léa </NomPilote>\n"
        "course\ntour 1 1 00000001\n";
    WriteFile("courses/a.journal", journal);
    auto save = [this, journal](const char* name, const char* state) {
        WriteFile(std::string("courses/") + name + ".sauvegarde",
                  std::string("Skarvoll 3D : course sauvegardée\nformat 1\njournal a.journal\nevenements 1\noctets ") +
                      std::to_string(std::strlen(journal)) + "\ntour 4 2\netat " + state + "\n");
    };
    save("arretee", "arretee");
    save("plantee", "en_cours 0");  // no game runs as process 0
    player.AtFrame(2, [] {
        ASSERT_NE(ScriptedPlayer::Element(gui_id::ResumeList), nullptr) << "the crashed race offered at once";
        auto* list = static_cast<gui::IGUIListBox*>(ScriptedPlayer::Element(gui_id::ResumeList));
        ASSERT_EQ(list->getItemCount(), 2u);
        EXPECT_EQ(std::wstring(list->getListItem(static_cast<u32>(list->getSelected()))),
                  L"2026-12-07 20:41:05 (interrompue) - Anneau - tour 5, à Léa (voiture 2) - Max, Léa");
        EXPECT_NE(ScriptedPlayer::TextOf(gui_id::ResumeButton), L"");
    });
    player.AtFrame(3, [this] { player.ClickButton(gui_id::ResumeButton); });
    HomeMenu();
    EXPECT_EQ(game.resumeSave.substr(game.resumeSave.rfind('/') + 1), "plantee.sauvegarde");
    EXPECT_NE(ReadFile("courses/plantee.sauvegarde").find("etat arretee"), std::string::npos) << "offered once";

    StartFreshGame();
    player.AtFrame(2, [this] {
        EXPECT_EQ(ScriptedPlayer::Element(gui_id::ResumeList), nullptr) << "nothing offered any more";
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::Resume), L"Reprendre une course");
        player.ClickButton(gui_id::QuitGame);
    });
    EXPECT_THROW(HomeMenu(), ProgramEnded);
}
