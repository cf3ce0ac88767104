// Building a scene: n bodies in a 20 x 20 x (n / 400) lattice, each joined
// to its backward neighbours by up to seven springs. Building is linear: the
// time per body (per_body) is the same at every size. Every build starts
// from memory the process has not touched yet, as a program's first scene
// does: the pages the last one freed go back to the system first (else a
// small scene would reuse them and a large one, freed by mappings of their
// own, would not).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "systems/Universe.h"

namespace {

void BM_BuildLattice(benchmark::State& state) {
    double const layers = static_cast<double>(state.range(0) / 400);
    for (auto _ : state) {
        auto u = std::make_unique<Universe>();
        u->get()->generate(Vect(3u), Vect{20, 20, layers}, 1.0, 8000.0, 0, 100.0, false, 0.0, true, Vect(3u));
        state.PauseTiming();
        u.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
    state.counters["per_body"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildLattice)->Arg(20000)->Arg(80000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace
