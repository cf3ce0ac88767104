#include <benchmark/benchmark.h>

#include "numerics/Matrix.h"
#include "numerics/Vect.h"

namespace {

void BM_VectAdd(benchmark::State& state) {
    Vect a{1, 2, 3}, b{0.5, -1, 2};
    for (auto _ : state) {
        a = a + b;
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_VectAdd);

void BM_VectScaleAndSub(benchmark::State& state) {
    Vect a{1, 2, 3}, b{0.5, -1, 2};
    for (auto _ : state) {
        Vect c = (a - b) * 0.25;
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_VectScaleAndSub);

void BM_VectNormalize(benchmark::State& state) {
    Vect a{1, 2, 3};
    for (auto _ : state) {
        Vect c = a.normalize();
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_VectNormalize);

void BM_VectCross(benchmark::State& state) {
    Vect a{1, 2, 3}, b{0.5, -1, 2};
    for (auto _ : state) {
        Vect c = a ^ b;
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_VectCross);

void BM_MatrixTimesVect(benchmark::State& state) {
    Matrix m(3, 2.0);
    Vect v{1, 2, 3};
    for (auto _ : state) {
        Vect r = m * v;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_MatrixTimesVect);

void BM_MatrixCachedInverse(benchmark::State& state) {
    Matrix m(3, 2.0);
    for (auto _ : state) {
        Matrix inv = m.getInv();
        benchmark::DoNotOptimize(inv);
    }
}
BENCHMARK(BM_MatrixCachedInverse);

}  // namespace
