// The computer's choice of a move in the worst case each shipped circuit
// offers: of every cell a car can reach from the start and every speed of
// 4 to 8 cells (a search four moves deep), the position whose search asks
// the walls most often. The search asking the walls every time against the
// search remembering each answer for the move, drawing left out (the clock
// that spaces the search's frames stands still): time per move and wall
// questions per move.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <queue>
#include <string>
#include <utility>
#include <vector>

#include "bench_game.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "scene/circuit_scene.h"
#include "scene/wall_test.h"

namespace {
struct Position {
    int x = 0, y = 0, vx = 0, vy = 0;
};

void Place(const Position& p) {
    CarRecord& car = game.cars[1];
    car.cellX = static_cast<float>(p.x);
    car.cellY = static_cast<float>(p.y);
    car.prevCellX = static_cast<float>(p.x - p.vx);
    car.prevCellY = static_cast<float>(p.y - p.vy);
}

// The cells reachable from the first start slot by steps of one cell that
// cross no wall.
std::vector<std::pair<int, int>> TrackCells() {
    const CircuitData& c = game.circuit;
    std::vector<char> seen(static_cast<size_t>(c.gridWidth * c.gridLength), 0);
    std::vector<std::pair<int, int>> cells;
    std::queue<std::pair<int, int>> open;
    open.push({static_cast<int>(c.startCellX[1]), static_cast<int>(c.startCellY[1])});
    while (!open.empty()) {
        const auto [x, y] = open.front();
        open.pop();
        if (x < 0 || y < 0 || x >= c.gridWidth || y >= c.gridLength) continue;
        char& mark = seen[static_cast<size_t>(y * c.gridWidth + x)];
        if (mark) continue;
        mark = 1;
        cells.push_back({x, y});
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (!SegmentHitsWall(x * 100.0f, y * 100.0f, (x + dx) * 100.0f, (y + dy) * 100.0f))
                    open.push({x + dx, y + dy});
    }
    return cells;
}

long long QuestionsOfChoice(bool remember) {
    const long long before = WallQuestionsAsked();
    ComputerChoice(1, remember);
    return WallQuestionsAsked() - before;
}

Position WorstPosition(long long& literalQuestions) {
    Position worst;
    literalQuestions = -1;
    for (const auto& [x, y] : TrackCells())
        for (int vx = -8; vx <= 8; ++vx)
            for (int vy = -8; vy <= 8; ++vy) {
                const double speed = std::hypot(vx, vy);
                if (speed < 4 || speed >= 9) continue;
                const Position p{x, y, vx, vy};
                Place(p);
                const long long questions = QuestionsOfChoice(false);
                if (questions > literalQuestions) {
                    literalQuestions = questions;
                    worst = p;
                }
            }
    return worst;
}

void RunChoice(benchmark::State& state, Position position, bool remember) {
    Place(position);
    long long questions = 0;
    for (auto _ : state) {
        const long long before = WallQuestionsAsked();
        benchmark::DoNotOptimize(ComputerChoice(1, remember));
        questions += WallQuestionsAsked() - before;
    }
    state.counters["questions_aux_murs"] =
        static_cast<double>(questions) / static_cast<double>(state.iterations());
}

bool BuildCircuit(const std::wstring& name) {
    if (!BuildBenchScene(name, 0)) return false;
    // Car 1 drives, car 2 stands out of the way.
    game.carCount = 2;
    game.cars[1].controller = L"IA";
    game.cars[2].cellX = game.cars[2].prevCellX = -100;
    game.cars[2].cellY = game.cars[2].prevCellY = -100;
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::wstring> names;
    if (!StartBenchGame(&argc, argv, names)) return 1;
    SetMillisecondClockOverride(0);  // at most one frame for the whole run
    for (size_t i = 1; i < names.size(); ++i) {
        if (!BuildCircuit(names[i])) return 1;
        long long literal = 0;
        const Position worst = WorstPosition(literal);
        Place(worst);
        const long long remembered = QuestionsOfChoice(true);
        const std::string name = ToUtf8(names[i]);
        std::printf("%s : pire cas en (%d, %d) à la vitesse (%d, %d) : %lld questions aux murs, %lld en "
                    "se souvenant (%.1f fois moins)\n",
                    name.c_str(), worst.x, worst.y, worst.vx, worst.vy, literal, remembered,
                    static_cast<double>(literal) / static_cast<double>(remembered));
        benchmark::ClearRegisteredBenchmarks();
        benchmark::RegisterBenchmark(("ComputerChoice/" + name + "/chaque_fois").c_str(), RunChoice,
                                     worst, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ComputerChoice/" + name + "/memorise").c_str(), RunChoice, worst,
                                     true)
            ->Unit(benchmark::kMillisecond);
        benchmark::ConsoleReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
    }
    ReleaseGameDevice();
    return 0;
}
