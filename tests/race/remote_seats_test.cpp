// A race over the network as the decisions seam sees it, with a fake
// network: car 2 is seated on another machine. While that machine plays,
// car 2 is only watched here; once it is gone, a person's car is handed
// over to the computer at the first decision that never came, and the
// record keeps the hand-over for a replay.
#include <optional>
#include <vector>

#include "core/decisions.h"
#include "core/game_state.h"
#include "race/race_loop.h"
#include "support/race_fixture.h"
#include "ui/message_countdown.h"

namespace {
class GoneMachine : public RemoteSeats {
public:
    bool DecidedElsewhere(int car) override { return car == 2 && !handedOver; }
    std::optional<RaceEvent> AwaitDecision(size_t, int) override { return std::nullopt; }
    void Recorded(size_t, const RaceEvent& event, bool) override {
        handedOver = handedOver || event.kind == RaceEventKind::HandOver;
    }
    bool PersonLeft(int car) override { return car == 2 && !IsComputerDriven(game.cars[2]); }
    bool handedOver = false;
};
}  // namespace

class RemoteSeatsTest : public RaceTest {
protected:
    void TearDown() override {
        SetRemoteSeats(nullptr);
        RaceTest::TearDown();
    }
    GoneMachine gone;
};

TEST_F(RemoteSeatsTest, APersonWhoseMachineLeftIsHandedOverToTheComputerOnceAndTheRecordSaysWhere) {
    game.cars[2].controller = L"Humain";
    SetRemoteSeats(&gone);
    StartRecording();
    bool closesByItselfBefore = false;
    player.When(ChoiceShown, [&] {
        DialogState aboutCar2;
        aboutCar2.aboutCar = 2;
        closesByItselfBefore = ClosesByItself(aboutCar2);
    });
    player.Whenever(ChoiceShown, [this] { ClickMarkerTwice(5); });
    LeaveWhen([] { return game.roundNumber == 2 && game.currentCar == 1; });
    player.AnswerDialogs(1);
    RunRace();
    EXPECT_TRUE(closesByItselfBefore) << "a message about a car played elsewhere closes by itself";
    EXPECT_EQ(game.cars[2].controller, L"IA");
    std::vector<size_t> handOvers, movesOfCar2;
    const std::vector<RaceEvent>& record = RaceRecord();
    for (size_t i = 0; i < record.size(); ++i) {
        if (record[i].kind == RaceEventKind::HandOver && record[i].car == 2) handOvers.push_back(i);
        if (record[i].car == 2 && record[i].kind == RaceEventKind::Cross) movesOfCar2.push_back(i);
    }
    ASSERT_EQ(handOvers.size(), 1u);
    ASSERT_GE(movesOfCar2.size(), 2u) << "car 2 went on moving, driven by the computer";
    EXPECT_LT(handOvers[0], movesOfCar2[0]) << "handed over at its first decision, before its first move";
    StopRecording();
}

// "Quitter" asks this machine's player only: answered "Non", the race goes
// on and the record, which every machine must share, holds nothing of it.
TEST_F(RemoteSeatsTest, QuitterOverTheNetworkIsNoDecisionOfTheRace) {
    SetRemoteSeats(&gone);
    StartRecording();
    bool asked = false;
    player.When(ChoiceShown, [&asked] {
        asked = true;
        game.actionRequests[RequestQuit] = 1;
    });
    player.Whenever(ChoiceShown, [this] { ClickMarkerTwice(5); });
    LeaveWhen([] { return game.roundNumber == 2 && game.currentCar == 1; });
    player.AnswerDialogs(2);
    RunRace();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(player.SawDialogTexts(
        {L"Etes vous sûr de vouloir retourner au menu sans finir la course et sans sauvegarder ?"}));
    for (const RaceEvent& event : RaceRecord()) EXPECT_NE(event.car, 0) << static_cast<int>(event.kind);
    StopRecording();
}
