#include "bodies/Obj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

#include "numerics/Rand.h"

namespace {

Obj restingBody(double m) { return Obj(Vect(3), m, Vect(3), Vect(3), Vect(3)); }

// The generator's position, measured by how many draws a call consumed.
int drawsConsumedBy(void (*step)(Obj&), Obj& body) {
    std::srand(11);
    step(body);
    int const next = std::rand();
    std::srand(11);
    for (int n = 0; n < 20; ++n)
        if (std::rand() == next) return n;
    return -1;
}

TEST(ObjStep, HandWorkedStepWithForceTorqueAndBothSwitches) {
    Obj b(Vect{1, 2, 3}, 2.0, Vect{0, 0, 0}, Vect(3), Vect{0, 0, 1});
    b.init();
    b.addF(Vect{1, 0, 0}, Vect(3));        // a push at the centre
    b.addF(Vect{0, 0, 2}, Vect{1, 0, 0});  // an off-centre push: torque (0, -2, 0)
    EXPECT_EQ(b.getF(), (Vect{1, 0, 2}));
    EXPECT_EQ(b.getMf(), (Vect{0, -2, 0}));
    b.update(0.5);
    // dx = 0.5 * (1, 0, 2) / 2; X moves by 0.5 * dx, with the new velocity.
    EXPECT_EQ(b.getdx(), (Vect{0.25, 0, 0.5}));
    EXPECT_EQ(b.getX(), (Vect{1.125, 2, 3.25}));
    // The weight joins the force after the move.
    EXPECT_EQ(b.getF(), (Vect{1, 0, 2 - 0.0981 * 2.0}));
    // mcin = (0, 0, 1) + 0.5 * (0, -2, 0); ang gains 0.5 * mcin (identity inertia).
    EXPECT_EQ(b.getMCin(), (Vect{0, -1, 1}));
    EXPECT_EQ(b.getAng(), (Vect{0, -0.5, 0.5}));
}

TEST(ObjStep, RestingBodyGainsOnlyItsWeight) {
    Obj b = restingBody(3.0);
    b.init();
    b.update(0.1);
    EXPECT_EQ(b.getX(), Vect(3));
    EXPECT_EQ(b.getdx(), Vect(3));
    EXPECT_EQ(b.getF(), (Vect{0, 0, -0.0981 * 3.0}));
}

TEST(ObjStep, SwitchesGateForcesAndTheStep) {
    Obj b(Vect{0, 0, 0}, 1.0, Vect{1, 0, 0}, Vect(3), Vect(3));
    b.init();
    b.enableTranslationForce(false);
    b.enableRotationForce(false);
    b.addF(Vect{0, 0, 1}, Vect{1, 0, 0});
    EXPECT_EQ(b.getF(), Vect(3));
    EXPECT_EQ(b.getMf(), Vect(3));
    b.addM(Vect{0, 0, 1}, Vect{1, 0, 0});
    EXPECT_EQ(b.getMf(), (Vect{0, -1, 0}));
    b.update(2.0);
    EXPECT_EQ(b.getX(), (Vect{2, 0, 0}));  // drift only, no weight
    EXPECT_EQ(b.getF(), Vect(3));
    EXPECT_EQ(b.getMCin(), Vect(3));  // torque not integrated
}

TEST(ObjStep, DrawsSixValuesWithTranslationForcesAndThreeWithout) {
    Obj free = restingBody(1.0);
    Obj fixed = restingBody(1.0);
    fixed.enableTranslationForce(false);
    auto step = [](Obj& o) { o.update(0.01); };
    EXPECT_EQ(drawsConsumedBy(step, free), 6);
    EXPECT_EQ(drawsConsumedBy(step, fixed), 3);
    Obj earlierFixed = restingBody(1.0);
    earlierFixed.setRules(EngineRules::earlier());
    earlierFixed.enableTranslationForce(false);
    EXPECT_EQ(drawsConsumedBy(step, earlierFixed), 6);
}

TEST(ObjStep, EarlierRulesKeepTorqueAndAddNoWeight) {
    Obj b = restingBody(2.0);
    b.setRules(EngineRules::earlier());
    b.setMf(Vect{0, 0, 5});
    b.init();
    EXPECT_EQ(b.getF(), Vect(3));
    EXPECT_EQ(b.getMf(), (Vect{0, 0, 5}));
    b.update(0.1);
    EXPECT_EQ(b.getF(), Vect(3));
    EXPECT_EQ(b.getMCin(), (Vect{0, 0, 0.5}));
}

TEST(ObjStep, NoiseMovesPositionAndOrientation) {
    Obj b = restingBody(1.0);
    b.setT(0.5);
    std::srand(3);
    b.update(0.0);
    EXPECT_GT(b.getX() || true, 0.0);
    EXPECT_GT(b.getAng() || true, 0.0);
    EXPECT_TRUE(b.getX().compare(Vect(3), 0.5, false));
}

// Same dimension and the same bits in every component (NaNs included).
::testing::AssertionResult sameBits(Vect const& a, Vect const& b) {
    bool same = a.getDim() == b.getDim();
    for (unsigned i = 0; same && i < a.getDim(); ++i) {
        double const x = a.get(i), y = b.get(i);
        same = std::memcmp(&x, &y, sizeof x) == 0;
    }
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << " vs " << b;
}

// The step against its formulas in Vect arithmetic, bit for bit: a body
// whose vectors are not all three-dimensional keeps Vect's dimension rules;
// a negative or NaN noise amplitude draws randVect(T, 3) like any other; the
// position takes dt dx first and the noise second (the values of the noisy
// row make the other order differ in x).
TEST(ObjStep, FollowsTheFormulasForEveryDimensionAndAmplitude) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        Vect X, dx, ang, mcin;
        double T;
    };
    Row const rows[] = {
        {Vect{1, 2, 3, 4}, Vect{0.1, 0, 0}, Vect(3), Vect{0, 0, 1}, 0.0},
        {Vect{1, 2, 3}, Vect{1, 2}, Vect{0, 1, 0, 2}, Vect{1, 2}, 0.0},
        {Vect{0.1, 0.2, 0.3}, Vect{0.1, 0, 0}, Vect(3), Vect{0, 0, 1}, 0.3},
        {Vect{0.1, 0.2, 0.3}, Vect{0.1, 0, 0}, Vect(3), Vect{0, 0, 1}, -0.5},
        {Vect{0.1, 0.2, 0.3}, Vect{0.1, 0, 0}, Vect(3), Vect{0, 0, 1}, nan},
    };
    double const dt = 0.25, m = 2.0;
    Vect const F{0.5, -1, 2};
    for (Row const& r : rows) {
        Obj b(r.X, m, r.dx, r.ang, r.mcin);
        b.setT(r.T);
        b.init();
        b.addF(F, Vect(3));
        std::srand(5);
        b.update(dt);
        std::srand(5);
        Vect const dx = r.dx + (dt * F) / m;
        Vect const X = (r.X + dt * dx) + randVect(r.T, 3);
        Vect const mcin = r.mcin + dt * (Vect(3) + (Vect(3) ^ F));
        Vect const ang = (r.ang + (dt * Matrix(3, 1.0)) * mcin) + randVect(r.T, 3);
        EXPECT_TRUE(sameBits(b.getdx(), dx)) << "T " << r.T;
        EXPECT_TRUE(sameBits(b.getX(), X)) << "T " << r.T;
        EXPECT_TRUE(sameBits(b.getMCin(), mcin)) << "T " << r.T;
        EXPECT_TRUE(sameBits(b.getAng(), ang)) << "T " << r.T;
        EXPECT_TRUE(sameBits(b.getF(), F + Vect{0, 0, -0.0981 * m})) << "T " << r.T;
    }
}

TEST(ObjFrames, RotationMatrixAndConversions) {
    Obj b(Vect{5, 5, 5}, 1.0, Vect(3), Vect{0, 0, 1}, Vect(3));
    Matrix const r = b.rotateMatrix(false);
    EXPECT_DOUBLE_EQ(r.get(0, 0), std::cos(1.0));
    EXPECT_DOUBLE_EQ(r.get(0, 1), -std::sin(1.0));
    EXPECT_DOUBLE_EQ(r.get(1, 0), std::sin(1.0));
    EXPECT_DOUBLE_EQ(r.get(1, 1), std::cos(1.0));
    EXPECT_EQ(r.get(2, 2), 1.0);
    Matrix const inv = b.rotateMatrix(true);
    for (unsigned i = 0; i < 3; ++i)
        for (unsigned j = 0; j < 3; ++j) EXPECT_DOUBLE_EQ(inv.get(i, j), r.get(j, i));

    Obj still(Vect{5, 5, 5}, 1.0, Vect(3), Vect(3), Vect(3));
    EXPECT_EQ(still.convertRefRel(Vect{1, 0, 0}), (Vect{6, 5, 5}));
    EXPECT_EQ(still.convertRefAbs(Vect{1, 0, 0}), (Vect{-4, -5, -5}));
}

TEST(ObjDump, NineLinesWithAnEmptyForceBeforeTheFirstInit) {
    Obj b(Vect{1, 2, 3}, 4.5, Vect{0, 1, 0}, Vect(3), Vect{0, 0, 2});
    std::ostringstream os;
    os << b;
    EXPECT_EQ(os.str(),
              "--------------\n"
              "x    : 1 2 3 \n"
              "dx/dt: 0 1 0 \n"
              "F    : \n"
              "mass : 4.5\n"
              "ang  : 0 0 0 \n"
              "mcin : 0 0 2 \n"
              "ang' : 0 0 2 \n"
              "--------------\n");
    EXPECT_EQ(b.getVitAng(), (Vect{0, 0, 2}));
}

}  // namespace
