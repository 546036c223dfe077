// The display settings of "config.xml": reading them, mapping them to the
// engine's device parameters, and writing them (for the settings program).
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

struct Settings {
    std::wstring driver;
    std::wstring resolution;
    std::wstring screenMode;
    std::wstring synchro;
};

// Reads "config.xml" from the working directory. The text of an element is
// stored under the name of the last element opened before it. False when the
// file cannot be opened.
bool ReadSettings(std::wstring& driver, std::wstring& resolution, std::wstring& screenMode,
                  std::wstring& synchro);
bool ReadSettings(Settings& settings);

// The values each setting may take, as the settings program offers them.
const std::vector<std::wstring>& DriverValues();
const std::vector<std::wstring>& ResolutionValues();
const std::vector<std::wstring>& ScreenModeValues();
const std::vector<std::wstring>& SynchroValues();

// Device parameters for the settings; values outside the table give the
// defaults (OpenGL, 1024 x 768, full screen, synchronisation on).
irr::SIrrlichtCreationParameters DeviceParameters(const Settings& settings);

// Writes "config.xml" into `folder` (temporary file renamed over the old one).
bool WriteSettingsFile(const std::string& folder, const Settings& settings);
