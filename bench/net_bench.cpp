// A decision's way from the machine that made it to the others, on the
// loopback address: a joiner's decision reaching the host, and through the
// host a second joiner, as a race over the network sends them. Prints the
// median and the slowest twentieth in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "files/net_race.h"

namespace {
using Clock = std::chrono::steady_clock;

struct ThreeMachines {
    std::unique_ptr<NetRace> host, first, second;

    bool Start() {
        std::wstring error;
        host = NetRace::Host(0, 2, error);
        if (!host) return false;
        first = NetRace::Join("127.0.0.1", host->Port(), {0, L"Max", L"IA", "<pilote/>"}, error);
        while (first && first->Seat() != 1) Serve();
        second = NetRace::Join("127.0.0.1", host->Port(), {0, L"Léa", L"IA", "<pilote/>"}, error);
        while (second && second->Seat() != 2) Serve();
        if (!first || !second) return false;
        host->StartRace("en-tête\n", {kSeatHost, 1, 2});
        while (!first->AwaitStart(1) || !second->AwaitStart(1)) host->Listen(1);
        return true;
    }
    void Serve() {
        host->ServeLobby(1, [](const NetPilot&) { return std::wstring(); });
        if (first) first->Listen(1);
        if (second) second->Listen(1);
    }
};

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

void DecisionToTheOtherMachines(benchmark::State& state) {
    ThreeMachines m;
    if (!m.Start()) {
        state.SkipWithError("no loopback network");
        return;
    }
    std::vector<double> toHost, toOtherJoiner;
    size_t index = 0;
    for (auto _ : state) {
        const RaceEvent cross{RaceEventKind::Cross, 2, static_cast<int>(index % 9) + 1, 0, {}};
        const Clock::time_point sent = Clock::now();
        m.first->Recorded(index, cross, true);
        m.host->AwaitDecision(index, 2);
        toHost.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        m.second->AwaitDecision(index, 2);
        toOtherJoiner.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        m.host->Recorded(index, cross, false);
        m.second->Recorded(index, cross, false);
        ++index;
    }
    state.counters["hote_mediane_ms"] = Percentile(toHost, 0.5);
    state.counters["autre_joueur_mediane_ms"] = Percentile(toOtherJoiner, 0.5);
    state.counters["autre_joueur_95e_ms"] = Percentile(toOtherJoiner, 0.95);
    std::printf("Décision d'un joueur : à l'hôte en %.3f ms, à l'autre joueur en %.3f ms (médianes ; 95 %% en "
                "moins de %.3f ms)\n",
                Percentile(toHost, 0.5), Percentile(toOtherJoiner, 0.5), Percentile(toOtherJoiner, 0.95));
}
}  // namespace

BENCHMARK(DecisionToTheOtherMachines)->Iterations(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
