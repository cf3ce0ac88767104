// The engine's step must give exactly the bits of the arithmetic written out
// over flat arrays (the benchmark yardstick), whatever shortcuts it takes.
#include <gtest/gtest.h>

#include "testsupport/FlatStep.h"
#include "systems/Scenes.h"
#include "testsupport/BenchmarkScenes.h"
#include "testsupport/Top.h"

namespace {

void expectSameSteps(System& sys, double dt, int steps) {
    FlatStep flat(sys);
    for (int i = 0; i < steps; ++i) {
        sys.update(dt);
        flat.step(dt);
        ASSERT_TRUE(flat.sameAs()) << "step " << i;
    }
}

TEST(StepArithmetic, LatticeUnderAHeavyBody) {
    Top t;
    t.sys.generate(Vect{0, 0, 0}, Vect{4, 3, 3}, 1.0, 36.0, 1, 100.0, false, 0.0, true, Vect{0.1, 0, 0});
    t.sys.addObj(Vect{0, 0, -60000005.0}, Vect(3), 5.9e25, 0.0, true, 0.0, true);
    t.sys.damping = 0.005;
    expectSameSteps(t.sys, 0.045, 30);
}

TEST(StepArithmetic, ChargeCloud) {
    Top t;
    buildChargeCloud(t.sys, 60);
    expectSameSteps(t.sys, 0.001, 20);
}

TEST(StepArithmetic, PendulumScene) {
    Top t;
    buildPendulumScene(t.sys);
    expectSameSteps(t.sys, 0.045, 30);
}

}  // namespace
