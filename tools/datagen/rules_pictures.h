// The pictures of the "Règles" screen, data/regles/regle01.bmp to
// regle10.bmp: pieces of circuit seen from above with the game's own cars,
// crosses, oil and signs, each showing one rule at work.
#pragma once

#include <string>

#include "canvas.h"

class DataFolder;

constexpr int kRulesPictures = 10;
constexpr int kRulesPictureWidth = 400, kRulesPictureHeight = 240;

// Picture 1 to kRulesPictures.
Canvas RulesPicture(int number, const std::string& fontDir);
void WriteRulesPictures(const DataFolder& folder, const std::string& fontDir);
