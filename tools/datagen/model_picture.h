// Pictures of the generator's own models for the interface images (the car
// thumbnails, the home and workshop pictures): a small z-buffered rasteriser
// that draws the textured triangles seen from a chosen angle.
#pragma once

#include "canvas.h"
#include "ms3d.h"

struct View {
    float yaw = 35;    // degrees, turning the model about the vertical axis
    float pitch = 25;  // degrees, looking down
    float scale = 1;   // pixels per model unit
    float centreX = 0, centreY = 0;  // where the model's origin lands in the picture
};

// Draws `model` with `texture` over `picture` (flat light from the upper left).
void DrawModel(Canvas& picture, const Ms3dModel& model, const Canvas& texture, const View& view);
