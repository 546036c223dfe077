// A circuit drawn as text, one character per cell, as a person writes it in
// any editor:
//
//   nom = Boucle
//   carte
//   ##########
//   #^......*#
//   #.######.#
//   #.#    #.#
//   #1#    #.#
//   #2######.#
//   #3.......#
//   ##########
//
// A header of "key = value" lines ("nom", the circuit's name, is needed;
// "spectateurs", the most people in a crowd, is optional; lines starting
// with ";" are comments), then the line "carte" and the grid, its top line
// the far end of the circuit. Cells: "." track; "#" or a space off the
// track, walled where it meets the track; "1" to "9" then "A" to "J" the
// start slots 1 to 19 (on the track, slot 1 in front); "a" to "z" the two
// ends of gates 1 to 26 in driving order (on the track; without them the
// gates are placed by themselves); "^" a tree, "%" a stack of tyres, "Y" a
// wind turbine and "*" spectators, each at least a cell away from the track.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "circuit_layout.h"

// A map refused, its French message naming the line and column at fault.
class MapRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TrackMap {
    std::string name;
    int crowdSize = 12;             // the most people in one crowd
    std::vector<std::string> rows;  // the grid as drawn, top line first, padded with spaces
    int firstRowLine = 0;           // line number of the top row in the file

    int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    int Length() const { return static_cast<int>(rows.size()); }
    // The mark of a cell, the grid's y growing upwards; ' ' outside the grid.
    char At(int x, int y) const;
    // "ligne L, colonne C" of a cell in the file.
    std::string Where(int x, int y) const;
    std::string Where(Cell c) const { return Where(c.x, c.y); }
    [[noreturn]] void Refuse(Cell c, const std::string& what) const;
};

// Reads a map's text; throws MapRefusal for a header or a cell it cannot read.
TrackMap ReadTrackMap(const std::string& text);

bool IsTrackMark(char mark);  // the track, a start slot or a gate end
int SlotNumber(char mark);    // 1..19, or 0
int GateNumber(char mark);    // 1..26, or 0
