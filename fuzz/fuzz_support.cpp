#include "fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/game_device.h"
#include "core/game_state.h"
#include "platform/paths.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm/skarvoll-fuzz-XXXXXX"
                                                       : "/tmp/skarvoll-fuzz-XXXXXX";
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) FuzzFailure("no working directory");
    mkdir("circuits", 0755);
    mkdir("pilotes", 0755);
    if (!CreateNullGameDevice()) FuzzFailure("no null device");
    // The folder goes with the process; what is left in it is the last input.
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(WorkingDirectory(), ignored);
    });
    return 0;
}

void WriteFuzzInput(const std::string& relative, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(relative.c_str(), "wb");
    if (!file) FuzzFailure("cannot write " + relative);
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

void FuzzFailure(const std::string& what) {
    std::fprintf(stderr, "FUZZ FAILURE: %s\n", what.c_str());
    std::abort();
}
