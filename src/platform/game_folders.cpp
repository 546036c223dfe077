#include "platform/game_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/paths.h"
#include "platform/process.h"

namespace {
bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ParentOf(const std::string& folder) {
    const size_t slash = folder.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : folder.substr(0, slash);
}

// $VARIABLE when it names an absolute folder, else $HOME + `fallback`;
// empty when neither is known or the home folder does not exist.
std::string XdgFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/' && IsFolder(home)) return std::string(home) + fallback;
    return {};
}

// Every folder of `path` that is missing, made; true when the last one can
// be written in.
bool MakeFolders(const std::string& path) {
    if (path.empty()) return false;
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return IsFolder(path) && access(path.c_str(), W_OK) == 0;
    }
}

bool CopySamplePilots(const std::string& from, const std::string& to) {
    bool copied = true;
    for (const std::string& file : FilesNewestFirst(from, ".xml")) {
        std::string bytes;
        const std::string name = file.substr(file.rfind('/'));
        copied = ReadWholeFile(file, bytes) && WriteFileAtomically(to + name, bytes) && copied;
    }
    return copied;
}

bool Refuse(const std::string& folder) {
    if (folder.empty())
        std::fprintf(stderr, "Dossier personnel introuvable : HOME (ou XDG_DATA_HOME et XDG_CONFIG_HOME) "
                             "doit nommer un dossier existant, où le jeu range pilotes et réglages.\n");
    else
        std::fprintf(stderr, "Impossible d'écrire dans le dossier %s.\n", folder.c_str());
    return false;
}

std::string FirstPart(const std::string& relative) {
    size_t start = 0;
    while (start < relative.size() && (relative[start] == '/' || relative[start] == '\\')) ++start;
    const size_t end = relative.find_first_of("/\\", start);
    return relative.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
}  // namespace

bool InstalledGame() {
    static const bool installed = [] {
        const std::string bin = ExecutableDirectory();
        return !IsFolder(bin + "/data") && IsFolder(ParentOf(bin) + "/share/skarvoll3d/data");
    }();
    return installed;
}

std::string InstalledDataFolder() { return ParentOf(ExecutableDirectory()) + "/share/skarvoll3d"; }
std::string PlayerDataFolder() {
    const std::string base = XdgFolder("XDG_DATA_HOME", "/.local/share");
    return base.empty() ? base : base + "/skarvoll3d";
}
std::string PlayerConfigFolder() {
    const std::string base = XdgFolder("XDG_CONFIG_HOME", "/.config");
    return base.empty() ? base : base + "/skarvoll3d";
}

std::vector<std::string> FoldersOf(const std::string& relative) {
    if (!InstalledGame()) return {WorkingDirectory()};
    const std::string part = FirstPart(relative);
    if (part == "data" || part == "circuits") return {InstalledDataFolder(), PlayerDataFolder()};
    if (part == "config.xml") return {PlayerConfigFolder()};
    return {PlayerDataFolder()};
}

bool PreparePlayerFolders() {
    if (!InstalledGame()) return true;
    const std::string data = PlayerDataFolder(), config = PlayerConfigFolder();
    if (data.empty() || config.empty()) return Refuse({});
    if (!MakeFolders(config)) return Refuse(config);
    if (!MakeFolders(data + "/courses")) return Refuse(data);
    const std::string pilots = data + "/pilotes";
    if (IsFolder(pilots)) return true;
    if (!MakeFolders(pilots) || !CopySamplePilots(InstalledDataFolder() + "/pilotes", pilots))
        return Refuse(pilots);
    return true;
}
