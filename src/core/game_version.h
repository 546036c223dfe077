// The game's version, as the window's title and the credits show it and as
// machines playing one race over the network must share it.
#pragma once

#define SKARVOLL_VERSION "0.64"
constexpr const char* kGameVersion = SKARVOLL_VERSION;
constexpr const wchar_t* kGameTitle = L"Skarvoll 3D " SKARVOLL_VERSION;
