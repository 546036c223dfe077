// Writes each circuit of the game: its file, mesh, texture, decor, crowds,
// race-setup thumbnail and loading picture.
#pragma once

#include <string>

class DataFolder;

void WriteCircuits(const DataFolder& folder, const std::string& fontDir);
