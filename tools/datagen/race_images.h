// The small images and the marker of the race: the colour plates of the
// cars, the burnt-car texture, the skid and hourglass signs, the cross marker.
#pragma once

#include "canvas.h"
#include "ms3d.h"

class DataFolder;

// Colour key of the images drawn with a transparent background: their pixel
// (1, 1) has this colour, and no other pixel of the art does by chance.
const SColor kColourKey(255, 255, 0, 255);

// An image painted on a transparent background made opaque, with the key
// colour wherever it was mostly transparent (and at (1, 1) in any case).
Canvas WithColourKey(Canvas image);

// The paint of each car colour word ("bleu", "rouge", "vert", "jaune").
struct CarColour {
    const char* word;
    SColor paint;
};
extern const CarColour kCarColours[4];

// The pieces of the race's art that other pictures show too: a colour
// plate (the texture of the crosses), the skid sign and the cross marker.
Canvas ColourPlate(SColor base);
Canvas SkidSign();
Ms3dModel CrossMarkerModel();

// data/<colour>.bmp, data/<colour>clair.bmp, carbonise.bmp, derapage.bmp,
// sablier.bmp and croix.ms3d.
void WriteRaceImages(const DataFolder& folder);
