// skarvoll3d-viewer: shows the generated art through the real renderer, run
// from the game folder, and saves a screenshot.
//   skarvoll3d-viewer cars <shot.png>
//   skarvoll3d-viewer circuit <name> <depart|survol|tribune> <shot.png>
// The circuit is read with the game's own loader and dressed as a race
// dresses it: decor, spectators, and one car on each start slot.
#include <irrlicht.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/game_state.h"
#include "files/circuit_file.h"
#include "platform/paths.h"

using namespace irr;

namespace {

const wchar_t* const kColours[4] = {L"bleu", L"rouge", L"vert", L"jaune"};

scene::IAnimatedMeshSceneNode* AddModel(const std::wstring& mesh, const std::wstring& texture) {
    scene::ISceneManager* smgr = game.sceneManager;
    scene::IAnimatedMesh* loaded = smgr->getMesh(GamePath(mesh).c_str());
    if (!loaded) {
        std::fprintf(stderr, "cannot load %s\n", GamePath(mesh).c_str());
        return nullptr;
    }
    scene::IAnimatedMeshSceneNode* node = smgr->addAnimatedMeshSceneNode(loaded);
    node->setMaterialFlag(video::EMF_LIGHTING, false);
    node->setMaterialTexture(0, game.videoDriver->getTexture(GamePath(texture).c_str()));
    return node;
}

std::wstring CarMesh(int n) { return L"\\data\\voitures\\voiture_modele_" + std::to_wstring(n) + L".ms3d"; }
std::wstring CarTexture(int n, int colour) {
    return L"\\data\\voitures\\map_voiture_" + std::to_wstring(n) + kColours[colour] + L".jpg";
}

void ShowCars() {
    for (int n = 1; n <= 3; ++n)
        for (int c = 0; c < 4; ++c)
            if (auto* car = AddModel(CarMesh(n), CarTexture(n, c))) {
                car->setPosition({(c - 1.5f) * 70, 7, (n - 2) * 110.0f});
                car->setRotation({0, -25.0f + c * 15, 0});
            }
    for (int i = 0; i < 3; ++i)
        if (auto* cross = AddModel(L"\\data\\croix.ms3d", std::wstring(L"\\data\\") + kColours[i] + L".bmp"))
            cross->setPosition({180, -3, (i - 1) * 110.0f});
    auto* floor = game.sceneManager->addCubeSceneNode(1, nullptr, -1, {0, -6, 0}, {}, {600, 1, 500});
    floor->setMaterialFlag(video::EMF_LIGHTING, false);
    floor->getMaterial(0).EmissiveColor = video::SColor(255, 90, 90, 90);
    game.sceneManager->addCameraSceneNode(nullptr, {-120, 190, -300}, {0, 0, 20});
}

void BuildCircuit() {
    const CircuitData& c = game.circuit;
    if (auto* node = AddModel(L"\\data\\" + c.circuitMeshFile, L"\\data\\" + c.circuitTextureFile))
        node->setPosition(core::vector3df(c.circuitOffsetX, c.circuitOffsetY, c.circuitOffsetZ));
    for (int k = 1; k <= c.decorCount; ++k) {
        const DecorItem& d = c.decorItems[k];
        auto* node = AddModel(L"\\" + d.meshFile, L"\\" + d.textureFile);
        if (!node) continue;
        if (d.scale > 0 && d.scale != 1) node->setScale(core::vector3df(d.scale));
        if (d.transparent) node->setMaterialType(video::EMT_TRANSPARENT_ADD_COLOR);
        core::vector3df at(d.dx, d.dy, d.dz);
        if (d.relativeToCircuit) at += core::vector3df(c.circuitOffsetX, c.circuitOffsetY, c.circuitOffsetZ);
        node->setPosition(at);
        if (d.rotation) node->setRotation({0, static_cast<f32>(d.rotation), 0});
        if (d.animated && d.frameStart != -1 && d.frameEnd != -1) node->setFrameLoop(d.frameStart, d.frameEnd);
        if (d.animated && d.animationSpeed != -1) node->setAnimationSpeed(d.animationSpeed);
    }
    unsigned seed = 1;
    auto draw = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return range > 0 ? 1 + static_cast<int>((seed >> 16) % range) : 0;
    };
    for (int g = 1; g <= c.crowdGroupCount; ++g) {
        const CrowdGroup& group = c.crowdGroups[g];
        for (int p = 1; p <= group.personCount; ++p) {
            const CrowdModel& m = c.crowdModels[draw(c.crowdModelCount)];
            auto* node = AddModel(L"\\" + m.meshFile, L"\\" + m.textureFile);
            if (!node) continue;
            node->setFrameLoop(m.frameStart, m.frameEnd);
            node->setAnimationSpeed(m.speedMin + draw(m.speedMax - m.speedMin));
            node->setPosition(core::vector3df(group.x1 + draw(group.x2 - group.x1), group.y1 + draw(group.y2 - group.y1) + 24,
                                              group.z1 + draw(group.z2 - group.z1)));
            node->setRotation({0, static_cast<f32>(group.angle1 + draw(group.angle2 - group.angle1)), 0});
        }
    }
    for (int slot = 1; slot <= c.circuitMaxCars; ++slot)
        if (auto* car = AddModel(CarMesh(1 + (slot - 1) % 3), CarTexture(1 + (slot - 1) % 3, (slot - 1) % 4)))
            car->setPosition(core::vector3df(c.startCellX[slot] * 100.0f, 7, c.startCellY[slot] * 100.0f));
}

void PlaceCircuitCamera(const std::string& view) {
    const CircuitData& c = game.circuit;
    const core::vector3df car(c.startCellX[1] * 100.0f, 0, c.startCellY[1] * 100.0f);
    const core::vector3df middle(c.gridWidth * 50.0f - 50, 0, c.gridLength * 50.0f - 50);
    scene::ICameraSceneNode* camera = nullptr;
    if (view == "depart") {
        camera = game.sceneManager->addCameraSceneNode(nullptr, car + core::vector3df(200, 300, -400), car);
    } else if (view == "tribune") {
        camera = game.sceneManager->addCameraSceneNode(nullptr, car + core::vector3df(-700, 500, 300), car + core::vector3df(0, 0, 600));
    } else {
        const float size = std::max(c.gridWidth, c.gridLength) * 100.0f;
        camera = game.sceneManager->addCameraSceneNode(nullptr, middle + core::vector3df(0, size * 0.85f, -size * 0.55f), middle);
    }
    camera->setFarValue(1000000);
    camera->setFOV(3.14159f / 2.5f);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!((mode == "cars" && argc == 3) || (mode == "circuit" && argc == 5))) {
        std::fprintf(stderr, "usage: %s cars <shot.png> | circuit <name> <depart|survol|tribune> <shot.png>\n", argv[0]);
        return 2;
    }
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_OPENGL;
    params.WindowSize = core::dimension2du(1024, 768);
    params.Vsync = false;
    params.LoggingLevel = ELL_WARNING;
    game.device = createDeviceEx(params);
    if (!game.device) return 1;
    game.videoDriver = game.device->getVideoDriver();
    game.sceneManager = game.device->getSceneManager();
    if (mode == "cars") {
        ShowCars();
    } else {
        LoadCircuitFile(std::wstring(argv[2], argv[2] + std::string(argv[2]).size()));
        BuildCircuit();
        PlaceCircuitCamera(argv[3]);
    }
    for (int frame = 0; frame < 40 && game.device->run(); ++frame) {
        game.videoDriver->beginScene(true, true, video::SColor(255, 200, 200, 200));
        game.sceneManager->drawAll();
        game.videoDriver->endScene();
    }
    // The screen as a player sees it, taken by ImageMagick from the X server.
    const std::string command = std::string("import -window root '") + argv[argc - 1] + "'";
    const int status = std::system(command.c_str());
    game.device->drop();
    return status == 0 ? 0 : 1;
}
