#include "circuit_map_contents.h"

#include <algorithm>
#include <cmath>

#include "circuit_decor.h"
#include "decor_models.h"

namespace {

constexpr float kDegrees = 57.2957795f;

int World(float cells) { return static_cast<int>(std::lround(cells * 100)); }

bool BesideTrack(const CircuitLayout& layout, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (layout.Open(x + dx, y + dy)) return true;
    return false;
}

DecorEntry DecorFor(char mark, int x, int y) {
    const int spin = (x * 37 + y * 61) % 360;
    if (mark == '^') return Decor(L"Arbre", "arbre", World(x), World(y), spin, (x + y) % 3 == 0 ? 2 : 1);
    if (mark == '%') return Decor(L"Pile de pneus", "pneus", World(x), World(y), spin);
    return Animated(Decor(L"Éolienne", "eolienne", World(x), World(y)), kTurbineFrames, 10 + (x + y) % 6);
}

// The heading, in degrees, from a point towards the nearest track cell.
int AngleToTrack(const CircuitLayout& layout, float x, float y) {
    float best = 1e9f, angle = 0;
    for (int ty = 0; ty < layout.Length(); ++ty)
        for (int tx = 0; tx < layout.Width(); ++tx)
            if (layout.Open(tx, ty) && std::hypot(tx - x, ty - y) < best)
                best = std::hypot(tx - x, ty - y), angle = std::atan2(tx - x, ty - y) * kDegrees;
    return (static_cast<int>(std::lround(angle)) + 360) % 360;
}

// One crowd for each group of "*" touching by their sides.
void AddCrowd(const TrackMap& map, const CircuitLayout& layout, std::vector<char>& taken, int x, int y,
              CircuitFileContents& contents) {
    std::vector<Cell> group{{x, y}};
    taken[static_cast<size_t>(y) * map.Width() + x] = 1;
    int x1 = x, x2 = x, y1 = y, y2 = y;
    for (size_t i = 0; i < group.size(); ++i)
        for (const Cell d : {Cell{1, 0}, Cell{-1, 0}, Cell{0, 1}, Cell{0, -1}}) {
            const Cell c{group[i].x + d.x, group[i].y + d.y};
            if (map.At(c.x, c.y) != '*' || taken[static_cast<size_t>(c.y) * map.Width() + c.x]) continue;
            taken[static_cast<size_t>(c.y) * map.Width() + c.x] = 1;
            group.push_back(c);
            x1 = std::min(x1, c.x), x2 = std::max(x2, c.x), y1 = std::min(y1, c.y), y2 = std::max(y2, c.y);
        }
    const int people = std::min(map.crowdSize, 3 * static_cast<int>(group.size()));
    const int angle = AngleToTrack(layout, (x1 + x2) / 2.0f, (y1 + y2) / 2.0f);
    contents.crowdGroups.push_back(
        Crowd(people, World(x1 - 0.4f), World(y1 - 0.4f), World(x2 + 0.4f), World(y2 + 0.4f), angle));
}

// On the map's ground, at least a cell away from the track.
bool Free(const CircuitLayout& layout, Point2 p) {
    const int x = static_cast<int>(std::lround(p.x)), y = static_cast<int>(std::lround(p.y));
    return x >= 0 && y >= 0 && x < layout.Width() && y < layout.Length() && !BesideTrack(layout, x, y);
}

// The flag two cells out past an end of the start line, the gantry over
// the line when both its pillars stand off the track.
void StartLineDecor(const CircuitLayout& layout, CircuitFileContents& contents) {
    const Gate& start = layout.gates.front();
    const float length = std::hypot(start.to.x - start.from.x, start.to.y - start.from.y);
    const Point2 out{(start.from.x - start.to.x) / length, (start.from.y - start.to.y) / length};
    for (const auto& [end, sign] : {std::pair{start.from, 1.0f}, std::pair{start.to, -1.0f}}) {
        const Point2 flag{end.x + 2 * sign * out.x, end.y + 2 * sign * out.y};
        if (!Free(layout, flag)) continue;
        contents.decor.push_back(
            Animated(Decor(L"Drapeau à damier", "drapeau", World(flag.x), World(flag.y)), kFlagFrames, 20));
        break;
    }
    const Point2 middle{(start.from.x + start.to.x) / 2, (start.from.y + start.to.y) / 2};
    const bool acrossX = std::fabs(out.x) >= std::fabs(out.y);  // the gantry spans world x unturned
    const float half = kGantrySpan / 200;
    const Point2 left{middle.x - (acrossX ? half : 0), middle.y - (acrossX ? 0 : half)};
    const Point2 right{middle.x + (acrossX ? half : 0), middle.y + (acrossX ? 0 : half)};
    if (!Free(layout, left) || !Free(layout, right)) return;
    DecorEntry gantry =
        Decor(L"Portique lumineux du départ", "portique", World(middle.x), World(middle.y), acrossX ? 0 : 90);
    gantry.transparent = true;
    contents.decor.push_back(gantry);
}

}  // namespace

CircuitFileContents MapContents(const TrackMap& map, const CircuitLayout& layout) {
    CircuitFileContents contents;
    StartLineDecor(layout, contents);
    std::vector<char> taken(static_cast<size_t>(map.Width()) * map.Length(), 0);
    for (int y = map.Length() - 1; y >= 0; --y)
        for (int x = 0; x < map.Width(); ++x) {
            const char mark = map.At(x, y);
            if (mark != '^' && mark != '%' && mark != 'Y' && mark != '*') continue;
            if (BesideTrack(layout, x, y))
                map.Refuse({x, y}, std::string("« ") + mark + " » touche la piste : laissez une case entre eux");
            if (mark == '*') {
                if (!taken[static_cast<size_t>(y) * map.Width() + x]) AddCrowd(map, layout, taken, x, y, contents);
            } else {
                contents.decor.push_back(DecorFor(mark, x, y));
            }
        }
    if (!contents.crowdGroups.empty()) contents.crowdModels = CrowdModels();
    return contents;
}
