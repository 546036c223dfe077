// A program of the game started as a child process for a test: its working
// directory and output file chosen, waited for with a time limit, or killed.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class ChildProcess {
public:
    // Runs `words` (the program's path first) in `folder`, its standard
    // output appended to `output`.
    ChildProcess(const std::vector<std::string>& words, const std::string& folder, const std::string& output);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits `seconds` at most: true when it ended (its exit code, or 128 +
    // the signal that ended it, in `code`).
    bool EndsWithin(double seconds, int& code);
    bool Running();
    void Kill();
    // Stops it where it stands (SIGSTOP), or lets it go on (SIGCONT).
    void Pause(bool paused);

private:
    pid_t pid_ = -1;
    bool ended_ = false;
};
