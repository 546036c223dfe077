// The one global game state: the car table, whose turn it is, the circuit,
// the engine handles and the input flags the event receiver sets.
#pragma once

#include <irrlicht.h>

#include <map>
#include <string>
#include <vector>

using irr::f32;
using irr::s32;
using irr::u8;
using irr::u32;

// Side indices used by files, widgets and rules.
enum SideIndex { SideMisc = 0, SideFront = 1, SideRear = 2, SideRight = 3, SideLeft = 4 };
constexpr int kSideCount = 5;
constexpr int kCarTableSize = 20;   // record 0 is the workshop's scratch record
constexpr int kMaxCars = kCarTableSize - 1;
constexpr int kCatalogueSize = 12;  // entry 0 stays empty
constexpr int kCrossMarkerCount = 100;
constexpr int kStartSlotCount = 20;

// One gadget fitted to a car, or one entry of the catalogue.
struct GadgetRecord {
    std::wstring name;
    s32 charges = 0;
    s32 auxValue1 = 0;
    s32 auxValue2 = 0;
    s32 price = 0;
    std::wstring description;
    u8 allowedSides[kSideCount] = {0, 0, 0, 0, 0};
    s32 maxPerCar = 0;  // 1 = one per car, -1 = no limit
};

struct CarSide {
    s32 structure = 0;
    s32 structureMax = 0;
    s32 gadgetCount = 0;
    std::vector<GadgetRecord> gadgets;  // 1-based: entries 1..gadgetCount, entry 0 unused
    std::wstring sideName;
};

struct CarRecord {
    s32 drivingSkill = 0;
    s32 shootingSkill = 0;
    s32 hitPoints = 0;
    std::wstring wheelSide;
    f32 cellX = 0;
    f32 cellY = 0;
    f32 prevCellX = 0;
    f32 prevCellY = 0;
    std::vector<f32> trail;  // point k is (trail[2k-1], trail[2k]); element 0 unused
    s32 trailCount = 0;
    u8 hasMoved = 0;
    u8 hasActed = 0;
    s32 carNumber = 0;
    s32 mass = 0;
    s32 zonks = 0;
    u8 pendingMoveFlag = 0;
    u8 skidPending = 0;
    u8 oilSprayed = 0;
    s32 checkpointsPassed = 0;
    s32 finishOrder = -1;
    u32 colour = 0;
    std::wstring colourName;
    std::wstring controller;  // "Humain", "IA" or "IAC" (see DriverWord)
    s32 meshNumber = 0;
    std::wstring meshFile;
    std::wstring textureBase;
    std::wstring textureExt;
    std::wstring pilotName;
    std::wstring secu;
    irr::scene::IAnimatedMesh* carMesh = nullptr;
    irr::scene::IAnimatedMeshSceneNode* sceneNode = nullptr;
    // The way the car faces, in degrees about the vertical axis (0 facing
    // increasing rows). The rules turn it; the car's model only shows it.
    f32 heading = 0;
    s32 targetX = -1;
    s32 targetY = -1;
    u8 inRace = 0;
    u8 autoEndTurn = 0;
    u8 showIntersections = 0;
    u8 hideWalls = 0;
    u8 showTrail = 0;
    u8 showRisks = 0;  // "Voir risques": the crosses whose move meets something marked
    CarSide sides[kSideCount];

    // Appends one point to the trail, growing the array to 2 * trailCount + 1.
    void AppendTrailPoint(f32 x, f32 y);
    // Replaces the last point of the trail (appends one to an empty trail).
    void ReplaceLastTrailPoint(f32 x, f32 y);
    f32 Heading() const { return heading; }
    // A car that moved faces its last move (from its previous cell to its
    // cell); a car standing still keeps its heading.
    void FaceLastMove();
};

// Circuit data read from the circuit file.
struct DecorItem {
    std::wstring description;
    std::wstring meshFile;
    std::wstring textureFile;
    u8 relativeToCircuit = 0;
    u8 transparent = 0;
    s32 dx = 0, dy = 0, dz = 0;
    s32 scale = 0;
    s32 rotation = 0;
    u8 animated = 0;
    s32 frameStart = 0, frameEnd = 0;
    s32 animationSpeed = 0;
    irr::scene::ISceneNode* node = nullptr;
};

struct CrowdModel {
    std::wstring description;
    std::wstring meshFile;
    std::wstring textureFile;
    s32 frameStart = 0, frameEnd = 0;
    s32 speedMin = 0, speedMax = 0;
    irr::scene::ISceneNode* node = nullptr;
};

struct CrowdGroup {
    s32 personCount = 0;
    std::vector<CrowdModel> persons;  // 1-based spectator slots
    s32 x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    s32 angle1 = 0, angle2 = 0;
};

struct CircuitData {
    std::wstring circuitName;
    s32 circuitMaxCars = 0;
    std::wstring circuitMeshFile;
    std::wstring circuitTextureFile;
    s32 circuitOffsetX = 0, circuitOffsetY = 0, circuitOffsetZ = 0;
    s32 gridWidth = 0;
    s32 gridLength = 0;
    s32 cellSize = 0;
    s32 checkpointCount = 0;
    std::vector<f32> checkpointX;  // 2 * checkpointCount + 2 entries
    std::vector<f32> checkpointY;
    s32 startCellX[kStartSlotCount] = {};
    s32 startCellY[kStartSlotCount] = {};
    s32 decorCount = 0;
    std::vector<DecorItem> decorItems;
    s32 crowdModelCount = 0;
    std::vector<CrowdModel> crowdModels;
    s32 crowdGroupCount = 0;
    std::vector<CrowdGroup> crowdGroups;
};

// The edges of a car model's triangles in the model's own space: each corner
// once, and two corners for each edge, three edges a triangle, in order.
struct MeshEdgeList {
    std::vector<irr::core::vector3df> corners;
    std::vector<irr::u32> ends;
};

// A clickable marker standing on a candidate cell.
struct CrossMarker {
    s32 cellX = 0;
    s32 cellY = 0;
    u8 selected = 0;
    irr::scene::IAnimatedMeshSceneNode* node = nullptr;
};

// An oil patch laid on the track: a segment on the ground that stays until
// the race ends.
struct OilPatch {
    float x1 = 0, y1 = 0, z1 = 0;  // start, world units
    float x2 = 0, y2 = 0, z2 = 0;  // end
};

// One request flag per action button of the race screen.
enum ActionRequest {
    RequestNitro,
    RequestQuit,
    RequestFrontGun,
    RequestRearGun,
    RequestOilProjector,
    RequestGrenade,
    RequestPistol,
    RequestBazooka,
    RequestSave,  // "Sauvegarder": not a decision of the race, it stops it
    kActionRequestCount
};

struct MouseState {
    u8 leftHeld = 0;
    // Set by every press of the left button, cleared by the loop that takes
    // it: a click shorter than a frame is not lost.
    u8 leftClicked = 0;
    f32 wheelZoom = 0;
    f32 rightPressX = 0;
    f32 rightPressY = 0;
    u8 rightHeld = 0;
    u8 pickRequest = 0;
};

struct DialogState {
    s32 dialogOpen = 0;
    s32 dieFaces = 0;
    s32 dieState = 0;     // 0 rolling, 1 stop requested, 2 slowing down
    s32 choiceState = 0;  // 0..4 answers asked for; 11..14 answer chosen
    std::wstring choiceLabels[5];  // entries 1..4
    s32 dieSlowdownFrames = 0;
    // A test's die succeeds at this value or less, shown beside it (0: not a test).
    s32 dieTarget = 0;
    u8 skinAlphas[irr::gui::EGDC_COUNT] = {};
    // The car the message is about, whose colour it shows (0 for none):
    // set with the message by its caller, like the die and the answers.
    s32 aboutCar = 0;
    // Messages shown in the window so far: each one its own number.
    s32 messagesShown = 0;
};

// How long the messages that need no answer and are about a computer car
// stay open before closing by themselves: never (they wait for a click),
// a short or a long reading time.
enum class ComputerMessages { Waiting, Short, Long };

// The race keys that the loops of the race take: a digit of the numeric
// keypad (the cross laid out there on screen), Return and Escape. Each is
// set by its key and cleared by the loop that reads it.
struct KeyRequests {
    s32 padDigit = 0;
    u8 confirm = 0;
    u8 escape = 0;
    u8 cameraHome = 0;  // Home: the view back over the car to play
};

struct GameState {
    CarRecord cars[kCarTableSize];
    s32 carCount = 0;
    s32 currentCar = 0;
    s32 roundNumber = 0;

    CircuitData circuit;
    GadgetRecord catalogue[kCatalogueSize];

    irr::IrrlichtDevice* device = nullptr;
    irr::video::IVideoDriver* videoDriver = nullptr;
    irr::scene::ISceneManager* sceneManager = nullptr;
    irr::gui::IGUIEnvironment* guiEnvironment = nullptr;
    irr::gui::ICursorControl* cursorControl = nullptr;

    s32 lastGuiId = 0;
    u8 actionRequests[kActionRequestCount] = {};
    s32 cameraCommand = 0;
    // Set when the player moves the camera; cleared when a turn starts, so a
    // computer's turn brings the camera over its car unless the player chose
    // a view meanwhile.
    u8 cameraMovedByPlayer = 0;
    MouseState mouse;
    KeyRequests keys;
    DialogState dialog;
    ComputerMessages computerMessages = ComputerMessages::Waiting;
    // How many race journals are kept in "courses/", the newest.
    s32 journalsKept = 50;
    // A race that no person plays, or a replay, goes on by itself: Space
    // pauses it, Return then plays one turn, + and - change its speed.
    u8 paused = 0;
    u8 pauseAtNextTurn = 0;
    s32 watchSpeed = 1;  // 1, 2, 4 or 8
    // The journal the home menu chose to replay ("Revoir une course").
    std::string replayJournal;
    f32 frameDelay = 3;
    u8 quitToMenu = 0;
    // The roster of the race is shown (the key L shows and hides it).
    u8 rosterShown = 1;
    // The player left the race with "Sauvegarder": it is resumed later.
    u8 savedToResume = 0;
    // The saved race the home menu chose to resume ("Reprendre une course").
    std::string resumeSave;
    // Set once the race's results are paid and its files written: a race
    // is settled once, whatever ends it.
    u8 resultsSettled = 0;
    u8 keyDown[255] = {};

    // Scene handles, built with the circuit scene.
    irr::video::ITexture* loadingImage = nullptr;
    irr::video::ITexture* loadingBarImage = nullptr;
    irr::scene::IAnimatedMeshSceneNode* circuitNode = nullptr;
    irr::scene::ITriangleSelector* circuitSelector = nullptr;
    irr::scene::IAnimatedMesh* crossMesh = nullptr;
    irr::scene::ICameraSceneNode* camera = nullptr;
    irr::video::ITexture* explosionImages[65] = {};  // 1..64
    irr::video::ITexture* skidMarkerImage = nullptr;
    irr::video::ITexture* hourglassImage = nullptr;
    u8 wallsTransparent = 0;
    CrossMarker crossMarkers[kCrossMarkerCount];
    // The edges of each car model's triangles in the model's own space,
    // read once per mesh of this race's scene.
    std::map<const irr::scene::IMesh*, MeshEdgeList> bodyEdges;

    // The oil laid during the race, 1-based: entry 0 unused.
    std::vector<OilPatch> oilPatches = std::vector<OilPatch>(1);

    // Menu state.
    u8 inMenu = 0;
    u8 raceStart = 0;
    u8 decorEnabled = 0;
    irr::video::ITexture* menuBackground = nullptr;

    // HUD state.
    s32 statusCountdown = 0;
};

extern GameState game;

// Whether any action button of the race screen was pressed; clearing them all.
bool AnyActionRequest();
void ClearActionRequests();

// Who drives a car: a person, the computer that only drives, or the computer
// that also fights with the car's weapons.
enum class Driver { Person, Computer, FightingComputer };

// The car's controller word for a driver: "Humain", "IA" or "IAC".
const wchar_t* DriverWord(Driver driver);

// Whether the car is driven by the computer, fighting or not: it rolls
// silently, its messages name its pilot and it gets no buttons.
bool IsComputerDriven(const CarRecord& car);

// Whether the car is driven by the computer that uses its weapons.
bool IsFightingComputer(const CarRecord& car);

// Whether no car of the race is driven by a person: nobody is at the screen
// to answer its messages.
bool NoPersonInRace();

// Whether the race on screen is only watched: a race that no person plays,
// or a replay.
bool RaceOnlyWatched();

// Side names as the car sheet and the files write them.
const wchar_t* SideName(int side);
