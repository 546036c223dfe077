#include "platform/process.h"

#include <unistd.h>

#include <cstdio>
#include <string>

void ReplaceProcess(const std::string& program, const std::vector<std::string>& arguments) {
    std::fflush(nullptr);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    std::perror(program.c_str());
}

namespace {
std::string FirstLineOf(const std::string& path) {
    std::string line;
    if (std::FILE* file = std::fopen(path.c_str(), "r")) {
        char buffer[512];
        if (std::fgets(buffer, sizeof buffer, file)) line = buffer;
        std::fclose(file);
    }
    return line;
}
}  // namespace

bool SameProgramRunsAs(int process) {
    if (process <= 0 || process == getpid()) return false;
    const std::string proc = "/proc/" + std::to_string(process);
    const std::string stat = FirstLineOf(proc + "/stat");
    const size_t name = stat.rfind(')');
    // A process killed stays a zombie until its parent reaps it.
    if (name == std::string::npos || name + 2 >= stat.size() || stat[name + 2] == 'Z' || stat[name + 2] == 'X')
        return false;
    return FirstLineOf(proc + "/comm") == FirstLineOf("/proc/self/comm");
}

std::string OwnExecutablePath() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    return std::string(buffer, static_cast<size_t>(length));
}

std::string ExecutableDirectory() {
    const std::string path = OwnExecutablePath();
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}
