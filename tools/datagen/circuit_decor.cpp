#include "circuit_decor.h"

#include "spectators.h"

DecorEntry Decor(const std::wstring& description, const std::string& model, int x, int z, int rotation, int scale) {
    DecorEntry d;
    d.description = description;
    d.mesh = "data/decor/" + model + ".ms3d";
    d.texture = "data/decor/" + model + ".jpg";
    d.relativeToCircuit = true;
    d.dx = x, d.dy = static_cast<int>(kTrackHeight), d.dz = z;
    d.rotation = rotation, d.scale = scale;
    return d;
}

DecorEntry Animated(DecorEntry d, int frames, int speed) {
    d.animated = true;
    d.frameStart = 0, d.frameEnd = frames - 1, d.speed = speed;
    return d;
}

std::vector<CrowdModelEntry> CrowdModels() {
    auto model = [](const std::wstring& description, int variant, const std::string& shirt, int speedMin,
                    int speedMax) {
        CrowdModelEntry m;
        m.description = description;
        m.mesh = "data/foule/supporter_" + std::to_string(variant) + ".ms3d";
        m.texture = "data/foule/maillot_" + shirt + ".jpg";
        m.frameStart = 0, m.frameEnd = kSpectatorFrames - 1;
        m.speedMin = speedMin, m.speedMax = speedMax;
        return m;
    };
    return {model(L"Supporter en rouge qui agite les bras", 1, "rouge", 14, 26),
            model(L"Supporter en bleu qui saute", 2, "bleu", 18, 30),
            model(L"Supporter en jaune qui agite les bras", 1, "jaune", 12, 22)};
}

CrowdGroupEntry Crowd(int people, int x1, int z1, int x2, int z2, int angle, int y) {
    return {people, x1, y, z1, x2, y, z2, angle - 12, angle + 12};
}
