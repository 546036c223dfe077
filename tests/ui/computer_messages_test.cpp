// Messages that close by themselves: those about a computer car that ask
// nothing, after a reading time that grows with their length; what waits
// for a person; the pause of a race nobody plays; and the window that keeps
// its place for the messages of one car in one turn.
#include <functional>
#include <string>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "support/race_fixture.h"
#include "ui/car_message.h"
#include "ui/message_window.h"
#include "ui/race_screen.h"

using namespace irr;

class ComputerMessagesTest : public RaceTest {
protected:
    void SetUp() override {
        RaceTest::SetUp();
        GiveToComputer(2, L"Brutus");
        RunClockWhileMessagesOpen(100);  // a tenth of a second a frame
    }
    // How long the message that `show` opens stays open, in milliseconds.
    long long OpenFor(const std::function<void()>& show) {
        const long long start = clock;
        show();
        return clock - start;
    }
};

TEST_F(ComputerMessagesTest, AComputerCarsMessageClosesByItselfAfterAReadingTimeGrowingWithItsLength) {
    const std::wstring line = L"Brutus recharge son bazooka.";
    const long long shortLine = OpenFor([&] { TellAboutCar(line, 2); });
    EXPECT_GE(shortLine, 1500);
    EXPECT_LE(shortLine, 4000);
    const std::wstring report(300, L'x');
    const long long shortReport = OpenFor([&] { TellAboutCar(report, 2); });
    EXPECT_GT(shortReport, 6000);
    EXPECT_LE(shortReport, 12000);
    game.computerMessages = ComputerMessages::Long;
    EXPECT_GT(OpenFor([&] { TellAboutCar(line, 2); }), shortLine + 1500);
    EXPECT_EQ(player.DialogTexts().size(), 3u);
}

TEST_F(ComputerMessagesTest, APersonsMessagesQuestionsAndDiceWaitForHim) {
    player.AnswerDialogs(1, 150);  // read for 15 seconds, then answered
    const std::vector<std::function<void()>> waiting = {
        [] { TellAboutCar(L"Vous maitrisez votre véhicule sans problème.\n", 1); },
        [] { AskAboutCar(L"Voulez vous tirer sur le véhicule 1 ?", 2, L"Oui", L"Non"); },
        [] { RollForCar(L"Test de tir.", 1, 20); },
        [] {
            game.computerMessages = ComputerMessages::Waiting;
            TellAboutCar(L"Brutus recharge son bazooka.", 2);
        },
    };
    for (size_t i = 0; i < waiting.size(); ++i) EXPECT_GE(OpenFor(waiting[i]), 15000) << i;
}

TEST_F(ComputerMessagesTest, SpacePausesARaceThatNoPersonPlaysMessageCountdownIncluded) {
    GiveToComputer(1, L"Ann");
    auto press = [this] { player.Press(KEY_SPACE); };
    std::wstring statusWhilePaused;
    player.AtFrame(2, press);
    player.AtFrame(100, [&] {
        statusWhilePaused = raceScreen.statusLine->getText();
        press();
    });
    const long long open = OpenFor([] { TellAboutCar(L"Brutus recharge son bazooka.", 2); });
    EXPECT_GT(open, 9800) << "the countdown stood still while paused";
    EXPECT_LT(open, 9800 + 4000);
    EXPECT_NE(statusWhilePaused.find(L"Course en pause : Espace pour reprendre"), std::wstring::npos);
    EXPECT_EQ(game.paused, 0);
}

TEST_F(ComputerMessagesTest, TheMessagesOfOneCarInOneTurnOpenWhereTheLastOneWas) {
    game.currentCar = 1;
    AimCameraAtCurrentCar();
    std::vector<core::position2di> buttons;
    player.Whenever([] { return game.dialog.dialogOpen == 1; }, [&] {
        buttons.push_back(TheMessageWindow().button->getAbsolutePosition().getCenter());
        player.ClickButton(gui_id::MessageButton);
    });
    // Car `car` seen left of the middle of the screen (x = -300) or right
    // of it (x = 500) as a message about it opens.
    auto tellAt = [](int car, float x, const std::wstring& text) {
        game.cars[car].sceneNode->setPosition({x, 7, 200});
        TellAboutCar(text, car);
    };
    tellAt(1, -300, L"Vous avez 1 mitrailleuse(s) avant installée(s).");
    // The car now shows in the half where the first window opened; the
    // second window still opens where the first one was.
    tellAt(1, 500, L"Tir réussi");
    tellAt(2, 500, L"Brutus recharge son bazooka.");  // another car: placed away from it
    game.currentCar = 2;
    tellAt(1, 500, L"Tir réussi");  // another turn: placed away from the car
    ASSERT_EQ(buttons.size(), 4u);
    const int middle = static_cast<int>(game.videoDriver->getScreenSize().Width) / 2;
    EXPECT_GT(buttons[0].X, middle);
    EXPECT_EQ(buttons[1], buttons[0]);
    EXPECT_LT(buttons[2].X, middle);
    EXPECT_LT(buttons[3].X, middle);
}
