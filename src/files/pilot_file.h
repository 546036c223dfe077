// Pilot files "pilotes/<name>.xml": reading one into a car record, writing a
// car record back, deleting one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/file_listing.h"
#include "files/pilot_integrity.h"

// Loads the pilot of that name into car `car` and prepares the record for a
// race (4 hit points, flags cleared, mass and model files set), even when
// the file cannot be read.
void ReadPilotFile(int car, const std::wstring& name);
// The same from a file anywhere (a pilot kept in a race's journal).
void ReadPilotFileAt(int car, const std::string& path);
// The same from a pilot file's bytes kept elsewhere (a journal, a player
// on another machine). False when they cannot be put in a temporary file.
bool ReadPilotFileBytes(int car, const std::string& bytes);

// The text of car `car`'s pilot file, integrity text included, as written.
std::wstring PilotFileText(int car);

// Writes car `car` to the file named after its pilot, replacing the old one
// only once the new one is whole. Returns whether it succeeded; a name that
// would leave the pilot folder is never written.
bool WritePilotFile(int car);

// Deletes the file of that pilot. Returns whether a file was deleted.
bool DeletePilotFile(const std::wstring& name);

// The simulator's trial races leave the pilot files as they are: while kept,
// writing and deleting change nothing on disk and succeed.
void KeepPilotFiles(bool kept);
bool PilotFilesKept();
// Called with the pilot's name whenever a race deletes a pilot file (kept or not).
void SetPilotDeletionObserver(std::function<void(const std::wstring&)> observer);
// Tells the observer of a pilot's death (the file deleted, or to be).
void NotePilotDeletion(const std::wstring& name);

// The path of the file of the pilot of that name.
std::string PilotFilePath(const std::wstring& name);

// Whether a pilot of that name has a file.
bool PilotFileExists(const std::wstring& name);

// Whether the name keeps its file inside the pilot folder: not empty of
// meaning ("." or ".."), and without "/", "\" or a NUL.
bool IsSafePilotName(const std::wstring& name);
