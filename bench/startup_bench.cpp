// How long the game takes to start: from a fresh process to the home menu's
// first frame, and to a ready race scene of 19 cars with decor and
// spectators on each shipped circuit, with the peak memory of that process.
// Each figure is measured in a process of its own, forked before any device
// exists, five times; the median is printed. The renderer is the null one,
// or OpenGL with SKARVOLL_BENCH_DRIVER=opengl (under a display).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench_game.h"
#include "core/frame_pump.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "menus/menu_screens.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"
#include "scene/scene_files.h"

namespace {
constexpr int kRuns = 5;
constexpr int kCars = 19;

using Clock = std::chrono::steady_clock;

struct Measure {
    double seconds = 0;
    long peakKb = 0;
};

// The process's peak resident memory so far.
long PeakKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void OpenDevice() {
    irr::SIrrlichtCreationParameters params;
    const char* driver = std::getenv("SKARVOLL_BENCH_DRIVER");
    params.DriverType = driver && std::string(driver) == "opengl" ? irr::video::EDT_OPENGL
                                                                  : irr::video::EDT_NULL;
    params.WindowSize = irr::core::dimension2du(1024, 768);
    params.LoggingLevel = irr::ELL_NONE;
    if (!CreateGameDevice(params)) std::_Exit(2);
    PrepareGameDevice();
    FillCatalogue();
    SetSleepEnabled(false);
}

void Report(int fd, Clock::time_point start) {
    const Measure m{std::chrono::duration<double>(Clock::now() - start).count(), PeakKb()};
    if (write(fd, &m, sizeof m) != sizeof m) std::_Exit(3);
    std::_Exit(0);
}

// The home menu's first frame drawn: reported from the second frame pumped.
void ToHomeMenu(int fd, Clock::time_point start) {
    OpenDevice();
    game.menuBackground = LoadGameTexture(L"\\data\\interface\\interface_load_circuits.bmp");
    SetFrameHook([fd, start] {
        if (FramesPumped() == 2) Report(fd, start);
    });
    HomeMenu();
    std::_Exit(4);
}

void ToRaceScene(int fd, Clock::time_point start, const std::wstring& circuit) {
    OpenDevice();
    LoadCircuitFile(circuit);
    DressBenchCars(kCars);
    game.decorEnabled = 1;
    std::wstring error;
    if (!BuildCircuitScene(error)) std::_Exit(5);
    Report(fd, start);
}

// Runs `work` in a child process and reads what it reports.
template <typename Work>
bool InChild(Work work, Measure& out) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        work(pipeFds[1], start);
    }
    close(pipeFds[1]);
    const bool read_ok = read(pipeFds[0], &out, sizeof out) == sizeof out;
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return read_ok;
}

template <typename Work>
void MeasureAndPrint(const std::string& what, Work work) {
    std::vector<Measure> runs;
    for (int i = 0; i < kRuns; ++i) {
        Measure m;
        if (InChild(work, m)) runs.push_back(m);
    }
    if (runs.empty()) {
        std::printf("%s : échec\n", what.c_str());
        return;
    }
    std::sort(runs.begin(), runs.end(), [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
    const Measure& median = runs[runs.size() / 2];
    long peak = 0;
    for (const Measure& m : runs) peak = std::max(peak, m.peakKb);
    std::printf("%s : %.3f s (médiane de %zu), mémoire de pointe %.1f Mo\n", what.c_str(), median.seconds,
                runs.size(), static_cast<double>(peak) / 1024.0);
}
}  // namespace

int main() {
    if (chdir(SKARVOLL_GAME_DIR) != 0) return 1;
    std::vector<std::wstring> circuits;
    ListFiles(L"\\circuits\\", circuits);  // entry 0 unused
    MeasureAndPrint("Démarrage jusqu'au menu d'accueil", ToHomeMenu);
    for (size_t i = 1; i < circuits.size(); ++i) {
        const std::wstring name = circuits[i];
        MeasureAndPrint("Démarrage jusqu'à la course prête, " + std::to_string(kCars) + " voitures et décor, " +
                            ToUtf8(name),
                        [name](int fd, Clock::time_point start) { ToRaceScene(fd, start, name); });
    }
    return 0;
}
