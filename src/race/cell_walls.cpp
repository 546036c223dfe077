#include "race/cell_walls.h"

#include "core/game_state.h"
#include "scene/wall_test.h"

namespace {
constexpr uint64_t kEmpty = ~uint64_t{0};
constexpr size_t kFirstCapacity = 4096;
// Cells from -kReach to kReach - 2 fit a 16-bit field of the key.
constexpr int kReach = 32768;

bool Fits(int v) { return v > -kReach && v < kReach - 1; }

uint64_t Key(int x1, int y1, int x2, int y2) {
    auto field = [](int v) { return static_cast<uint64_t>(v + kReach); };
    return field(x1) << 48 | field(y1) << 32 | field(x2) << 16 | field(y2);
}

size_t FirstSlot(uint64_t key, size_t capacity) {
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & (capacity - 1);
}
}  // namespace

bool CellWalls::Ask(int x1, int y1, int x2, int y2) const {
    const double cell = game.circuit.cellSize;
    return SegmentHitsWall(static_cast<float>(x1 * cell), static_cast<float>(y1 * cell),
                           static_cast<float>(x2 * cell), static_cast<float>(y2 * cell));
}

bool CellWalls::Between(int x1, int y1, int x2, int y2) {
    if (!remember_ || !Fits(x1) || !Fits(y1) || !Fits(x2) || !Fits(y2)) return Ask(x1, y1, x2, y2);
    if (keys_.empty()) {
        keys_.assign(kFirstCapacity, kEmpty);
        answers_.assign(kFirstCapacity, false);
    }
    const uint64_t key = Key(x1, y1, x2, y2);
    size_t slot = FirstSlot(key, keys_.size());
    while (keys_[slot] != kEmpty) {
        if (keys_[slot] == key) return answers_[slot];
        slot = (slot + 1) & (keys_.size() - 1);
    }
    const bool answer = Ask(x1, y1, x2, y2);
    keys_[slot] = key;
    answers_[slot] = answer;
    if (2 * ++used_ > keys_.size()) Grow();
    return answer;
}

void CellWalls::Grow() {
    std::vector<uint64_t> keys(keys_.size() * 2, kEmpty);
    std::vector<bool> answers(keys.size(), false);
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == kEmpty) continue;
        size_t slot = FirstSlot(keys_[i], keys.size());
        while (keys[slot] != kEmpty) slot = (slot + 1) & (keys.size() - 1);
        keys[slot] = keys_[i];
        answers[slot] = answers_[i];
    }
    keys_.swap(keys);
    answers_.swap(answers);
}
