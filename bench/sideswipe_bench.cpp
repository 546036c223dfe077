// Collision detection for one move among 19 cars on each shipped circuit:
// the sideswipes with the pre-check and casting every edge at every step,
// the whole detection of the move's resolution (wall, cars run into,
// sideswipes), and the risk "Voir risques" shows on a cross: milliseconds
// per move. The cars stand across the track on the checkpoint lines,
// around the moving car's path from one checkpoint to the next, where
// brushes happen.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/checkpoints.h"
#include "bench_game.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/move_geometry.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "rules/move_choice.h"
#include "rules/move_execution.h"
#include "rules/move_path.h"
#include "rules/move_risks.h"
#include "rules/sideswipes.h"
#include "scene/circuit_scene.h"

using namespace irr;

namespace {
constexpr int kCars = 19;

struct Move {
    int fromX, fromY, toX, toY;
    std::vector<std::pair<int, int>> others;  // cells of cars 2..19
};

// The cell at fraction f of checkpoint n's line.
std::pair<int, int> OnCheckpoint(int n, float f) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CheckpointLine(n, x1, y1, x2, y2);
    return {static_cast<int>(x1 + (x2 - x1) * f + 0.5f), static_cast<int>(y1 + (y2 - y1) * f + 0.5f)};
}

std::vector<Move> MovesAlongCheckpoints() {
    std::vector<Move> moves;
    const int count = game.circuit.checkpointCount;
    for (int n = 1; n + 1 <= count; ++n) {
        const auto from = OnCheckpoint(n, 0.5f), to = OnCheckpoint(n + 1, 0.5f);
        Move move{from.first, from.second, to.first, to.second, {}};
        for (int j = 0; j < kCars - 1; ++j)
            move.others.push_back(OnCheckpoint(1 + (n - 1 + j / 6) % count, (j % 6 + 0.5f) / 6));
        moves.push_back(move);
    }
    return moves;
}

void Stand(int index, int x, int y) {
    CarRecord& car = game.cars[index];
    car.cellX = car.prevCellX = static_cast<f32>(x);
    car.cellY = car.prevCellY = static_cast<f32>(y);
    car.sceneNode->setPosition({x * 100.0f, 7, y * 100.0f});
    car.sceneNode->updateAbsolutePosition();
}

// Every car on its cell, car 1 about to make the move.
void SetUpMove(const Move& move) {
    for (size_t j = 0; j < move.others.size(); ++j)
        Stand(static_cast<int>(j) + 2, move.others[j].first, move.others[j].second);
    Stand(1, move.fromX, move.fromY);
    RecordMove(1, move.toX, move.toY);
    game.cars[1].heading = static_cast<f32>(Heading(move.fromX, move.fromY, move.toX, move.toY));
}

// The sideswipes alone by `search`, or with `everything` the whole
// detection of the move's resolution.
void RunDetection(benchmark::State& state, const std::vector<Move>* moves, ContactSearch search,
                  bool everything) {
    size_t events = 0;
    for (auto _ : state) {
        for (const Move& move : *moves) {
            SetUpMove(move);
            MovePath path = PathOf(game.cars[1]);
            CollisionEvents found;
            if (everything)
                found = DetectCollisions(1, path, false, 1);
            else
                DetectSideswipes(1, path, false, 1, found, search);
            events += found.size();
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(moves->size()));
    state.counters["contacts_par_deplacement"] =
        static_cast<double>(events) / static_cast<double>(state.iterations() * moves->size());
}

// "Voir risques" on one cross: the whole detection plus the oil, with the
// car record and the random source taken back.
void RunRiskOfMove(benchmark::State& state, const std::vector<Move>* moves) {
    size_t risky = 0;
    for (auto _ : state) {
        for (const Move& move : *moves) {
            SetUpMove(move);
            Stand(1, move.fromX, move.fromY);
            risky += RiskOfMove(1, move.toX, move.toY).Any();
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(moves->size()));
    state.counters["croix_risquees"] =
        static_cast<double>(risky) / static_cast<double>(state.iterations() * moves->size());
}

class PerMoveReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            auto rate = run.counters.find("items_per_second");
            if (rate != run.counters.end() && rate->second > 0)
                std::printf("%s : %.2f ms par déplacement\n", run.benchmark_name().c_str(),
                            1000.0 / rate->second);
        }
    }
};
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::wstring> names;
    if (!StartBenchGame(&argc, argv, names)) return 1;
    std::map<std::wstring, std::vector<Move>> moves;
    // One scene at a time: the circuits are measured one after the other.
    for (size_t i = 1; i < names.size(); ++i) {
        if (!BuildBenchScene(names[i], kCars)) return 1;
        std::vector<Move>& list = moves[names[i]] = MovesAlongCheckpoints();
        const std::string name = ToUtf8(names[i]);
        benchmark::ClearRegisteredBenchmarks();
        benchmark::RegisterBenchmark(("DetectCollisions/" + name).c_str(), RunDetection, &list,
                                     ContactSearch::PreChecked, true);
        benchmark::RegisterBenchmark(("RiskOfMove/" + name).c_str(), RunRiskOfMove, &list);
        benchmark::RegisterBenchmark(("DetectSideswipes/" + name + "/precontrole").c_str(),
                                     RunDetection, &list, ContactSearch::PreChecked, false);
        benchmark::RegisterBenchmark(("DetectSideswipes/" + name + "/toutes_les_aretes").c_str(),
                                     RunDetection, &list, ContactSearch::EveryEdge, false)
            ->Iterations(1);
        PerMoveReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
    }
    ReleaseGameDevice();
    return 0;
}
