#include "testsupport/BenchmarkScenes.h"

#include <cstdint>

#include "systems/Scenes.h"

void buildFallingLattice(System& sys) {
    Vect const zero(3u);
    sys.generate(Vect{0, 0, 0}, Vect{20, 20, 20}, 1.0, 8000.0, 0, 100.0, false, 0.0, true, zero);
    addAttractor(sys);
    sys.damping = 0.005;
}

void buildChargeCloud(System& sys, unsigned int count) {
    // A 64-bit linear congruential generator (Knuth's MMIX constants); the
    // top 53 bits give a uniform double in [0, 1).
    std::uint64_t state = 20240601u;
    auto uniform = [&state]() {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<double>(state >> 11) * (1.0 / 9007199254740992.0);
    };
    Vect const zero(3u);
    for (unsigned int i = 0; i < count; ++i) {
        double const x = 100.0 * uniform();
        double const y = 100.0 * uniform();
        double const z = 100.0 * uniform();
        double const c = i % 2 == 0 ? 1e-6 : -1e-6;
        sys.addObj(Vect{x, y, z}, zero, 1.0, 0.0, true, c, true);
    }
}
