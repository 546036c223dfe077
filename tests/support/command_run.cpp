#include "support/command_run.h"

#include <sys/wait.h>

#include <cstdio>

CommandRun RunWithoutDisplay(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen(("env -u DISPLAY " + command + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
