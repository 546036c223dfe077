#include "scene/decor.h"

#include "core/game_state.h"
#include "core/random.h"
#include "scene/scene_files.h"

using namespace irr;

namespace {
constexpr f32 kSpectatorLift = 24;

core::vector3df DecorPosition(const DecorItem& item) {
    const CircuitData& c = game.circuit;
    core::vector3df at(static_cast<f32>(item.dx), static_cast<f32>(item.dy), static_cast<f32>(item.dz));
    if (item.relativeToCircuit)
        at += core::vector3df(static_cast<f32>(c.circuitOffsetX), static_cast<f32>(c.circuitOffsetY),
                              static_cast<f32>(c.circuitOffsetZ));
    return at;
}

void Animate(scene::IAnimatedMeshSceneNode* node, const DecorItem& item) {
    if (item.frameStart != -1 && item.frameEnd != -1) node->setFrameLoop(item.frameStart, item.frameEnd);
    if (item.animationSpeed != -1) node->setAnimationSpeed(static_cast<f32>(item.animationSpeed));
}

// A model number in 1..count, drawn again until it falls in that range.
int DrawModelNumber(int count) {
    int m;
    do m = DieFormula(count);
    while (m < 1 || m > count);
    return m;
}

f32 Within(int from, int to) { return static_cast<f32>(from + (to == from ? 0 : UniformOffset(to - from))); }

void BuildSpectator(CrowdModel& slot, const CrowdGroup& group) {
    const CrowdModel& model = game.circuit.crowdModels[DrawModelNumber(game.circuit.crowdModelCount)];
    scene::IAnimatedMesh* mesh = LoadGameMesh(L"\\" + model.meshFile);
    scene::IAnimatedMeshSceneNode* node = mesh ? AddUnlitMeshNode(mesh) : nullptr;
    slot.node = node;
    if (!node) return;
    SetNodeTexture(node, L"\\" + model.textureFile);
    node->setFrameLoop(model.frameStart, model.frameEnd);
    node->setAnimationSpeed(static_cast<f32>(model.speedMin + UniformOffset(model.speedMax - model.speedMin)));
    node->setVisible(true);
    const f32 x = Within(group.x1, group.x2);
    const f32 y = Within(group.y1, group.y2);
    const f32 z = Within(group.z1, group.z2);
    const f32 angle = static_cast<f32>(group.angle1 + UniformOffset(group.angle2 - group.angle1));
    node->setPosition({x, y + kSpectatorLift, z});
    node->setRotation({0, angle, 0});
}
}  // namespace

int UniformOffset(int n) { return n < 1 ? 0 : DieFormula(n); }

void BuildDecorItem(DecorItem& item) {
    scene::IAnimatedMesh* mesh = LoadGameMesh(L"\\" + item.meshFile);
    scene::IAnimatedMeshSceneNode* node = mesh ? AddUnlitMeshNode(mesh) : nullptr;
    item.node = node;
    if (!node) return;
    if (item.scale != 1 && item.scale > 0) {
        const f32 s = static_cast<f32>(item.scale);
        node->setScale({s, s, s});
    }
    SetNodeTexture(node, L"\\" + item.textureFile);
    node->setVisible(true);
    if (item.transparent) node->setMaterialType(video::EMT_TRANSPARENT_ADD_COLOR);
    node->setPosition(DecorPosition(item));
    if (item.rotation != 0) node->setRotation({0, static_cast<f32>(item.rotation), 0});
    if (item.animated) Animate(node, item);
}

void BuildCrowdGroup(CrowdGroup& group) {
    if (game.circuit.crowdModelCount < 1 ||
        game.circuit.crowdModels.size() < static_cast<size_t>(game.circuit.crowdModelCount) + 1)
        return;
    if (group.personCount < 1) return;
    if (group.persons.size() < static_cast<size_t>(group.personCount) + 1)
        group.persons.resize(static_cast<size_t>(group.personCount) + 1);
    for (int p = 1; p <= group.personCount; ++p) BuildSpectator(group.persons[p], group);
}
