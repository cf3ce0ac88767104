#include <benchmark/benchmark.h>

#include "bodies/Obj.h"

namespace {

// One body step: init, a centred force, an off-centre force, update.
void BM_ObjUpdate(benchmark::State& state) {
    Obj b(Vect{0, 0, 0}, 2.0, Vect{1, 0, 0}, Vect(3), Vect{0, 0, 1});
    Vect const f{0.1, 0.2, 0.3};
    Vect const centre(3);
    Vect const arm{0.5, 0, 0};
    for (auto _ : state) {
        b.init();
        b.addF(f, centre);
        b.addF(f, arm);
        b.update(0.001);
    }
    benchmark::DoNotOptimize(b.getX());
}
BENCHMARK(BM_ObjUpdate);

}  // namespace
