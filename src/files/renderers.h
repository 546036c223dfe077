// The renderers the settings program offers, by the names a player reads,
// and the values "config.xml" keeps for them.
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

struct RendererChoice {
    std::wstring value;  // as "config.xml" keeps it: "EDT_OPENGL", "EDT_SOFTWARE"
    std::wstring name;   // as the player reads it: "OpenGL", "Logiciel"
    irr::video::E_DRIVER_TYPE driver;
};

// "OpenGL" and "Logiciel", each when the engine was built with it; OpenGL
// only when `displayOffersOpenGL`, since the window could not open on it
// otherwise.
std::vector<RendererChoice> RenderersOffered(bool displayOffersOpenGL);

// The choice, among those offered, of the renderer the game makes of the
// stored value (older values such as "EDT_DIRECTX9" give OpenGL); the first
// offered when that renderer is not. `offered` is not empty.
const RendererChoice& RendererOf(const std::wstring& value, const std::vector<RendererChoice>& offered);
