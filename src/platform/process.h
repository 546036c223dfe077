// Replacing the running program by another executable.
#pragma once

#include <string>
#include <vector>

// Runs `program` in place of the current process (same process id), with the
// program path as its first argument and then `arguments`. Returns only when
// the exec failed.
void ReplaceProcess(const std::string& program, const std::vector<std::string>& arguments = {});

// The path of the running executable.
std::string OwnExecutablePath();
// Its folder.
std::string ExecutableDirectory();
