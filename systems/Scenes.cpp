#include "systems/Scenes.h"

#include <cstdint>

void buildPendulumScene(System& mainSys, Obj* picked[5]) {
    Vect const zero(3u);
    picked[1] = mainSys.generatePendulum(Vect{50, 20, 0}, 10.0, 10.0, 1.0);
    picked[1]->setdx(Vect{0, 1, 0});
    picked[0] = mainSys.generatePendulum2(Vect{50, 0, 0}, 10.0, 10.0, 1.0)[0];
    picked[0]->setdx(Vect{0, 50, 0});
    picked[2] = mainSys.generatePendulum(Vect{50, -20, 0}, 10.0, 8.0, 1.0);
    picked[2]->setdx(Vect{-30, -20, -50});
    picked[3] = mainSys.generatePendulum(Vect{50, -20, 0}, 10.0, 10.0, 1.0);
    picked[3]->setdx(Vect{0, 10, 10});
    for (int i = 0; i < 30; ++i) {
        Obj* bob = mainSys.generatePendulum(Vect{30, -50.0 - i, 0}, 10.0, 10.0, 0.0);
        bob->setdx(Vect{0, 0, 5.0 - i});
    }
    for (int i = 0; i < 30; ++i) mainSys.generatePendulum(Vect{60, -50.0 - i, 0}, 0.5 * i, 10.0, 0.0);
    for (int j = 0; j < 15; ++j) mainSys.generatePendulum2(Vect{80, -60.0 - j, 0}, 5.0 + 0.5 * j, 10.0, 0.0);
    picked[4] = mainSys.generatePendulum(Vect{50, -40, 0}, 10.0, 10.0, 1.0);
    picked[4]->setdx(Vect{0, 0, -100});
    mainSys.addObj(Vect{0, 0, -60000005.0}, zero, 5.9e25, 0.0, true, 0.0, true);
    mainSys.damping = 0.005;
}

void buildFallingLattice(System& sys) {
    Vect const zero(3u);
    sys.generate(Vect{0, 0, 0}, Vect{20, 20, 20}, 1.0, 8000.0, 0, 100.0, false, 0.0, true, zero);
    sys.addObj(Vect{0, 0, -60000005.0}, zero, 5.9e25, 0.0, true, 0.0, true);
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
