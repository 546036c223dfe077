#include <cstdio>

#include "app/program_entry.h"

int main(int argc, char** argv) {
    // The engine logs every file it loads on standard output: line by line,
    // so that a log saved to a file ends where the game stopped even when it
    // aborts or is killed (a block still buffered would be lost).
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return RunGame(argc, argv);
}
