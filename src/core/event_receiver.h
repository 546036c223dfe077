// Turns engine events into flags of the game state; the frame loops read and
// clear them.
#pragma once

#include <irrlicht.h>

class GameEventReceiver : public irr::IEventReceiver {
public:
    ~GameEventReceiver() override = default;
    // True when the event is absorbed, false to let the GUI handle it.
    bool OnEvent(const irr::SEvent& event) override;

private:
    bool OnGuiEvent(const irr::SEvent::SGUIEvent& event);
    bool OnMouseEvent(const irr::SEvent::SMouseInput& event);
    bool OnKeyEvent(const irr::SEvent::SKeyInput& event);
};

// Ids of the race screen, the message window, the car menu and the menus.
namespace gui_id {
constexpr int EndTurn = 101;
constexpr int AutoEndTurn = 102;
constexpr int ShowIntersections = 103;
constexpr int ShowTrail = 104;
constexpr int Nitro = 110;
constexpr int FrontGun = 111;
constexpr int RearGun = 112;
constexpr int OilProjector = 113;
constexpr int Grenade = 114;
constexpr int Pistol = 115;
constexpr int Bazooka = 116;
constexpr int HideWalls = 117;
constexpr int Quit = 118;
constexpr int MessageButton = 1001;
constexpr int Choice1 = 1002;
constexpr int Choice4 = 1005;
constexpr int DieFace = 1008;
constexpr int MessageText = 1009;
constexpr int ViewCar = 3001;
constexpr int CentreCamera = 3002;
// The home menu's column, present on every menu screen.
constexpr int Home = 10001;
constexpr int NewPilot = 10002;
constexpr int EditPilot = 10003;
constexpr int NewRace = 10004;
constexpr int QuitGame = 10005;
constexpr int Credits = 10006;
// The race setup's launch button.
constexpr int Launch = 20000;
}  // namespace gui_id

// True for the ids of the menu screens, whose clicks go to lastGuiId.
bool IsMenuId(int id);
