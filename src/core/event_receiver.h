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

// Called when any button is clicked (the game installs its click's sound).
using ButtonClickedHook = void (*)();
void SetButtonClickedHook(ButtonClickedHook hook);

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
constexpr int SaveRace = 119;
constexpr int ShowRisks = 120;
constexpr int Roster = 130;  // the title of the roster of the race
constexpr int MessageButton = 1001;
constexpr int Choice1 = 1002;
constexpr int Choice4 = 1005;
constexpr int DieFace = 1008;
constexpr int DieTarget = 1010;
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
constexpr int Replays = 10007;
constexpr int Resume = 10008;
constexpr int Rules = 10009;
constexpr int JoinRace = 10015;
// The pilot workshop: "Ajouter au côté" and "Supprimer gadget sélectionné"
// are one button per side, id + side index.
constexpr int AddToSide = 10010;
constexpr int SellFromSide = 10020;
constexpr int ChangeWheel = 10030;
constexpr int Validate = 10040;
constexpr int CarModel = 10050;
constexpr int CatalogueList = 10060;
constexpr int SideList = 10070;  // + side index
constexpr int PilotNameBox = 10100;
constexpr int DrivingBox = 10101;
constexpr int ShootingBox = 10102;
constexpr int ZonksBox = 10103;
constexpr int Description = 10104;
constexpr int WheelText = 10105;
constexpr int SkillPointsLeft = 10106;
constexpr int StructurePointsLeft = 10107;
constexpr int StructureBox = 10110;  // + side index, 1 to 4
// The choice of a pilot to edit.
constexpr int PilotChoice = 10200;
// The race setup's launch button, what it says of the race it hosts, and
// who joined for each remote row (+ row).
constexpr int Launch = 20000;
constexpr int HostingStatus = 20001;
constexpr int RemoteRow = 20100;
// The choice of a race to watch again: its list and its button.
constexpr int ReplayList = 20010;
constexpr int ReplayButton = 20011;
// The choice of a saved race to resume: its list and its button.
constexpr int ResumeList = 20020;
constexpr int ResumeButton = 20021;
// The rules' pages: the buttons that turn them, the title and the text.
constexpr int RulesPrevious = 20030;
constexpr int RulesNext = 20031;
constexpr int RulesTitle = 20032;
constexpr int RulesText = 20033;
// The join screen: the host's address, the pilot, his driver, the button
// and what the screen says of the joining.
constexpr int JoinAddress = 20040;
constexpr int JoinPilot = 20041;
constexpr int JoinDriver = 20042;
constexpr int JoinButton = 20043;
constexpr int JoinStatus = 20044;
}  // namespace gui_id

// True for the ids of the menu screens, whose clicks go to lastGuiId.
bool IsMenuId(int id);
