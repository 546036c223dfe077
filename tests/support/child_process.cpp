#include "support/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

ChildProcess::ChildProcess(const std::vector<std::string>& words, const std::string& folder,
                           const std::string& output) {
    std::vector<std::string> copy = words;
    pid_ = fork();
    if (pid_ != 0) return;
    std::vector<char*> argv;
    for (std::string& word : copy) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (chdir(folder.c_str()) != 0 || !std::freopen(output.c_str(), "a", stdout)) _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
}

ChildProcess::~ChildProcess() {
    if (!ended_) Kill();
}

bool ChildProcess::EndsWithin(double seconds, int& code) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::microseconds(static_cast<long long>(seconds * 1e6));
    int status = 0;
    for (;;) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return true;
        }
        if (Clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool ChildProcess::Running() {
    if (!ended_ && waitpid(pid_, nullptr, WNOHANG) == pid_) ended_ = true;
    return !ended_;
}

void ChildProcess::Pause(bool paused) {
    if (!ended_ && pid_ > 0) kill(pid_, paused ? SIGSTOP : SIGCONT);
}

void ChildProcess::Kill() {
    if (ended_ || pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    ended_ = true;
}
