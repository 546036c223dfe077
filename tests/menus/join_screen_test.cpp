// The join screen driven as a player drives it: the address and the pilot
// checked, the joining told as it goes, the race kept once the host starts it.
#include <memory>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "files/net_race.h"
#include "menus/menu_screens.h"
#include "menus/network_race.h"
#include "support/menu_fixture.h"

namespace {
const irr::core::position2di kOrigin(112, 84);  // the 800 x 600 area on a 1024 x 768 screen
}

class JoinScreenTest : public MenuTest {};

TEST_F(JoinScreenTest, TheAddressAndPilotAreCheckedThenTheRaceStartedByTheHostIsKept) {
    WritePilot(L"Léa");
    std::wstring error;
    std::unique_ptr<NetRace> host = NetRace::Host(0, 1, error);
    ASSERT_TRUE(host) << error.size();
    const std::wstring address = L"127.0.0.1:" + std::to_wstring(host->Port());
    const auto status = [] { return ScriptedPlayer::TextOf(gui_id::JoinStatus); };
    player.Whenever([] { return true; }, [&host] { host->ServeLobby(0, nullptr); });
    const auto type = [](const std::wstring& text) { ScriptedPlayer::Element(gui_id::JoinAddress)->setText(text.c_str()); };
    player.AtFrame(1, [&] { type(L"hote:99999"); });
    player.AtFrame(2, [&] { player.ClickButton(gui_id::JoinButton); });
    player.AtFrame(4, [&] {
        EXPECT_EQ(status(), L"Adresse invalide : hote:99999 (HOTE ou HOTE:PORT, par exemple 192.168.1.5:7777).");
        type(address);
    });
    player.AtFrame(5, [&] { player.ClickButton(gui_id::JoinButton); });
    player.AtFrame(7, [&] {
        EXPECT_EQ(status(), L"Choisissez d'abord votre pilote.");
        player.SelectComboItem(gui_id::JoinPilot, 1);
        player.SelectComboItem(gui_id::JoinDriver, 2);
        player.ClickButton(gui_id::JoinButton);
    });
    player.AtFrame(9, [&] { EXPECT_EQ(status(), L"Connexion à 127.0.0.1:" + std::to_wstring(host->Port()) + L"..."); });
    player.When([&host] { return host->Joiners().size() == 1; }, [&host] {
        EXPECT_EQ(host->Joiners().front().name, L"Léa");
        EXPECT_EQ(host->Joiners().front().driver, L"IAC");
    });
    player.When([&] { return status().find(L"En attente du départ") != std::wstring::npos; }, [&] {
        EXPECT_EQ(status(), L"Place 1 dans la course de " + address + L".\n\nEn attente du départ donné par l'hôte...");
        host->StartRace("en-tete", {kSeatHost, 1});
    });
    JoinScreen(kOrigin.X, kOrigin.Y);
    ASSERT_EQ(game.raceStart, 1);
    const std::unique_ptr<NetRace> joined = TakeNetworkRace();
    ASSERT_TRUE(joined && !joined->Hosting());
    EXPECT_EQ(joined->JournalHeader(), "en-tete");
    EXPECT_EQ(joined->CarSeats(), (std::vector<int>{kSeatHost, 1}));
}
