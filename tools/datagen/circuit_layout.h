// The shape of a circuit on the game's grid of cells: which cells are open
// track, the checkpoint gates and the start slots. A circuit is designed as a
// closed centre line (a polygon whose corners are rounded with a radius each);
// the cells whose centre lies within half the track width of it are track,
// and walls stand wherever a track cell meets another cell.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"

struct Corner {
    float x, y;    // cell units
    float radius;  // of the bend rounding this corner
};

struct CircuitDesign {
    std::string name;
    int width = 0, length = 0;  // grid size in cells
    float halfWidth = 0;        // of the track, in cells
    std::vector<Corner> corners;  // in driving order; the first side holds the start
    float startDistance = 0;      // start line: this far from corner 0 along the first side
    int startSlots = 0;
};

struct Gate {
    Point2 from, to;  // cell centres, in cell units
};

struct Cell {
    int x = 0, y = 0;
};

struct CircuitLayout {
    CircuitDesign design;
    std::vector<Point2> centreLine;   // closed, dense, starting on the first side
    std::vector<unsigned char> open;  // width x length, 1 = track
    std::vector<Gate> gates;          // checkpoint 1 (start) .. last (finish)
    std::vector<Cell> slots;          // start slot 1 .. n

    bool Open(int x, int y) const;
    int Width() const { return design.width; }
    int Length() const { return design.length; }
};

// A closed line through the given points with a point every quarter cell.
std::vector<Point2> DenseLine(const std::vector<Point2>& line);

// Places the gates along the layout's centre line (its track cells and
// start slots laid out already): the start line at arc length `start`, a
// gate at every bend and at most five cells apart on the straights, the
// finish two cells past the start line. Each joins two cell centres across
// the track, squarest to it, seen from the gate before, with no move
// slipping past an end. Returns the point of the centre line where no such
// gate could be found.
std::optional<Point2> PlaceGates(CircuitLayout& layout, float start);

// The game's move model on a layout: whether a car's move between two cell
// centres meets no wall; whether a gate stays clear of the walls; the first
// of the layout's gates whose line a move a car can make from the start grid
// passes just past one of its ends, where the game does not count it (the
// number of gates when none); whether the computer, aiming at the middle of
// `next` from anywhere on `from`, sees it.
bool MoveClear(const CircuitLayout& layout, Cell from, Cell to);
bool GateClear(const CircuitLayout& layout, const Gate& gate);
size_t FirstGateSlippedPast(const CircuitLayout& layout);
bool GateInSight(const CircuitLayout& layout, const Gate& from, const Gate& next);

// Throws when the design does not make a playable circuit (a bend too
// large for its sides, a slot or gate off the track...).
CircuitLayout LayOut(const CircuitDesign& design);

// The circuits of the game: a fast oval, a technical one and a long, wide
// one for a full grid.
std::vector<CircuitDesign> CircuitDesigns();
