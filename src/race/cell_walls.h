// The wall test between two cell centres as the computer's search asks it.
// Within one computer move the same two cells come up again and again and
// the walls do not change, so each answer is remembered for the move; the
// search can also ask every time, to be checked against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CellWalls {
public:
    explicit CellWalls(bool remember = true) : remember_(remember) {}

    // Whether a wall stands on the segment between the centres of two cells.
    bool Between(int x1, int y1, int x2, int y2);

private:
    bool Ask(int x1, int y1, int x2, int y2) const;
    void Grow();

    bool remember_;
    // Open addressing: slot k holds a segment's key and its answer.
    std::vector<uint64_t> keys_;
    std::vector<bool> answers_;
    size_t used_ = 0;
};
