#include "scene/scene_files.h"

#include "core/game_state.h"
#include "files/image_guard.h"
#include "platform/paths.h"

using namespace irr;

scene::IAnimatedMesh* LoadGameMesh(const std::wstring& path) {
    const std::string file = GamePath(path);
    if (!FileExists(file)) return nullptr;
    return game.sceneManager->getMesh(file.c_str());
}

video::ITexture* LoadGameTexture(const std::wstring& path, bool colourKey) {
    const std::string file = GamePath(path);
    // A cut JPEG would make the engine's loader read past its buffer.
    if (!FileExists(file) || !IsLoadableImageFile(file)) return nullptr;
    video::ITexture* texture = game.videoDriver->getTexture(file.c_str());
    if (texture && colourKey) game.videoDriver->makeColorKeyTexture(texture, core::position2di(1, 1));
    return texture;
}

scene::IAnimatedMeshSceneNode* AddUnlitMeshNode(scene::IAnimatedMesh* mesh) {
    scene::IAnimatedMeshSceneNode* node = game.sceneManager->addAnimatedMeshSceneNode(
        mesh, nullptr, -1, core::vector3df(0, 0, 0), core::vector3df(0, 0, 0),
        core::vector3df(1, 1, 1));
    if (node) node->setMaterialFlag(video::EMF_LIGHTING, false);
    return node;
}

void SetNodeTexture(scene::ISceneNode* node, const std::wstring& path) {
    node->setMaterialTexture(0, LoadGameTexture(path));
}

scene::ITriangleSelector* GiveOctreeSelector(scene::IAnimatedMeshSceneNode* node) {
    scene::ITriangleSelector* selector =
        game.sceneManager->createOctreeTriangleSelector(node->getMesh()->getMesh(0), node, 100);
    node->setTriangleSelector(selector);
    selector->drop();
    return selector;
}

std::wstring MissingFileMessage(const std::wstring& path) {
    std::wstring shown = SlashPath(path);
    if (!shown.empty() && shown.front() == L'/') shown.erase(0, 1);
    return L"Impossible de charger le fichier « " + shown +
           L" » : il manque ou il est illisible. La course ne peut pas commencer.";
}
