#include "scene/circuit_scene.h"

#include <utility>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "core/random.h"
#include "platform/text.h"
#include "scene/camera_control.h"
#include "scene/car_setup.h"
#include "scene/cross_marker_build.h"
#include "scene/decor.h"
#include "scene/loading_screen.h"
#include "scene/scene_files.h"
#include "scene/wall_test.h"
#include "scene/wall_triangles.h"

using namespace irr;

namespace {
// The loading bar's progress.
struct Progress {
    int step = 0;
    int total = 0;
    void Advance() { ShowLoading(++step, total); }
};

long long StartKey(int car) {
    return static_cast<long long>(game.cars[car].mass) * 10000 + CountGadgets(L"", car, kAllSides);
}

bool BuildCars(Progress& progress, std::wstring& error) {
    for (int i = 1; i <= game.carCount; ++i) {
        if (!SetupCarForRace(i, i, game.cars[i].colourName, error)) return false;
        progress.Advance();
    }
    return true;
}

bool BuildCrossMarkers(std::wstring& error) {
    const std::wstring meshPath = L"\\data\\croix.ms3d";
    game.crossMesh = LoadGameMesh(meshPath);
    for (int i = 1; i < kCrossMarkerCount; ++i) {
        if (!BuildCrossMarker(game.crossMarkers[i])) {
            error = MissingFileMessage(meshPath);
            return false;
        }
    }
    return true;
}

bool BuildCircuit(std::wstring& error) {
    const CircuitData& c = game.circuit;
    const std::wstring meshPath = L"\\data\\" + c.circuitMeshFile;
    scene::IAnimatedMesh* mesh = LoadGameMesh(meshPath);
    scene::IAnimatedMeshSceneNode* node = mesh ? AddUnlitMeshNode(mesh) : nullptr;
    if (!node) {
        error = MissingFileMessage(meshPath);
        return false;
    }
    SetNodeTexture(node, L"\\data\\" + c.circuitTextureFile);
    node->setName("Circuit");
    node->setVisible(true);
    node->setPosition({static_cast<f32>(c.circuitOffsetX), static_cast<f32>(c.circuitOffsetY),
                       static_cast<f32>(c.circuitOffsetZ)});
    // The wall test reads the selector before any frame has placed the node.
    node->updateAbsolutePosition();
    game.circuitNode = node;
    game.circuitSelector = GiveOctreeSelector(node);
    BuildWallTriangles(game.circuitSelector);
    BuildWallIndex(game.circuitSelector);
    game.wallsTransparent = 0;
    return true;
}

void BuildCamera() {
    scene::ICameraSceneNode* camera = game.sceneManager->addCameraSceneNode(
        nullptr, core::vector3df(0, 0, 0), core::vector3df(0, 0, 100));
    game.camera = camera;
    PlaceCameraNearCar(1);
    camera->setVisible(true);
    camera->setName("Camera1");
    camera->setFarValue(1000000);
    camera->setFOV(3.14159f / 2.5f);
}

void LoadRuleImages() {
    for (int i = 1; i <= 64; ++i) {
        const std::wstring number = (L"000" + IntText(i)).substr(IntText(i).size());
        game.explosionImages[i] =
            LoadGameTexture(L"\\data\\ImagesExplosion\\image" + number + L".bmp", true);
    }
    game.skidMarkerImage = LoadGameTexture(L"\\data\\derapage.bmp", true);
    game.hourglassImage = LoadGameTexture(L"\\data\\sablier.bmp", true);
}

void BuildDecorAndCrowds(Progress& progress) {
    CircuitData& c = game.circuit;
    for (int k = 1; k <= c.decorCount && static_cast<size_t>(k) < c.decorItems.size(); ++k) {
        BuildDecorItem(c.decorItems[k]);
        progress.Advance();
    }
    for (int g = 1; g <= c.crowdGroupCount && static_cast<size_t>(g) < c.crowdGroups.size(); ++g) {
        BuildCrowdGroup(c.crowdGroups[g]);
        progress.Advance();
    }
}
}  // namespace

int LoadingStepCount() {
    int total = game.carCount + 2;
    if (game.decorEnabled) {
        if (game.circuit.decorCount > 0) total += game.circuit.decorCount;
        if (game.circuit.crowdGroupCount > 0) total += game.circuit.crowdGroupCount;
    }
    return total;
}

std::vector<int> StartingOrder() {
    std::vector<int> order(static_cast<size_t>(game.carCount) + 1);
    for (int i = 1; i <= game.carCount; ++i) order[i] = i;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 1; i < game.carCount; ++i) {
            if (StartKey(order[i + 1]) < StartKey(order[i])) {
                std::swap(order[i], order[i + 1]);
                swapped = true;
            }
        }
    }
    return order;
}

void ReorderCarsForStart() {
    const std::vector<int> order = StartingOrder();
    std::vector<CarRecord> ordered(order.size());
    for (int i = 1; i <= game.carCount; ++i) ordered[i] = game.cars[order[i]];
    for (int i = 1; i <= game.carCount; ++i) {
        game.cars[i] = ordered[i];
        game.cars[i].carNumber = i;
    }
}

bool BuildCircuitScene(std::wstring& error) {
    game.loadingImage = LoadGameTexture(L"\\data\\loading\\loading_" + game.circuit.circuitName + L".jpg");
    ShowLoading(0, 0);
    Progress progress;
    progress.total = LoadingStepCount();
    game.circuit.cellSize = 100;
    game.lastGuiId = 0;
    game.statusCountdown = 0;
    WarmUpRandom();
    game.dialog.dieSlowdownFrames = 300;
    ReorderCarsForStart();
    if (!BuildCars(progress, error)) return false;
    if (!BuildCrossMarkers(error)) return false;
    progress.Advance();
    if (!BuildCircuit(error)) return false;
    progress.Advance();
    game.currentCar = 1;
    BuildCamera();
    LoadRuleImages();
    if (game.decorEnabled) {
        game.frameDelay = 0;
        BuildDecorAndCrowds(progress);
    } else {
        game.frameDelay = 10;
    }
    return true;
}
