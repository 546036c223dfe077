// Running the game's programs as a player runs them, from a shell.
#pragma once

#include <string>

struct CommandRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

// Runs a command in the working directory without a display, so no window
// can open.
CommandRun RunWithoutDisplay(const std::string& command);
