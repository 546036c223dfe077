#include "platform/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/game_folders.h"
#include "platform/text.h"

std::string WorkingDirectory() {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer)) return ".";
    std::string dir = buffer;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

std::wstring SlashPath(const std::wstring& path) {
    std::wstring out = path;
    for (wchar_t& c : out)
        if (c == L'\\') c = L'/';
    return out;
}

std::vector<std::string> GamePaths(const std::wstring& relative) {
    const std::string rel = ToUtf8(SlashPath(relative));
    std::vector<std::string> paths = FoldersOf(rel);
    for (std::string& path : paths)
        if (!rel.empty()) path += (rel.front() == '/' ? "" : "/") + rel;
    return paths;
}

std::string GamePath(const std::wstring& relative) {
    const std::vector<std::string> paths = GamePaths(relative);
    for (const std::string& path : paths)
        if (access(path.c_str(), F_OK) == 0) return path;
    return paths.front();
}

namespace {
void AddXmlEntries(const std::string& folder, std::vector<std::wstring>& names) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".xml") != 0) continue;
        struct stat info;
        const std::string full = folder + "/" + name;
        if (stat(full.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) continue;
        names.push_back(FromUtf8(name.substr(0, name.size() - 4)));
    }
    closedir(dir);
}
}  // namespace

std::vector<std::wstring> ListXmlEntries(const std::string& folder) {
    return ListXmlEntries(std::vector<std::string>{folder});
}

std::vector<std::wstring> ListXmlEntries(const std::vector<std::string>& folders) {
    std::vector<std::wstring> names;
    for (const std::string& folder : folders) AddXmlEntries(folder, names);
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        const std::wstring keyA = AlphabeticalKey(a), keyB = AlphabeticalKey(b);
        return keyA != keyB ? keyA < keyB : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<std::string> FilesNewestFirst(const std::string& folder, const std::string& extension) {
    struct Found {
        std::string path;
        long long seconds, nanoseconds;
    };
    std::vector<Found> found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            const std::string path = folder + "/" + name;
            struct stat about {};
            if (name.size() > extension.size() &&
                name.compare(name.size() - extension.size(), extension.size(), extension) == 0 &&
                stat(path.c_str(), &about) == 0 && S_ISREG(about.st_mode))
                found.push_back({path, about.st_mtim.tv_sec, about.st_mtim.tv_nsec});
        }
        closedir(dir);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.seconds != b.seconds) return a.seconds > b.seconds;
        if (a.nanoseconds != b.nanoseconds) return a.nanoseconds > b.nanoseconds;
        return a.path > b.path;
    });
    std::vector<std::string> paths;
    for (const Found& f : found) paths.push_back(f.path);
    return paths;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    std::fclose(file);
    return true;
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

namespace {
// Makes a rename in `path`'s folder durable: until the folder itself is
// synced, a power cut can bring back the old entry, or none at all.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);  // some file systems cannot sync a folder; the rename stands anyway
    close(fd);
}
}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!(written && flushed && closed) || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}
