// Replacing the running program by another executable.
#pragma once

#include <string>
#include <vector>

// Runs `program` in place of the current process (same process id), with the
// program path as its first argument and then `arguments`. Returns only when
// the exec failed.
void ReplaceProcess(const std::string& program, const std::vector<std::string>& arguments = {});

// Whether another process of that number is alive (not a zombie waiting to
// be reaped) and runs the same program as this one. False for this process.
bool SameProgramRunsAs(int process);

// The path of the running executable.
std::string OwnExecutablePath();
// Its folder.
std::string ExecutableDirectory();
