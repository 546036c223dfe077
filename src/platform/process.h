// Replacing the running program by another executable.
#pragma once

#include <string>

// Runs `program` in place of the current process (same process id), with the
// program path as its first argument. Returns only when the exec failed.
void ReplaceProcess(const std::string& program);

// The path of the running executable.
std::string OwnExecutablePath();
// Its folder.
std::string ExecutableDirectory();
