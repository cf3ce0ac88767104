#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "numerics/Rand.h"

// ns per value of the generator. std::rand() is quorvex::fastrand's;
// random() is the C library's own generator, the same code and lock its
// rand() goes through: the cost of a draw in a program without
// quorvex::fastrand.

namespace {

void BM_LibcRandomLocked(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(random());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LibcRandomLocked);

void BM_StdRand(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(std::rand());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StdRand);

void BM_RandVect3(benchmark::State& state) {
    for (auto _ : state) {
        Vect v = randVect(1.0, 3);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(3 * state.iterations());
}
BENCHMARK(BM_RandVect3);

// What a body step pays for its noise terms at amplitude 0: the values are
// only counted.
void BM_RandVectZero3(benchmark::State& state) {
    for (auto _ : state) {
        Vect v = randVect(0.0, 3);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(3 * state.iterations());
    std::srand(1);
}
BENCHMARK(BM_RandVectZero3);

// Taking n counted values, then one draw: a loop of steps for short runs, a
// jump ahead for long ones (2^13 and more). 48000 is one step of an
// 8000-body scene, six values per body.
void BM_TakePending(benchmark::State& state) {
    auto const n = static_cast<std::uint64_t>(state.range(0));
    for (auto _ : state) {
        randStream::skip(n);
        benchmark::DoNotOptimize(std::rand());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(n) * state.iterations());
}
BENCHMARK(BM_TakePending)->Arg((1 << 13) - 1)->Arg(1 << 13)->Arg(48000)->Arg(1 << 20)->Arg(int64_t(1) << 40);

}  // namespace
