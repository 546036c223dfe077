// The settings of "config.xml": the display, mapped to the engine's device
// parameters, how long the computers' messages stay open and the sound; reading them
// and writing them (for the settings program).
#pragma once

#include <irrlicht.h>

#include <string>
#include <vector>

#include "core/game_state.h"

struct Settings {
    std::wstring driver;
    std::wstring resolution;
    std::wstring screenMode;
    std::wstring synchro;
    // "messagesordinateurs" and "journaux": absent from older files, which
    // stay valid.
    std::wstring computerMessages;
    std::wstring journalsKept;
    // "son" and "volume": absent from older files too.
    std::wstring sound;
    std::wstring volume;
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
// "Inactif" (the messages wait for a click), "Court", "Long".
const std::vector<std::wstring>& ComputerMessagesValues();

// The computers' messages as set; a missing or unknown value gives "Court".
ComputerMessages ComputerMessagesSetting(const Settings& settings);

// How many race journals are kept: a whole number from 1 to 100000; a
// missing or wrong value gives 50.
int JournalsKeptSetting(const Settings& settings);
// Whether the text is such a number.
bool IsJournalCount(const std::wstring& text);
// The numbers the settings program offers (any other is written by hand or
// with its option).
const std::vector<std::wstring>& JournalsKeptValues();

// Whether the game is heard: "Actif" (also when missing or unknown) or "Inactif".
const std::vector<std::wstring>& SoundValues();
bool SoundSetting(const Settings& settings);
// The volume, a whole number from 0 to 100; a missing or wrong value gives 80.
int VolumeSetting(const Settings& settings);
bool IsVolume(const std::wstring& text);
// The volumes the settings program offers.
const std::vector<std::wstring>& VolumeValues();

// Device parameters for the settings; values outside the table give the
// defaults (OpenGL, 1024 x 768, full screen, synchronisation on).
irr::SIrrlichtCreationParameters DeviceParameters(const Settings& settings);

// Writes "config.xml" into `folder` (temporary file renamed over the old one).
bool WriteSettingsFile(const std::string& folder, const Settings& settings);
