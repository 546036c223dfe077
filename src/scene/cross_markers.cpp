#include "scene/cross_markers.h"

#include "platform/paths.h"

namespace {
bool IsMarkerColour(const std::wstring& word) {
    static const wchar_t* const words[] = {L"bleu", L"bleuclair", L"rouge", L"rougeclair",
                                           L"vert", L"vertclair", L"jaune", L"jauneclair"};
    for (const wchar_t* known : words)
        if (word == known) return true;
    return false;
}
}  // namespace

std::wstring MarkerName(int k) {
    const std::wstring digits = L"0000000" + std::to_wstring(k);
    return L"Croix" + digits.substr(digits.size() - 3);
}

void PlaceMarker(CrossMarker& marker) {
    if (!marker.node) return;
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    marker.node->setPosition({marker.cellX * cell, -3.0f, marker.cellY * cell});
    // Read at once by the messages anchored on a marker, before any frame.
    marker.node->updateAbsolutePosition();
}

void ShowMarker(CrossMarker& marker) {
    if (marker.node) marker.node->setVisible(true);
}

void HideMarker(CrossMarker& marker) {
    if (marker.node) marker.node->setVisible(false);
}

void SetMarkerName(CrossMarker& marker, const std::wstring& name) {
    if (!marker.node) return;
    const irr::core::stringc narrow(name.substr(0, 20).c_str());
    marker.node->setName(narrow);
}

void SetMarkerColour(CrossMarker& marker, const std::wstring& word) {
    if (!marker.node || !IsMarkerColour(word) || !game.videoDriver) return;
    irr::video::ITexture* texture =
        game.videoDriver->getTexture(GamePath(L"\\data\\" + word + L".bmp").c_str());
    if (texture) marker.node->setMaterialTexture(0, texture);
}

void ShowMarkerBlock(int centreX, int centreY, const std::wstring& colourWord) {
    int k = 1;
    for (int x = centreX - 1; x <= centreX + 1; ++x) {
        for (int y = centreY - 1; y <= centreY + 1; ++y, ++k) {
            CrossMarker& marker = game.crossMarkers[k];
            SetMarkerColour(marker, colourWord);
            marker.cellX = x;
            marker.cellY = y;
            ShowMarker(marker);
            PlaceMarker(marker);
            SetMarkerName(marker, MarkerName(k));
        }
    }
}

void HideChoiceMarkers() {
    for (int k = 1; k <= 9; ++k) {
        game.crossMarkers[k].selected = 0;
        HideMarker(game.crossMarkers[k]);
    }
}

void SelectMarker(int k, const std::wstring& colourName) {
    for (int i = 1; i <= 9; ++i) {
        game.crossMarkers[i].selected = 0;
        SetMarkerColour(game.crossMarkers[i], colourName + L"clair");
    }
    game.crossMarkers[k].selected = 1;
    SetMarkerColour(game.crossMarkers[k], colourName);
}
