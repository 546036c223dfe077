// What a person does per round of a race against two fighting computers:
// his moves (a keypad digit and Return each) and the messages that wait for
// him, against what every message cost when each one waited for a click.
// Only the messages about his car and those that ask him something wait:
// at most half of them.
#include <cstdio>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "race/race_loop.h"
#include "scene/cross_markers.h"
#include "support/game_test.h"
#include "ui/message_window.h"

using namespace irr;

namespace {
bool PersonChooses() {
    return game.dialog.dialogOpen == 0 && !IsComputerDriven(game.cars[game.currentCar]) &&
           game.crossMarkers[5].node && game.crossMarkers[5].node->isVisible();
}

// The keypad digit of marker k as the crosses show now.
int DigitOfMarker(int k) {
    for (int digit = 1; digit <= 9; ++digit)
        if (MarkerOfPadDigit(digit) == k) return digit;
    return 0;
}
}  // namespace

class ClicksPerRoundTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        LoadQuickRace(L"Anneau", {{L"Camille Faure", Driver::Person},
                                  {L"Brutus", Driver::FightingComputer},
                                  {L"Hélène Vasseur", Driver::FightingComputer}});
        SetRandomState(7);
        RunClockWhileMessagesOpen(500);
    }

    // The person reads a message for 15 seconds, then answers it: its first
    // answer, or its button.
    void AnswerWaitingMessages() {
        player.Whenever([] { return game.dialog.dialogOpen == 1; }, [this] {
            const DialogState& dialog = game.dialog;
            if (dialog.messagesShown != lastMessage) {
                lastMessage = dialog.messagesShown;
                framesOpen = 0;
                if (!leaving) ++messages;
            }
            if (++framesOpen != 30) return;
            if (!leaving) {
                ++clicks;
                const bool asks = dialog.choiceState != 0 || dialog.dieFaces != 0;
                if (asks) ++asking;
                else if (IsComputerDriven(game.cars[dialog.aboutCar]))
                    ADD_FAILURE() << "waits: " << ToUtf8(TheMessageWindow().text->getText());
            }
            if (dialog.choiceState > 0 && dialog.choiceState <= 4)
                player.ClickButton(gui_id::Choice1);
            else if (dialog.dieState == 0)
                player.ClickButton(gui_id::MessageButton);
        });
    }

    // The person drives as the computer would, from the keyboard.
    void MoveByKeypad() {
        player.Whenever(PersonChooses, [this] {
            const int digit = DigitOfMarker(ComputerChoice(game.currentCar));
            ASSERT_NE(digit, 0);
            player.Press(static_cast<EKEY_CODE>(KEY_NUMPAD0 + digit));
            player.Press(KEY_RETURN);
            moves += 1;
        });
    }

    int lastMessage = -1, framesOpen = 0;
    int messages = 0, clicks = 0, asking = 0, moves = 0;
    bool leaving = false;
};

TEST_F(ClicksPerRoundTest, OnlyTheMessagesOfThePersonsCarAndThoseThatAskHimWait) {
    constexpr int kRounds = 30;
    AnswerWaitingMessages();
    MoveByKeypad();
    player.SetFrameLimit(200000);
    player.When([] { return game.roundNumber > kRounds; }, [this] {
        leaving = true;
        game.actionRequests[RequestQuit] = 1;
    });
    RunRace();
    const int rounds = std::min(game.roundNumber, kRounds);
    ASSERT_GE(rounds, 4) << "the race ended early";
    const double before = (messages + 2.0 * moves) / rounds;
    const double after = (clicks + 2.0 * moves) / rounds;
    std::printf("Per round: %.2f messages shown, %.2f waited for the person (%.2f dice and "
                "questions), %.2f moves. Messages waiting %.2f before, %.2f now; with the "
                "moves' two keys or clicks, %.2f before, %.2f now\n",
                1.0 * messages / rounds, 1.0 * clicks / rounds, 1.0 * asking / rounds,
                1.0 * moves / rounds, 1.0 * messages / rounds, 1.0 * clicks / rounds, before, after);
    EXPECT_LE(2 * clicks, messages) << "the messages waiting for the person at least halved";
}
