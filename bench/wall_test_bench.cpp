// Wall tests per second on each shipped circuit, over the segments a move
// can take (1 to 10 cells): the game's wall index against the engine's ray
// test with the circuit's octree selector and with a plain selector over
// the same triangles; the ratios are printed after each circuit. Before
// them, the index is checked against the octree on a million random
// segments over the circuit: any answer that differs fails the program.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench_game.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/circuit_scene.h"
#include "scene/wall_test.h"

using namespace irr;

namespace {
struct Segment {
    f32 x1, z1, x2, z2;
};

struct CircuitSelectors {
    scene::ITriangleSelector* octree = nullptr;
    scene::ITriangleSelector* plain = nullptr;
    std::vector<Segment> segments;
    ~CircuitSelectors() {
        if (plain) plain->drop();
    }
};

// A fixed set of moves: from cells spread over the grid, 1 to 10 cells long
// in every direction a move can take, drawn by a fixed little generator.
std::vector<Segment> MoveSegments(int width, int length) {
    std::vector<Segment> segments;
    unsigned state = 12345;
    auto next = [&state](int n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<unsigned>(n));
    };
    for (int i = 0; i < 2000; ++i) {
        const int cells = 1 + i % 10;
        const int x = next(width), y = next(length);
        // One of the two components is the full length, the other anything up to it.
        const int along = next(2) ? cells : -cells;
        const int across = next(2 * cells + 1) - cells;
        const bool alongX = next(2) == 1;
        const int dx = alongX ? along : across;
        const int dy = alongX ? across : along;
        segments.push_back({x * 100.0f, y * 100.0f, (x + dx) * 100.0f, (y + dy) * 100.0f});
    }
    return segments;
}

// Builds the circuit's scene (no cars) and a plain selector beside it.
bool LoadCircuit(const std::wstring& name, CircuitSelectors& out) {
    if (!BuildBenchScene(name, 0)) return false;
    out.octree = game.circuitSelector;
    out.plain = game.sceneManager->createTriangleSelector(game.circuitNode->getMesh()->getMesh(0),
                                                          game.circuitNode);
    out.segments = MoveSegments(game.circuit.gridWidth, game.circuit.gridLength);
    return true;
}

// Segments from anywhere over the circuit and a cell around it, a tenth to
// anywhere else, the others up to ten cells long, on which the index and
// the engine answer differently.
long long Disagreements(scene::ITriangleSelector* octree) {
    const core::aabbox3df box = game.circuitNode->getTransformedBoundingBox();
    std::mt19937 random(2026);
    std::uniform_real_distribution<f32> x(box.MinEdge.X - 100, box.MaxEdge.X + 100);
    std::uniform_real_distribution<f32> z(box.MinEdge.Z - 100, box.MaxEdge.Z + 100);
    std::uniform_real_distribution<f32> reach(-1000, 1000);
    long long differ = 0;
    for (int i = 0; i < 1000000; ++i) {
        const f32 x1 = x(random), z1 = z(random);
        const f32 x2 = i % 10 == 0 ? x(random) : x1 + reach(random);
        const f32 z2 = i % 10 == 0 ? z(random) : z1 + reach(random);
        differ += SegmentHitsWall(x1, z1, x2, z2) != SegmentHitsSelector(octree, x1, z1, x2, z2);
    }
    return differ;
}

// The engine's test with `selector`, or the circuit's wall index when null.
void RunWallTests(benchmark::State& state, scene::ITriangleSelector* selector,
                  const std::vector<Segment>* segments) {
    size_t hits = 0;
    for (auto _ : state) {
        for (const Segment& s : *segments)
            hits += selector ? SegmentHitsSelector(selector, s.x1, s.z1, s.x2, s.z2)
                             : SegmentHitsWall(s.x1, s.z1, s.x2, s.z2);
    }
    benchmark::DoNotOptimize(hits);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(segments->size()));
    state.counters["touches"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}

// Keeps the calls per second of each run to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            auto rate = run.counters.find("items_per_second");
            if (rate != run.counters.end()) rates[run.benchmark_name()] = rate->second;
        }
    }
    std::map<std::string, double> rates;
};
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::wstring> names;
    if (!StartBenchGame(&argc, argv, names)) return 1;
    // One scene at a time: the circuits are measured one after the other.
    for (size_t i = 1; i < names.size(); ++i) {
        CircuitSelectors c;
        if (!LoadCircuit(names[i], c)) return 1;
        const long long differ = Disagreements(c.octree);
        std::printf("%s : %lld désaccord(s) entre l'index et l'octree sur un million de segments\n",
                    ToUtf8(names[i]).c_str(), differ);
        if (differ > 0) return 1;
        const std::string base = "SegmentHitsWall/" + ToUtf8(names[i]);
        benchmark::ClearRegisteredBenchmarks();
        benchmark::RegisterBenchmark((base + "/index").c_str(), RunWallTests, nullptr, &c.segments);
        benchmark::RegisterBenchmark((base + "/octree").c_str(), RunWallTests, c.octree, &c.segments);
        benchmark::RegisterBenchmark((base + "/sans_octree").c_str(), RunWallTests, c.plain, &c.segments);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        const double index = reporter.rates[base + "/index"];
        const double octree = reporter.rates[base + "/octree"];
        const double plain = reporter.rates[base + "/sans_octree"];
        if (octree > 0 && plain > 0)
            std::printf("%s : %.0f tests/s avec l'index, %.0f avec l'octree, %.0f sans ; index/octree %.1f\n",
                        ToUtf8(names[i]).c_str(), index, octree, plain, index / octree);
    }
    ReleaseGameDevice();
    return 0;
}
