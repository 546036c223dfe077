// The reader of "config.xml" on any bytes: it must neither crash nor give
// the device anything but the renderers and sizes the game offers.
#include "files/settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteFuzzInput("config.xml", data, size);
    Settings settings;
    // An unreadable file sends the game to the settings program; what is
    // read of a readable one must still give a device the game knows.
    ReadSettings(settings);
    const irr::SIrrlichtCreationParameters params = DeviceParameters(settings);
    if (params.DriverType != irr::video::EDT_OPENGL && params.DriverType != irr::video::EDT_SOFTWARE)
        FuzzFailure("a renderer the game does not offer");
    if (params.WindowSize != irr::core::dimension2du(1024, 768) &&
        params.WindowSize != irr::core::dimension2du(800, 600))
        FuzzFailure("a window size the game does not offer");
    return 0;
}
