// skarvoll3d-datagen <game folder> <DejaVu font folder> [<install folder>]
// Writes the game's art, fonts, circuits, sample pilots and sounds into the
// game folder; with a third folder, also the desktop icons and the sample
// pilots as shipped (the game folder's pilots may be a player's) for
// installing. Everything is drawn by this program; the same build always writes
// the same files.
#include <irrlicht.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "art_check.h"
#include "bitmap_fonts.h"
#include "circuit_check.h"
#include "car_models.h"
#include "circuits.h"
#include "data_folder.h"
#include "explosion.h"
#include "icons.h"
#include "interface_images.h"
#include "rules_pictures.h"
#include "race_images.h"
#include "sample_pilots.h"
#include "sounds.h"

using namespace irr;

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <game folder> <font folder> [<install folder>]\n", argv[0]);
        return 2;
    }
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_ERROR;
    IrrlichtDevice* device = createDeviceEx(params);
    if (!device) return 1;
    int status = 0;
    try {
        const DataFolder folder(device->getVideoDriver(), argv[1]);
        WriteBitmapFonts(folder, argv[2]);
        WriteRaceImages(folder);
        WriteExplosion(folder);
        WriteCars(folder);
        const std::vector<std::string> circuits = WriteCircuits(folder, argv[2], SKARVOLL_CIRCUIT_MAPS);
        WriteInterfaceImages(folder, argv[2]);
        WriteRulesPictures(folder, argv[2]);
        if (argc == 4) {
            WriteIcons(DataFolder(device->getVideoDriver(), argv[3]));
            WriteSamplePilots(argv[3]);
        }
        WriteSamplePilots(argv[1]);
        WriteSounds(argv[1]);
        // What was written, read back as the game reads it: a fault fails the build.
        CheckArt(device, argv[1], circuits);
        CheckCircuits(device, argv[1], circuits);
        CheckSounds(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skarvoll3d-datagen: %s\n", error.what());
        status = 1;
    }
    device->drop();
    return status;
}
