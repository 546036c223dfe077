// The race setup driven as a player drives it: the circuit, the rows of
// pilots, "LANCER" and its refusals.
#include <climits>
#include <filesystem>
#include <functional>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "menus/menu_screens.h"
#include "menus/network_race.h"
#include "menus/quick_race.h"
#include "menus/race_setup_screen.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/menu_fixture.h"

using namespace irr;
using Texts = std::vector<std::wstring>;

namespace {
const core::position2di kOrigin(112, 84);  // the 800 x 600 area on a 1024 x 768 screen

bool Shown(gui::IGUIElement* element) { return element && element->isVisible(); }

Texts Items(gui::IGUIComboBox* combo) {
    Texts items;
    for (u32 k = 0; k < combo->getItemCount(); ++k) items.push_back(combo->getItem(k));
    return items;
}

std::wstring Chosen(gui::IGUIComboBox* combo) { return combo->getItem(combo->getSelected()); }
}  // namespace

class RaceSetupTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        WriteCircuit("Anneau", 4);
        WriteCircuit("Plaine", 25);
        for (const wchar_t* name : {L"Max", L"Léa", L"Noé"}) WritePilot(name);
    }

    // Runs the screen; the steps run one per frame, then the player goes
    // home: the screen must still be open by then.
    void Run(std::vector<std::function<void()>> steps) {
        long long frame = 0;
        for (auto& step : steps) player.AtFrame(++frame, step);
        bool wentHome = false;
        player.AtFrame(++frame, [&wentHome] {
            wentHome = true;
            game.lastGuiId = gui_id::Home;
        });
        RaceSetup(kOrigin.X, kOrigin.Y);
        EXPECT_TRUE(wentHome) << "the screen closed before the player went home";
    }

    static gui::IGUIComboBox* Circuit() { return ComboAt(kOrigin.X + 555, kOrigin.Y + 42); }
    static gui::IGUIComboBox* Pilot(int row) { return RowCombo(125, row); }
    static gui::IGUIComboBox* Colour(int row) { return RowCombo(289, row); }
    static gui::IGUIComboBox* Driver(int row) { return RowCombo(369, row); }
    static gui::IGUIComboBox* RowCombo(int left, int row) {
        return ComboAt(kOrigin.X + left, kOrigin.Y + 42 + 20 * (row - 1));
    }
    static void ChooseCircuit(const std::wstring& name) { ScriptedPlayer::SelectComboItem(Circuit(), name); }
    static void ChoosePilot(int row, const std::wstring& name) {
        ScriptedPlayer::SelectComboItem(Pilot(row), name);
    }
    static int ShownPilotRows() {
        int shown = 0;
        for (int row = 1; row <= 20; ++row) shown += Shown(Pilot(row));
        return shown;
    }
    void Launch() { player.ClickButton(gui_id::Launch); }
};

TEST_F(RaceSetupTest, RowsFollowTheChosenCircuitUpToItsMaximum) {
    Run({[] {
             EXPECT_EQ(Items(Circuit()), (Texts{L"Choisir le circuit :", L"Anneau", L"Plaine"}));
             EXPECT_EQ(ShownPilotRows(), 0);
             EXPECT_FALSE(Shown(ScriptedPlayer::Element(gui_id::Launch)));
             ChooseCircuit(L"Anneau");
         },
         [] {
             EXPECT_EQ(ShownPilotRows(), 4);
             EXPECT_TRUE(Shown(Pilot(4)));
             EXPECT_EQ(Items(Pilot(1)), (Texts{L"Aucun pilote", L"Léa", L"Max", L"Noé"}));
             EXPECT_FALSE(Shown(Colour(1)));
             EXPECT_TRUE(Shown(ScriptedPlayer::Element(gui_id::Launch)));
             EXPECT_EQ(Chosen(Colour(3)) + L" " + Chosen(Colour(7)), L"vert jaune");
             ChoosePilot(2, L"Noé");
         },
         [] {
             EXPECT_TRUE(Shown(Colour(2)) && Shown(Driver(2)));
             EXPECT_FALSE(Shown(Colour(1)));
             ChoosePilot(2, L"Aucun pilote");
         },
         [] {
             EXPECT_FALSE(Shown(Colour(2)) || Shown(Driver(2)));
             // Never a 20th car, whatever the circuit allows.
             ChooseCircuit(L"Plaine");
         },
         [] {
             EXPECT_EQ(ShownPilotRows(), 19);
             EXPECT_EQ(game.circuit.circuitName, L"Plaine");
             ScriptedPlayer::SelectComboItem(Circuit(), 0);
         },
         [] {
             EXPECT_EQ(ShownPilotRows(), 0);
             EXPECT_EQ(Pilot(1)->getItemCount(), 0u);
             EXPECT_FALSE(Shown(ScriptedPlayer::Element(gui_id::Launch)));
         }});
    EXPECT_EQ(ComboAt(kOrigin.X + 555, kOrigin.Y + 42), nullptr) << "the screen's widgets are removed";
    EXPECT_EQ(game.raceStart, 0);
}

TEST_F(RaceSetupTest, RefusalsComeInOrderAndOnceEach) {
    Run({[] { ChooseCircuit(L"Anneau"); },
         [] {
             for (int row = 1; row <= 3; ++row) ChoosePilot(row, L"Max");
         },
         [this] { Launch(); },
         [this] {
             EXPECT_EQ(ScriptedPlayer::NoticeTexts(),
                       Texts{L"Vous ne pouvez pas avoir 2 fois le même pilote en jeu."});
             player.CloseNotice();
         },
         // The circuit given up in the frame of the click: both messages.
         [this] {
             ScriptedPlayer::SelectComboItem(Circuit(), 0);
             Launch();
         },
         [this] {
             EXPECT_EQ(ScriptedPlayer::NoticeTexts(),
                       (Texts{L"Vous ne pouvez pas avoir 2 fois le même pilote en jeu.",
                              L"Vous devez choisir un circuit et mettre des pilotes en jeu."}));
             player.CloseNotice();
         },
         [this] { player.CloseNotice(); },
         [] { ChooseCircuit(L"Anneau"); },
         [] { ChoosePilot(3, L"Léa"); },
         [this] { Launch(); },
         [this] {
             EXPECT_EQ(ScriptedPlayer::NoticeTexts(), Texts{L"Vous devez mettre au moins 2 pilotes en jeu."});
             player.CloseNotice();
         },
         [] { EXPECT_TRUE(ScriptedPlayer::NoticeTexts().empty()); }});
    EXPECT_EQ(game.carCount, 0);
}

TEST_F(RaceSetupTest, APilotFileEditedByHandIsRefusedAtLaunch) {
    EditPilotByHand("Léa");
    // Numbers at the ends of an int, written with their own integrity text
    // as a hand could: a race would add to them.
    CarRecord& max = game.cars[0];
    max.pilotName = L"Max";
    max.drivingSkill = max.zonks = INT_MAX;
    max.shootingSkill = INT_MIN;
    for (int side = SideFront; side < kSideCount; ++side) max.sides[side].structureMax = INT_MAX;
    ASSERT_TRUE(WritePilotFile(0));
    max = CarRecord();
    Run({[] { ChooseCircuit(L"Anneau"); },
         [] {
             ChoosePilot(1, L"Max");
             ChoosePilot(2, L"Léa");
         },
         [this] { Launch(); },
         [] {
             EXPECT_EQ(ScriptedPlayer::NoticeTexts(),
                       (Texts{L"Max est invalide : son Xml semble avoir été modifié à la main",
                              L"Léa est invalide : son Xml semble avoir été modifié à la main"}));
             EXPECT_TRUE(Shown(Pilot(2))) << "the screen stays as it was";
         }});
    EXPECT_EQ(game.carCount, 0);
    EXPECT_EQ(game.raceStart, 0);
}

TEST_F(RaceSetupTest, WithoutCircuitOrPilotFoldersTheChoicesHoldOnlyTheirFirstItem) {
    std::filesystem::remove_all("circuits");
    std::filesystem::remove_all("pilotes");
    Run({[] { EXPECT_EQ(Items(Circuit()), Texts{L"Choisir le circuit :"}); }});
}

TEST_F(RaceSetupTest, EachRowChoosesItsDriverAndTheCarsAreLoadedWithIt) {
    // The game's own font, as the menus use it.
    ASSERT_TRUE(CopyFromGameFolder("data/fontes"));
    gui::IGUIFont* font = game.guiEnvironment->getFont("data/fontes/verdana.bmp");
    ASSERT_NE(font, nullptr);
    game.guiEnvironment->getSkin()->setFont(font);
    player.AtFrame(1, [] { ChooseCircuit(L"Anneau"); });
    player.AtFrame(2, [] {
        ChoosePilot(1, L"Max");
        ChoosePilot(2, L"Léa");
        ChoosePilot(3, L"Noé");
    });
    player.AtFrame(3, [font] {
        EXPECT_EQ(Items(Driver(1)), (Texts{L"Humain", L"IA", L"IA combative", L"À distance"}));
        EXPECT_EQ(Chosen(Driver(1)), L"Humain") << "a person drives unless the player chooses";
        ScriptedPlayer::SelectComboItem(Driver(1), 2);
        ScriptedPlayer::SelectComboItem(Driver(2), 1);
        // The longest word shows whole in the combo's text, and the row's
        // columns stay apart and inside the rows' panel of the picture.
        gui::IGUIElement* shown = nullptr;
        for (gui::IGUIElement* child : Driver(1)->getChildren())
            if (child->getType() == gui::EGUIET_STATIC_TEXT) shown = child;
        ASSERT_NE(shown, nullptr);
        EXPECT_LE(static_cast<s32>(font->getDimension(L"IA combative").Width),
                  shown->getAbsolutePosition().getWidth());
        const core::recti pilot = Pilot(1)->getAbsolutePosition(), colour = Colour(1)->getAbsolutePosition(),
                          driver = Driver(1)->getAbsolutePosition();
        EXPECT_LT(pilot.LowerRightCorner.X, colour.UpperLeftCorner.X);
        EXPECT_LT(colour.LowerRightCorner.X, driver.UpperLeftCorner.X);
        EXPECT_LE(driver.LowerRightCorner.X, kOrigin.X + 498);
    });
    player.AtFrame(4, [this] { Launch(); });
    RaceSetup(kOrigin.X, kOrigin.Y);
    ASSERT_EQ(game.raceStart, 1);
    ASSERT_EQ(game.carCount, 3);
    const wchar_t* words[] = {nullptr, L"IAC", L"IA", L"Humain"};
    for (int car = 1; car <= 3; ++car) EXPECT_EQ(game.cars[car].controller, words[car]) << car;
    EXPECT_TRUE(IsComputerDriven(game.cars[1]) && IsFightingComputer(game.cars[1]));
    EXPECT_TRUE(IsComputerDriven(game.cars[2]) && !IsFightingComputer(game.cars[2]));
    EXPECT_FALSE(IsComputerDriven(game.cars[3]));
}

TEST_F(RaceSetupTest, ACircuitFileWithoutItsMaximumOffersNoRows) {
    WriteFile("circuits/Vide.xml", "<c><NomCircuit>Vide</NomCircuit></c>");
    Run({[] { ChooseCircuit(L"Anneau"); }, [] { ChooseCircuit(L"Vide"); },
         [] {
             EXPECT_EQ(ShownPilotRows(), 0) << "nothing kept from the circuit chosen before";
             EXPECT_TRUE(Shown(ScriptedPlayer::Element(gui_id::Launch)));
         }});
}

// A row "À distance" hosts the race: the row waits for its player, who is
// refused when his pilot races here already, takes the row once another
// comes, and "LANCER" starts only then, his car in the row's place.
TEST_F(RaceSetupTest, ARowPlayedFromAfarHostsTheRaceAndTakesItsJoinersCar) {
    SetHostingPort(0);
    std::unique_ptr<NetRace> joiner;
    std::wstring refused;
    const auto join = [&joiner](const std::wstring& name) {
        const std::wstring status = ScriptedPlayer::TextOf(gui_id::HostingStatus);
        const size_t port = status.find(L"port ") + 5;
        NetPilot pilot{0, name, L"IA", ""};
        ASSERT_TRUE(ReadWholeFile(PilotFilePath(name), pilot.fileBytes));
        std::wstring error;
        joiner = NetRace::Join("127.0.0.1", static_cast<uint16_t>(std::stoi(status.substr(port))), pilot, error);
        ASSERT_TRUE(joiner) << ToUtf8(error);
    };
    player.Whenever([&joiner] { return joiner != nullptr; },
                    [&joiner, &refused] {
                        try {
                            joiner->AwaitStart(0);
                        } catch (const NetRaceStopped& stop) {
                            refused = FromUtf8(stop.what());
                            joiner.reset();
                        }
                    });
    player.AtFrame(1, [] { ChooseCircuit(L"Anneau"); });
    player.AtFrame(2, [] {
        ChoosePilot(1, L"Max");
        ChoosePilot(2, L"Léa");
        ChoosePilot(3, L"Noé");
    });
    player.AtFrame(3, [] { ScriptedPlayer::SelectComboItem(Driver(3), L"À distance"); });
    player.AtFrame(5, [&, this] {
        EXPECT_FALSE(Shown(Pilot(3)));
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::RemoteRow + 3), L"en attente...");
        EXPECT_NE(ScriptedPlayer::TextOf(gui_id::HostingStatus).find(L"Joueurs à distance venus : 0 sur 1."),
                  std::wstring::npos);
        Launch();
        join(L"Max");
    });
    player.When([&refused] { return !refused.empty(); }, [&, this] {
        EXPECT_EQ(refused, L"Le pilote Max est déjà dans la course.");
        EXPECT_EQ(ScriptedPlayer::NoticeTexts().back(), L"En attente des joueurs à distance : 0 venu(s) sur 1.");
        player.CloseNotice();
        join(L"Noé");
    });
    player.When([] { return ScriptedPlayer::TextOf(gui_id::RemoteRow + 3) == L"Noé"; }, [this] { Launch(); });
    RaceSetup(kOrigin.X, kOrigin.Y);
    ASSERT_EQ(game.raceStart, 1);
    ASSERT_EQ(game.carCount, 3);
    EXPECT_EQ(std::make_tuple(game.cars[3].pilotName, game.cars[3].colourName, game.cars[3].controller),
              std::make_tuple(std::wstring(L"Noé"), std::wstring(L"vert"), std::wstring(L"IA")));
    const std::unique_ptr<NetRace> hosted = TakeNetworkRace();
    ASSERT_TRUE(hosted && hosted->Hosting());
    ASSERT_EQ(hosted->Joiners().size(), 1u);
    EXPECT_EQ(hosted->Joiners().front().name, L"Noé");
    SetHostingPort(kDefaultNetPort);
}
