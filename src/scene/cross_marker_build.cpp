#include "scene/cross_marker_build.h"

#include "core/game_state.h"
#include "scene/scene_files.h"

bool BuildCrossMarker(CrossMarker& marker) {
    if (!game.crossMesh) return false;
    marker.node = AddUnlitMeshNode(game.crossMesh);
    if (!marker.node) return false;
    SetNodeTexture(marker.node, L"\\data\\rouge.bmp");
    marker.node->setName("Croix");
    marker.node->setVisible(false);
    marker.selected = 0;
    return true;
}
