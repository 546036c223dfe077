// The circuit's walls as the rules ask about them: every question is put at
// height 0 against upright faces, so the faces cut at height 0 are a set of
// 2D segments, each remembering the face it comes from, kept in a uniform
// grid. A question looks only at the segments of the grid cells the
// questioned segment crosses, and settles those that come near it with the
// engine's own ray-and-triangle test, so the answers are the engine's; a
// wall it crosses with room to spare is a hit without that test.
#pragma once

#include <irrlicht.h>

#include <cstdint>
#include <vector>

class WallIndex {
public:
    // Cuts the faces (world units, in the order the engine's selector lists
    // them to a ray: that order settles which of two faces met at the same
    // distance is the first) and files the cuts in the grid.
    void Build(const std::vector<irr::core::triangle3df>& faces);

    // Whether the segment at height 0 between (x1, z1) and (x2, z2) meets a
    // face strictly between its ends.
    bool SegmentHits(irr::f32 x1, irr::f32 z1, irr::f32 x2, irr::f32 z2) const;

    // The hit nearest to the segment's start and the face met there.
    bool FirstHit(irr::f32 x1, irr::f32 z1, irr::f32 x2, irr::f32 z2, irr::core::vector3df& hit,
                  irr::core::triangle3df& face) const;

    // Number of faces that reach height 0.
    size_t CutCount() const { return cuts_.size(); }

private:
    struct Cut {
        double ax, az, bx, bz;  // the face's cut at height 0
        double length;
        bool plain;  // crossed clearly, it is a hit without the engine's test
        irr::core::triangle3df face;
        uint32_t order;  // the face's place in the selector's listing
    };
    struct Question;

    void File(uint32_t cut);
    // The grid's column and row of a coordinate, clamped to the grid.
    int Column(double x) const;
    int Row(double z) const;
    // Calls `near(cut, meeting)` for every cut that may come near the
    // segment, each once; stops when it returns true and then returns true.
    template <typename NearFn>
    bool ForEachNearCut(const Question& q, NearFn near) const;

    std::vector<Cut> cuts_;
    double originX_ = 0, originZ_ = 0;
    int columns_ = 0, rows_ = 0;
    std::vector<uint32_t> cellStart_;  // cell k's cuts: cellCuts_[cellStart_[k] .. cellStart_[k + 1]]
    std::vector<uint32_t> cellCuts_;
    mutable std::vector<uint32_t> seenAt_;  // the question that last looked at each cut
    mutable uint32_t questions_ = 0;
};
