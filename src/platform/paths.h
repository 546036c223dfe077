// Paths below the working directory, and the file operations the game needs.
#pragma once

#include <string>
#include <vector>

// The current working directory, without a trailing slash.
std::string WorkingDirectory();

// A game path such as "\pilotes\Max.xml" or "data/croix.ms3d" below each
// folder that may hold it (platform/game_folders.h; the working directory
// alone for a portable game): backslashes become slashes and the wide text
// is encoded to UTF-8 for the file system.
std::vector<std::string> GamePaths(const std::wstring& relative);
// The first of them that exists, else the first: where to read or write it.
std::string GamePath(const std::wstring& relative);
// The same with backslashes turned into slashes, kept wide (for the engine).
std::wstring SlashPath(const std::wstring& path);

// Names of the entries of `folder` ending in ".xml" that are not folders,
// decoded from UTF-8, in alphabetical order (the system's own order is
// arbitrary, and players look for a pilot or circuit by its name).
std::vector<std::wstring> ListXmlEntries(const std::string& folder);
// The same over several folders, each name once.
std::vector<std::wstring> ListXmlEntries(const std::vector<std::string>& folders);

// The files of `folder` whose names end in `extension` (and are longer),
// newest first: by the time each was last written, then by name.
std::vector<std::string> FilesNewestFirst(const std::string& folder, const std::string& extension);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

bool RemoveFile(const std::string& path);
bool FileExists(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so a crash or a full disk never leaves a cut file.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
