// The workshop's background, data/voitures/car02.bmp: a garage wall with
// the cars and the workshop's name drawn only where no widget stands, and
// a plain card under every group of widgets.
#pragma once

#include <string>

#include "canvas.h"

Canvas WorkshopBackground(const std::string& fontDir);
