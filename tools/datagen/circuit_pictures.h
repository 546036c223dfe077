// The pictures of a circuit outside the race: the race-setup thumbnail
// (243 x 243 used of a 256 x 256 image) and the loading screen (1024 x 768,
// with an empty slot where the game draws its progress bar).
#pragma once

#include <string>

#include "canvas.h"
#include "ms3d.h"

struct CircuitPictureFonts {
    std::string fontDir;
};

// The map fitted into the 243 x 243 square the race setup shows.
Canvas CircuitThumbnail(const Canvas& map);
Canvas LoadingPicture(const CircuitPictureFonts& fonts, const std::string& name, const Canvas& map, const Ms3dModel& mesh,
                      const Canvas& texture);
// The frame of the loading screens around the game's progress bar, which the
// game draws over (124, 293)-(677, 328) of an 800 x 600 screen.
void PaintLoadingBarSlot(Canvas& picture);
