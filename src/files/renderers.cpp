#include "files/renderers.h"

#include "files/settings.h"

using namespace irr;

std::vector<RendererChoice> RenderersOffered(bool displayOffersOpenGL) {
    std::vector<RendererChoice> offered;
    if (displayOffersOpenGL && IrrlichtDevice::isDriverSupported(video::EDT_OPENGL))
        offered.push_back({L"EDT_OPENGL", L"OpenGL", video::EDT_OPENGL});
    if (IrrlichtDevice::isDriverSupported(video::EDT_SOFTWARE))
        offered.push_back({L"EDT_SOFTWARE", L"Logiciel", video::EDT_SOFTWARE});
    return offered;
}

const RendererChoice& RendererOf(const std::wstring& value, const std::vector<RendererChoice>& offered) {
    Settings settings;
    settings.driver = value;
    const video::E_DRIVER_TYPE driver = DeviceParameters(settings).DriverType;
    for (const RendererChoice& choice : offered)
        if (choice.driver == driver) return choice;
    return offered.front();
}
