// Writes each circuit of the game: its file, mesh, texture, decor, crowds,
// race-setup thumbnail and loading picture.
#pragma once

#include <string>
#include <vector>

#include "circuit_file_writer.h"
#include "circuit_layout.h"

class DataFolder;

// One circuit's file, mesh, texture, thumbnail and loading picture (the
// decor models it names written already).
void WriteCircuit(const DataFolder& folder, const CircuitLayout& layout, CircuitFileContents contents,
                  const std::string& fontDir);

// The decor and spectator models, the circuits laid out in code and those
// drawn as the maps "*.txt" of `mapDir`; returns their names. Throws for a
// circuit that cannot be made.
std::vector<std::string> WriteCircuits(const DataFolder& folder, const std::string& fontDir, const std::string& mapDir);
