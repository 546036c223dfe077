#include "core/event_receiver.h"

#include <tuple>

#include "core/frame_pump.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "support/game_test.h"

using namespace irr;

class EventReceiverTest : public GameTest {
protected:
    gui::IGUIButton* AddButton(int id, int top = 0) {
        return game.guiEnvironment->addButton(core::recti(10, top, 110, top + 20), nullptr, id,
                                              L"bouton");
    }
};

// Only a right click without a drag asks for a pick; a second press while
// the button is held keeps the first position.
TEST_F(EventReceiverTest, ARightClickAsksForAPickAndADragOfOnePixelDoesNot) {
    player.RightClickAt(300, 200);
    EXPECT_EQ(std::make_tuple(game.mouse.pickRequest, game.mouse.rightHeld, game.mouse.rightPressX,
                              game.mouse.rightPressY),
              std::make_tuple(1, 0, 300.0f, 200.0f));
    player.RightDrag(300, 200, 301, 200);
    EXPECT_EQ(game.mouse.pickRequest, 0);
    player.RightClickAt(50, 50);
    player.RightDrag(50, 50, 50, 49);
    EXPECT_EQ(game.mouse.pickRequest, 0);
    player.MouseButton(EMIE_RMOUSE_PRESSED_DOWN, 10, 10);
    player.MouseButton(EMIE_RMOUSE_PRESSED_DOWN, 40, 40);
    EXPECT_EQ(game.mouse.rightPressX, 10.0f);
    player.MouseButton(EMIE_RMOUSE_LEFT_UP, 10, 10);
    EXPECT_EQ(game.mouse.pickRequest, 1);
}

TEST_F(EventReceiverTest, TheWheelStepsByTenAndTheLeftButtonIsTracked) {
    player.Wheel(1.0f);
    player.Wheel(3.0f);
    player.Wheel(-1.0f);
    EXPECT_EQ(game.mouse.wheelZoom, 10.0f);
    player.MouseButton(EMIE_LMOUSE_PRESSED_DOWN, 5, 5);
    EXPECT_EQ(game.mouse.leftHeld, 1);
    player.MouseButton(EMIE_LMOUSE_LEFT_UP, 5, 5);
    EXPECT_EQ(game.mouse.leftHeld, 0);
}

TEST_F(EventReceiverTest, TheMessageButtonStopsARollingDieInsteadOfClosing) {
    AddButton(gui_id::MessageButton);
    game.dialog.dialogOpen = 1;
    game.dialog.dieFaces = 6;
    player.ClickButton(gui_id::MessageButton);
    EXPECT_EQ(std::make_pair(game.dialog.dialogOpen, game.dialog.dieState), std::make_pair(1, 1));
    game.dialog.dieFaces = 0;
    player.ClickButton(gui_id::MessageButton);
    EXPECT_EQ(game.dialog.dialogOpen, 0);
}

TEST_F(EventReceiverTest, ButtonsSetTheirRequestsAndIds) {
    const int ids[] = {gui_id::Nitro,  gui_id::FrontGun, gui_id::RearGun, gui_id::OilProjector,
                       gui_id::Grenade, gui_id::Pistol,  gui_id::Bazooka, gui_id::Quit};
    const ActionRequest requests[] = {RequestNitro,   RequestFrontGun,    RequestRearGun,
                                      RequestOilProjector, RequestGrenade, RequestPistol,
                                      RequestBazooka, RequestQuit};
    for (int i = 0; i < 8; ++i) AddButton(ids[i], 25 * i);
    for (int i = 0; i < 8; ++i) {
        player.ClickButton(ids[i]);
        EXPECT_EQ(game.actionRequests[requests[i]], 1) << "button " << ids[i];
    }
    EXPECT_EQ(game.lastGuiId, 0);

    AddButton(gui_id::Choice1 + 2, 300);
    player.ClickButton(gui_id::Choice1 + 2);
    EXPECT_EQ(game.dialog.choiceState, 13);
    AddButton(gui_id::CentreCamera, 330);
    player.ClickButton(gui_id::CentreCamera);
    EXPECT_EQ(game.cameraCommand, 2);
    AddButton(10013, 360);
    player.ClickButton(10013);
    EXPECT_EQ(game.lastGuiId, 10013);
    AddButton(10016, 390);  // not a menu id
    player.ClickButton(10016);
    EXPECT_EQ(game.lastGuiId, 10013);
    AddButton(gui_id::EndTurn, 420);
    player.ClickButton(gui_id::EndTurn);
    EXPECT_EQ(game.lastGuiId, gui_id::EndTurn);
}

TEST_F(EventReceiverTest, KeysAreRecordedOnlyOutsideMenus) {
    player.Key(KEY_KEY_Z, true);
    EXPECT_EQ(game.keyDown[KEY_KEY_Z], 1);
    player.Key(KEY_KEY_Z, false);
    EXPECT_EQ(game.keyDown[KEY_KEY_Z], 0);

    game.inMenu = 1;
    gui::IGUIEditBox* box =
        game.guiEnvironment->addEditBox(L"", core::recti(10, 10, 200, 30), true, nullptr, 7);
    game.guiEnvironment->setFocus(box);
    SEvent event{};
    event.EventType = EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = KEY_KEY_A;
    event.KeyInput.Char = L'é';
    event.KeyInput.PressedDown = true;
    EXPECT_FALSE(TheEventReceiver().OnEvent(event));
    game.device->postEventFromUser(event);
    EXPECT_EQ(game.keyDown[KEY_KEY_A], 0);
    EXPECT_EQ(std::wstring(box->getText()), L"é");  // the key reached the edit box
}

TEST_F(EventReceiverTest, TheScriptedPlayerActsOnFramesAndConditions) {
    AddButton(gui_id::Nitro);
    int pumped = 0;
    player.AtFrame(3, [this] { player.ClickButton(gui_id::Nitro); });
    player.When([] { return game.actionRequests[RequestNitro] == 1; },
                [] { game.quitToMenu = 1; });
    while (!game.quitToMenu) {
        ASSERT_TRUE(PumpFrame());
        ++pumped;
    }
    EXPECT_EQ(pumped, 3);  // steps run in order, so the condition holds on the click's frame
}

TEST_F(EventReceiverTest, AStuckLoopFailsAtTheFrameLimit) {
    player.SetFrameLimit(50);
    EXPECT_THROW(
        {
            while (PumpFrame()) {
            }
        },
        ScriptFrameLimit);
}

TEST_F(EventReceiverTest, ClosingTheWindowInsideALoopEndsTheProgram) {
    player.AtFrame(2, [] { game.device->closeDevice(); });
    EXPECT_THROW(
        {
            for (;;) PumpFrameOrEnd();
        },
        ProgramEnded);
}
