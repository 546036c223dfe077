// The message window: dice that roll until stopped and slow down to the face
// returned, questions, notices, placement away from the car spoken about.
#include <optional>
#include <set>
#include <string>

#include "core/decisions.h"
#include "core/event_receiver.h"
#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/random.h"
#include "support/game_test.h"
#include "ui/dice_dialog.h"
#include "ui/message_window.h"
#include "ui/notice.h"

using namespace irr;

namespace {
constexpr u32 kWhite = 0xFFFFFFFF;

// The face on the die; 0 before the first face is drawn.
int ShownFace() {
    const std::wstring text = ScriptedPlayer::TextOf(gui_id::DieFace);
    return text.empty() ? 0 : std::stoi(text);
}
}  // namespace

class DiceDialogTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        game.dialog.dieSlowdownFrames = 300;
    }
    // Rolls a die of `faces`, stopped after `rollFrames` frames; records the
    // face seen on every frame and the frame of the stop.
    int RollStoppedAfter(int faces, int rollFrames) {
        player.Whenever([] { return game.dialog.dialogOpen == 1 && ShownFace() != 0; },
                        [this] { seen.push_back(ShownFace()); });
        player.AtFrame(rollFrames, [this] {
            player.ClickButton(gui_id::MessageButton);
            stopFrame = FramesPumped();
        });
        game.dialog.dieFaces = faces;
        return DiceDialog(L"Faites un test de pilotage", -1, -1, -1, -1, false, kWhite);
    }
    std::vector<int> seen;
    long long stopFrame = -1;
};

TEST_F(DiceDialogTest, ADieShowsOnlyItsFacesAndReturnsTheLastFaceShown) {
    const int result = RollStoppedAfter(6, 200);
    // The stop frame and 299 more: 300 frames of slow-down.
    EXPECT_EQ(FramesPumped() - stopFrame, 299);
    std::set<int> faces(seen.begin(), seen.end());
    EXPECT_EQ(faces, (std::set<int>{1, 2, 3, 4, 5, 6}));
    // The face is fixed (at least) for the last 50 frames and is the result.
    ASSERT_GT(seen.size(), 50u);
    for (size_t i = seen.size() - 50; i < seen.size(); ++i) EXPECT_EQ(seen[i], result) << i;
    EXPECT_EQ(game.dialog.dieFaces, 0);
    EXPECT_EQ(game.dialog.dieState, 0);
    EXPECT_FALSE(ScriptedPlayer::Shown(gui_id::MessageText));
}

TEST_F(DiceDialogTest, TheSlowDownChangesFacesEvery10ThenEvery20FramesThenStays) {
    DieSlowdown slowdown = StartSlowdown(300);
    std::vector<int> faceCounters;
    while (slowdown.counter >= 1)
        if (SlowdownStep(slowdown, 300)) faceCounters.push_back(slowdown.counter);
    ASSERT_FALSE(faceCounters.empty());
    EXPECT_EQ(faceCounters.front(), 290);
    EXPECT_EQ(faceCounters[14], 150);
    EXPECT_EQ(faceCounters[15], 130);
    EXPECT_EQ(faceCounters.back(), 70);
    EXPECT_EQ(LastFaceCounter(300), 70);
    EXPECT_EQ(LastFaceCounter(0), -1);
}

// With or without the slow-down, the die comes to rest on a queued result.
TEST_F(DiceDialogTest, AQueuedResultIsTheFaceTheDieComesToRestOn) {
    for (const int slowdown : {300, 0}) {
        game.dialog.dieSlowdownFrames = slowdown;
        QueueDieResult(17);
        EXPECT_EQ(RollStoppedAfter(20, 30), 17) << slowdown;
        if (slowdown) {
            EXPECT_EQ(seen.back(), 17) << "the face shown last";
        }
        int unused;
        EXPECT_FALSE(TakeQueuedDieResult(unused));
    }
}

TEST_F(DiceDialogTest, AQuestionIsOnlyClosedByOneOfItsAnswers) {
    game.dialog.choiceLabels[1] = L"Oui";
    game.dialog.choiceLabels[2] = L"Non";
    game.dialog.choiceState = 2;
    player.AtFrame(3, [] {
        EXPECT_FALSE(ScriptedPlayer::Shown(gui_id::MessageButton));
        EXPECT_TRUE(ScriptedPlayer::Shown(gui_id::Choice1 + 1));
        EXPECT_FALSE(ScriptedPlayer::Shown(gui_id::Choice1 + 2));
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::Choice1), L"Oui");
        // Where "Fermer" would be: nothing to press.
        const auto centre = ScriptedPlayer::Element(gui_id::MessageButton)->getAbsolutePosition().getCenter();
        ScriptedPlayer().LeftClickAt(centre.X, centre.Y);
    });
    player.AtFrame(6, [this] {
        EXPECT_EQ(game.dialog.dialogOpen, 1);
        player.ClickButton(gui_id::Choice1 + 1);
    });
    EXPECT_EQ(DiceDialog(L"Etes vous sûr ?", -1, -1, -1, -1, true, kWhite), 2);
    EXPECT_EQ(game.dialog.choiceState, 0);
    EXPECT_TRUE(ScriptedPlayer::Element(gui_id::MessageButton)->isVisible());
    EXPECT_EQ(player.DialogTexts(), std::vector<std::wstring>{L"Etes vous sûr ?"});
}

TEST_F(DiceDialogTest, ANoticeClosesWithFermerAndDropsTheRaceButtonsPressedMeanwhile) {
    player.AtFrame(2, [] { game.actionRequests[RequestPistol] = 1; });
    player.AtFrame(3, [this] {
        EXPECT_EQ(game.actionRequests[RequestPistol], 0);
        EXPECT_EQ(ScriptedPlayer::TextOf(gui_id::MessageButton), L"Fermer");
        EXPECT_FALSE(ScriptedPlayer::Shown(gui_id::DieFace));
        player.ClickButton(gui_id::MessageButton);
    });
    const std::wstring longText(600, L'é');
    EXPECT_EQ(DiceDialog(longText, -1, -1, -1, -1, false, kWhite), 0);
    ASSERT_EQ(player.DialogTexts().size(), 1u);
    EXPECT_EQ(player.DialogTexts()[0], std::wstring(500, L'é'));
}

TEST_F(DiceDialogTest, AMessageOpensInTheHalfOfTheScreenAwayFromItsCar) {
    scene::ICameraSceneNode* camera =
        game.sceneManager->addCameraSceneNode(nullptr, {0, 300, -500}, {0, 0, 0});
    game.sceneManager->setActiveCamera(camera);
    int left = -1;
    player.Whenever([] { return game.dialog.dialogOpen == 1; }, [&left] {
        left = TheMessageWindow().window->getAbsolutePosition().UpperLeftCorner.X;
        EXPECT_EQ(TheMessageWindow().window->getAbsolutePosition().UpperLeftCorner.Y, 62);
    });
    player.AnswerDialogs();
    DiceDialog(L"Voiture à gauche", -400, 0, 0, -1, true, kWhite);
    EXPECT_EQ(left, 668);  // right half: (512 - 200) / 2 + 512
    DiceDialog(L"Voiture à droite", 400, 0, 0, -1, true, kWhite);
    EXPECT_EQ(left, 156);
}

TEST_F(DiceDialogTest, ClosingTheWindowDuringADialogEndsTheProgram) {
    player.AtFrame(2, [] { game.device->closeDevice(); });
    EXPECT_THROW(DiceDialog(L"Message", -1, -1, -1, -1, false, kWhite), ProgramEnded);
}

TEST(DialogPlacement, TallWindowsAreCentredVertically) {
    EXPECT_EQ(DialogPlacement(10, 300, 430, 1024, 768), core::position2di(618, 169));
    EXPECT_EQ(DialogPlacement(512, 200, 260, 1024, 768), core::position2di(668, 62));
    EXPECT_EQ(DialogPlacement(513, 200, 260, 1024, 768), core::position2di(156, 62));
}

using MessageWindowTest = GameTest;

TEST_F(MessageWindowTest, ASecondCreationMakesNoSecondWindow) {
    const MessageWindow& w = TheMessageWindow();
    CreateMessageWindow();
    EXPECT_EQ(ScriptedPlayer::Element(gui_id::MessageText), w.text);
}

TEST_F(MessageWindowTest, OpacityChangesTheFaceColourOrAllAndComesBack) {
    gui::IGUISkin* skin = game.guiEnvironment->getSkin();
    skin->setColor(gui::EGDC_3D_FACE, video::SColor(101, 1, 2, 3));
    skin->setColor(gui::EGDC_WINDOW, video::SColor(102, 1, 2, 3));
    game.dialog.skinAlphas[gui::EGDC_3D_FACE] = 101;
    game.dialog.skinAlphas[gui::EGDC_WINDOW] = 102;
    SetDialogOpaque(true, false);
    EXPECT_EQ(skin->getColor(gui::EGDC_3D_FACE).getAlpha(), 255u);
    EXPECT_EQ(skin->getColor(gui::EGDC_WINDOW).getAlpha(), 102u);
    SetDialogOpaque(true, true);
    EXPECT_EQ(skin->getColor(gui::EGDC_WINDOW).getAlpha(), 255u);
    SetDialogOpaque(false, true);
    EXPECT_EQ(skin->getColor(gui::EGDC_3D_FACE).getAlpha(), 101u);
    EXPECT_EQ(skin->getColor(gui::EGDC_WINDOW).getAlpha(), 102u);
}

TEST_F(MessageWindowTest, ANoticeIsCentredAndItsClosingIsSeenOnce) {
    game.dialog.skinAlphas[gui::EGDC_3D_FACE] = 120;
    ShowNotice(L"Vous devez mettre au moins 2 pilotes en jeu.");
    EXPECT_TRUE(NoticeOpen());
    EXPECT_FALSE(UpkeepNotice());
    gui::IGUIElement* root = game.guiEnvironment->getRootGUIElement();
    gui::IGUIWindow* notice = static_cast<gui::IGUIWindow*>(root->getElementFromId(1010, true));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->getAbsolutePosition(), core::rect<s32>(412, 334, 612, 434));
    const gui::IGUIElement* text = *notice->getChildren().getLast();
    EXPECT_EQ(std::wstring(text->getText()), L"Vous devez mettre au moins 2 pilotes en jeu.\n");
    EXPECT_EQ(game.guiEnvironment->getSkin()->getColor(gui::EGDC_3D_FACE).getAlpha(), 255u);

    const auto close = notice->getCloseButton()->getAbsolutePosition().getCenter();
    player.AtFrame(1, [close] { ScriptedPlayer().LeftClickAt(close.X, close.Y); });
    PumpFrame();
    EXPECT_TRUE(UpkeepNotice());
    EXPECT_FALSE(NoticeOpen());
    EXPECT_FALSE(UpkeepNotice());
    EXPECT_EQ(game.guiEnvironment->getSkin()->getColor(gui::EGDC_3D_FACE).getAlpha(), 120u);
}

TEST_F(DiceDialogTest, ATextTooLongForTheSmallWindowIsShownWholeInTheLargeOne) {
    int widthSeen = 0;
    player.Whenever([] { return game.dialog.dialogOpen == 1; }, [&] {
        widthSeen = TheMessageWindow().window->getRelativePosition().getWidth();
        player.ClickButton(gui_id::MessageButton);
    });
    DiceDialog(L"Voiture : 1", -1, -1, -1, -1, false, kWhite);
    EXPECT_EQ(widthSeen, 200);
    std::wstring longText;
    for (int i = 0; i < 30; ++i) longText += L"Une ligne de plus.\n";
    DiceDialog(longText, -1, -1, -1, -1, false, kWhite);
    EXPECT_EQ(widthSeen, 300);
    EXPECT_FALSE(DialogLayoutIsLarge());  // back to the small window afterwards
    EXPECT_EQ(TheMessageWindow().window->getRelativePosition().getWidth(), 200);
}

namespace {
// Car 2 is played on another machine, whose player stops his die after
// `stop` faces; his stop comes after `waitFrames` frames here.
class DieRolledElsewhere : public RemoteSeats {
public:
    DieRolledElsewhere(int stop, int waitFrames) : stop_(stop), waitFrames_(waitFrames) {}
    bool DecidedElsewhere(int car) override { return car == 2; }
    std::optional<RaceEvent> AwaitDecision(size_t, int car) override {
        for (int frame = 0; frame < waitFrames_; ++frame) {
            if (!ShowWaitingScreen()) PumpFrameOrEnd();
            facesWhileWaiting.insert(ShownFace());
            buttonShown = buttonShown || ScriptedPlayer::Shown(gui_id::MessageButton);
        }
        return RaceEvent{RaceEventKind::DieStop, car, stop_, 0, {}};
    }
    void Recorded(size_t, const RaceEvent&, bool) override {}
    bool PersonLeft(int) override { return false; }
    std::set<int> facesWhileWaiting;
    bool buttonShown = false;

private:
    int stop_, waitFrames_;
};
}  // namespace

// A die rolled at another machine rolls here while its roller rolls it, and
// comes to rest on his face with the race's random source where his is,
// whether his stop comes before or after as many faces rolled here.
TEST_F(DiceDialogTest, ADieRolledAtAnotherMachineRollsHereTooAndStopsWhereItsRollerStoppedIt) {
    for (const auto& [stop, waitFrames] : {std::pair{150, 20}, std::pair{5, 60}}) {
        SetRandomState(1234);
        const unsigned long long expectedStart = RandomDraws();
        const int expectedFace = RollStoppedDie(6, stop);
        const uint32_t expectedState = RandomState();
        const unsigned long long expectedDraws = RandomDraws();
        SetRandomState(1234);
        const unsigned long long drawsBefore = RandomDraws();
        DieRolledElsewhere elsewhere(stop, waitFrames);
        SetRemoteSeats(&elsewhere);
        StartRecording();
        game.dialog.dieFaces = 6;
        game.dialog.aboutCar = 2;
        const int face = DiceDialog(L"Faites un test de pilotage", -1, -1, -1, -1, false, kWhite);
        SetRemoteSeats(nullptr);
        EXPECT_GE(elsewhere.facesWhileWaiting.size(), 4u) << "the die rolls while the stop is awaited";
        EXPECT_FALSE(elsewhere.buttonShown) << "the die is not this player's to stop";
        EXPECT_EQ(face, expectedFace) << stop;
        EXPECT_EQ(RandomState(), expectedState) << stop;
        EXPECT_EQ(RandomDraws() - drawsBefore, expectedDraws - expectedStart) << stop;
        ASSERT_EQ(RaceRecord().size(), 1u);
        EXPECT_EQ(RaceRecord().front().value, stop);
        StopRecording();
    }
}
