// System::update on the three workloads, each beside the same arithmetic as
// a flat loop over plain arrays. Counters: ns per spring or per pair visit.
#include <benchmark/benchmark.h>

#include <memory>

#include "testsupport/FlatStep.h"
#include "systems/Scenes.h"
#include "testsupport/BenchmarkScenes.h"
#include "testsupport/Top.h"

namespace {

enum class Workload { lattice, charges, pendulums };

std::unique_ptr<Top> build(Workload w) {
    auto t = std::make_unique<Top>();
    switch (w) {
    case Workload::lattice:
        buildFallingLattice(t->sys);
        break;
    case Workload::charges:
        buildChargeCloud(t->sys, 1000);
        break;
    case Workload::pendulums:
        buildPendulumScene(t->sys);
        break;
    }
    return t;
}

double stepOf(Workload w) { return w == Workload::charges ? 0.001 : 0.045; }

// ns per spring for the spring workloads, ns per pair visit for the charges.
void setCounters(benchmark::State& state, Workload w, FlatStep const& shape) {
    double const items = w == Workload::charges ? double(shape.pairVisits()) : double(shape.springCount());
    state.counters[w == Workload::charges ? "per_pair" : "per_spring"] =
        benchmark::Counter(items, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Engine(benchmark::State& state, Workload w) {
    std::unique_ptr<Top> t = build(w);
    FlatStep const shape(t->sys);
    double const dt = stepOf(w);
    for (auto _ : state) t->sys.update(dt);
    setCounters(state, w, shape);
}

void BM_Flat(benchmark::State& state, Workload w) {
    std::unique_ptr<Top> t = build(w);
    FlatStep flat(t->sys);
    double const dt = stepOf(w);
    for (auto _ : state) flat.step(dt);
    setCounters(state, w, flat);
}

BENCHMARK_CAPTURE(BM_Engine, lattice, Workload::lattice)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Flat, lattice, Workload::lattice)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Engine, charges, Workload::charges)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Flat, charges, Workload::charges)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Engine, pendulums, Workload::pendulums)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Flat, pendulums, Workload::pendulums)->Unit(benchmark::kMicrosecond);

}  // namespace
