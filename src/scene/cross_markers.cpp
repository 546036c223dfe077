#include "scene/cross_markers.h"

#include <algorithm>
#include <cmath>

#include "platform/paths.h"
#include "scene/race_frame.h"

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

namespace {
// Orange and black stripes, made once per device: the colour of danger.
irr::video::ITexture* RiskTexture() {
    const irr::io::path name = "croix_risque";
    if (irr::video::ITexture* made = game.videoDriver->findTexture(name)) return made;
    irr::video::IImage* image =
        game.videoDriver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(32, 32));
    if (!image) return nullptr;
    for (irr::u32 y = 0; y < 32; ++y)
        for (irr::u32 x = 0; x < 32; ++x)
            image->setPixel(x, y, ((x + y) / 8) % 2 ? irr::video::SColor(255, 20, 20, 20)
                                                    : irr::video::SColor(255, 255, 140, 0));
    irr::video::ITexture* texture = game.videoDriver->addTexture(name, image);
    image->drop();
    return texture;
}
}  // namespace

void MarkRiskyMarker(CrossMarker& marker) {
    if (!marker.node || !game.videoDriver) return;
    if (irr::video::ITexture* texture = RiskTexture()) marker.node->setMaterialTexture(0, texture);
}

bool MarkerMarkedRisky(const CrossMarker& marker) {
    return marker.node && marker.node->getMaterialCount() > 0 && marker.node->getMaterial(0).getTexture(0) &&
           marker.node->getMaterial(0).getTexture(0)->getName().getPath() == "croix_risque";
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

namespace {
constexpr double kPi = 3.14159265358979;

// The keys around 5, counter-clockwise from the right, as on the keypad.
const int kPadRing[8] = {6, 9, 8, 7, 4, 1, 2, 3};

// The angle on screen, counter-clockwise from the right, from the centre
// marker to marker k.
double ScreenAngle(int k) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    auto onScreen = [cell](const CrossMarker& m) {
        return ScreenPosition({m.cellX * cell, 0, m.cellY * cell});
    };
    const irr::core::position2di centre = onScreen(game.crossMarkers[5]);
    const irr::core::position2di at = onScreen(game.crossMarkers[k]);
    return std::atan2(-static_cast<double>(at.Y - centre.Y), static_cast<double>(at.X - centre.X));
}

double AngleApart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 2 * kPi);
    return std::min(d, 2 * kPi - d);
}
}  // namespace

int MarkerOfPadDigit(int digit) {
    if (digit < 1 || digit > 9) return 0;
    if (digit == 5) return 5;
    struct Around {
        int marker;
        double angle;
    };
    Around around[8];
    for (int k = 1, i = 0; k <= 9; ++k)
        if (k != 5) around[i++] = {k, ScreenAngle(k)};
    std::sort(std::begin(around), std::end(around),
              [](const Around& a, const Around& b) { return a.angle < b.angle; });
    int bestTurn = 0;
    double bestCost = 1e300;
    for (int turn = 0; turn < 8; ++turn) {
        double cost = 0;
        for (int i = 0; i < 8; ++i) {
            const int key = (i + turn) % 8;
            cost += AngleApart(around[i].angle, key * kPi / 4);
        }
        if (cost < bestCost) bestCost = cost, bestTurn = turn;
    }
    for (int i = 0; i < 8; ++i)
        if (kPadRing[(i + bestTurn) % 8] == digit) return around[i].marker;
    return 0;
}
