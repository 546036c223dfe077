#include "support/race_fixture.h"

#include <sstream>

#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/circuit_file.h"
#include "scene/circuit_scene.h"
#include "scene/race_frame.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
// A quad as two triangles of an OBJ file. The engine's OBJ reader turns the
// file's right-handed x around, so x is written negated.
void Quad(std::ostringstream& obj, int& vertices, float x1, float y1, float z1, float x2, float y2,
          float z2, float x3, float y3, float z3, float x4, float y4, float z4) {
    obj << "v " << -x1 << ' ' << y1 << ' ' << z1 << "\nv " << -x2 << ' ' << y2 << ' ' << z2
        << "\nv " << -x3 << ' ' << y3 << ' ' << z3 << "\nv " << -x4 << ' ' << y4 << ' ' << z4
        << "\n";
    obj << "f " << vertices + 1 << ' ' << vertices + 2 << ' ' << vertices + 3 << "\nf "
        << vertices + 1 << ' ' << vertices + 3 << ' ' << vertices + 4 << "\n";
    vertices += 4;
}

std::string SquareCircuitMesh(bool pillar) {
    std::ostringstream obj;
    int n = 0;
    const float lo = -50, hi = 950, bottom = -5, top = 60;
    Quad(obj, n, lo, bottom, lo, lo, bottom, hi, hi, bottom, hi, hi, bottom, lo);  // track
    Quad(obj, n, lo, bottom, lo, hi, bottom, lo, hi, top, lo, lo, top, lo);        // walls
    Quad(obj, n, lo, bottom, hi, lo, top, hi, hi, top, hi, hi, bottom, hi);
    Quad(obj, n, lo, bottom, lo, lo, top, lo, lo, top, hi, lo, bottom, hi);
    Quad(obj, n, hi, bottom, lo, hi, bottom, hi, hi, top, hi, hi, top, lo);
    if (pillar) {
        const float a = 420, b = 480;
        Quad(obj, n, a, bottom, a, b, bottom, a, b, top, a, a, top, a);
        Quad(obj, n, a, bottom, b, a, top, b, b, top, b, b, bottom, b);
        Quad(obj, n, a, bottom, a, a, top, a, a, top, b, a, bottom, b);
        Quad(obj, n, b, bottom, a, b, bottom, b, b, top, b, b, top, a);
    }
    return obj.str();
}

std::string Gate(int n, int x) {
    const std::string no = std::to_string(n), xs = std::to_string(x);
    return "<Checkpoint Numero=\"" + no + "\" Pos=\"Dep\" Coord=\"x\">" + xs + "</Checkpoint>\n" +
           "<Checkpoint Numero=\"" + no + "\" Pos=\"Dep\" Coord=\"y\">0</Checkpoint>\n" +
           "<Checkpoint Numero=\"" + no + "\" Pos=\"Arr\" Coord=\"x\">" + xs + "</Checkpoint>\n" +
           "<Checkpoint Numero=\"" + no + "\" Pos=\"Arr\" Coord=\"y\">9</Checkpoint>\n";
}
}  // namespace

void RaceTest::WriteSquareCircuit() {
    WriteFile("data/carre.obj", SquareCircuitMesh(pillar));
    WriteFile("circuits/carre.xml",
                   "<Circuit>\n<NomCircuit>carre</NomCircuit>\n<NbVoitures>2</NbVoitures>\n"
                   "<Mesh>carre.obj</Mesh>\n<Mapping>rouge.bmp</Mapping>\n"
                   "<NbCasesEnLargeur>10</NbCasesEnLargeur>\n<NbCasesEnLongueur>10</NbCasesEnLongueur>\n"
                   "<NbCheckpoints>2</NbCheckpoints>\n" +
                       Gate(1, 3) + Gate(2, 6) +
                       "<PositionDepart Voiture=\"1\" Coord=\"x\">2</PositionDepart>\n"
                       "<PositionDepart Voiture=\"1\" Coord=\"y\">2</PositionDepart>\n"
                       "<PositionDepart Voiture=\"2\" Coord=\"x\">2</PositionDepart>\n"
                       "<PositionDepart Voiture=\"2\" Coord=\"y\">6</PositionDepart>\n"
                       "</Circuit>\n");
}

void RaceTest::SetUp() {
    GameTest::SetUp();
    for (const char* path : {"data/croix.ms3d", "data/voitures", "data/rouge.bmp",
                             "data/rougeclair.bmp", "data/bleu.bmp", "data/bleuclair.bmp",
                             "data/fontes"})
        ASSERT_TRUE(CopyFromGameFolder(path));
    WriteSquareCircuit();
    FillCatalogue();
    LoadCircuitFile(L"carre");
    ASSERT_EQ(game.circuit.checkpointCount, 2);
    game.carCount = 2;
    const wchar_t* colours[] = {L"", L"rouge", L"bleu"};
    for (int i = 1; i <= 2; ++i) {
        CarRecord& car = game.cars[i];
        car.pilotName = i == 1 ? L"Ann" : L"Bob";
        car.controller = L"Humain";
        car.colourName = colours[i];
        car.drivingSkill = 10;
        car.meshNumber = 1;
        car.meshFile = L"voiture_modele_1.ms3d";
        car.textureBase = L"map_voiture_1";
        car.textureExt = L".jpg";
        car.hitPoints = 4;
        car.inRace = 1;
        car.finishOrder = -1;
    }
    std::wstring error;
    ASSERT_TRUE(BuildCircuitScene(error)) << std::string(error.begin(), error.end());
    game.frameDelay = 0;
    CreateStatusLines();
    // The scene's warm-up draws depend on the clock: every test starts from
    // the same draws instead, so a failure can be replayed.
    SetRandomState(20261206);
}

core::position2di RaceTest::MarkerOnScreen(int k) const {
    scene::ISceneNode* node = game.crossMarkers[k].node;
    node->updateAbsolutePosition();
    return ScreenPosition(node->getAbsolutePosition());
}

void RaceTest::AimCameraAtCurrentCar() {
    const CarRecord& car = game.cars[game.currentCar];
    game.camera->setPosition({car.cellX * 100, 900, car.cellY * 100 - 300});
    game.camera->setTarget({car.cellX * 100, 0, car.cellY * 100});
    game.camera->updateAbsolutePosition();
}

void RaceTest::ClickMarkerTwice(int k, int gap) {
    AimCameraAtCurrentCar();
    const core::position2di at = MarkerOnScreen(k);
    player.LeftClickOverTwoFrames(at.X, at.Y);
    player.AtFrame(gap, [this, at] { player.LeftClickOverTwoFrames(at.X, at.Y); });
}

bool RaceTest::ChoiceShown() {
    return game.dialog.dialogOpen == 0 && game.crossMarkers[5].node &&
           game.crossMarkers[5].node->isVisible();
}

void RaceTest::RightClickOnCar(int car) {
    const core::position2di at = ScreenPosition(game.cars[car].sceneNode->getPosition());
    player.RightClickAt(at.X, at.Y);
}

void RaceTest::FireFromColumnAt(int buttonId, int car, int frames) {
    player.ClickButton(buttonId);
    player.AtFrame(frames, [this, car] { RightClickOnCar(car); });
}

bool RaceTest::HasActed(int car) {
    return game.cars[car].hasActed == 1 && game.dialog.dialogOpen == 0;
}

void RaceTest::LeaveWhen(ScriptedPlayer::Condition condition) {
    player.When(std::move(condition), [] { game.actionRequests[RequestQuit] = 1; });
}

void RaceTest::LeaveWhenCarPlays(int car) {
    LeaveWhen([car] { return game.currentCar == car; });
    player.AnswerDialogs(1);
}

void RaceTest::StandCar(int index, int x, int y, float heading) {
    CarRecord& car = game.cars[index];
    car.cellX = car.prevCellX = static_cast<f32>(x);
    car.cellY = car.prevCellY = static_cast<f32>(y);
    car.AppendTrailPoint(car.cellX, car.cellY);
    car.heading = heading;
    if (!car.sceneNode) return;
    car.sceneNode->setPosition({x * 100.0f, 7, y * 100.0f});
    car.sceneNode->setRotation({0, heading, 0});
    car.sceneNode->updateAbsolutePosition();
}

int RaceTest::AddCarWithoutModel(int x, int y) {
    const int index = ++game.carCount;
    CarRecord& car = game.cars[index];
    car = CarRecord();
    car.pilotName = L"Car" + std::to_wstring(index);
    car.controller = L"Humain";
    car.drivingSkill = 10;
    car.hitPoints = 4;
    car.mass = 2;
    car.inRace = 1;
    car.finishOrder = -1;
    StandCar(index, x, y);
    return index;
}

void RaceTest::GiveToComputer(int index, const wchar_t* pilot) {
    game.cars[index].controller = L"IA";
    game.cars[index].pilotName = pilot;
}

void RaceTest::SetStructure(int car, int points) {
    for (int side = SideFront; side <= SideLeft; ++side) {
        game.cars[car].sides[side].sideName = SideName(side);
        game.cars[car].sides[side].structure = points;
    }
}

std::vector<int> RaceTest::FacesLost(int car, int full) {
    std::vector<int> lost;
    for (int side = SideFront; side <= SideLeft; ++side)
        lost.push_back(full - game.cars[car].sides[side].structure);
    return lost;
}

int RaceTest::TotalLost(int car, int full) {
    const std::vector<int> lost = FacesLost(car, full);
    return std::accumulate(lost.begin(), lost.end(), 0);
}
