#include "systems/Scenes.h"
#include "testsupport/BenchmarkScenes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "testsupport/Top.h"

namespace {

TEST(PendulumScene, BodiesPickedBodiesAndTheHeavyAttractor) {
    Top t;
    std::vector<Obj*> const picked = buildPendulumScene(t.sys);
    ASSERT_EQ(picked.size(), 4u);
    // 64 single pendulums (128 bodies), 16 rope pendulums of 11, the attractor.
    EXPECT_EQ(t.sys.objs.size(), 305u);
    EXPECT_EQ(t.sys.forces.size(), 64u + 16u * 10u + 1u);
    EXPECT_EQ(t.sys.damping, 0.005);
    EXPECT_EQ(t.sys.g, Vect());
    EXPECT_EQ(picked[0]->getdx(), (Vect{0, 50, 0}));
    EXPECT_EQ(picked[0]->getX(), (Vect{50, 0, 0}));
    EXPECT_EQ(picked[1]->getdx(), (Vect{0, 1, 0}));
    EXPECT_EQ(picked[2]->getdx(), (Vect{-30, -20, -50}));
    EXPECT_EQ(picked[2]->getM(), 8.0);
    EXPECT_EQ(picked[3]->getX(), (Vect{50, -20, 0}));
    // The fifth picked body is launched, not traced: the bob at (50, -40, 0).
    Obj* fifth = nullptr;
    for (Obj* o : t.sys.objs)
        if (o->getX() == Vect{50, -40, 0}) fifth = o;
    ASSERT_NE(fifth, nullptr);
    EXPECT_EQ(fifth->getdx(), (Vect{0, 0, -100}));
    int heavy = 0;
    for (Force* f : t.sys.forces)
        if (auto* o = dynamic_cast<Obj*>(f)) heavy += o->getM() == 5.9e25 && o->getX() == Vect{0, 0, -60000005.0};
    EXPECT_EQ(heavy, 1);
}

TEST(PendulumScene, GrowingRowAndRopeRowStandWhereTheirLengthsPutThem) {
    Top t;
    buildPendulumScene(t.sys);
    // The abscissae of the bodies of each line y of the two rows.
    std::map<double, std::multiset<double>> growing, rope;
    for (Obj* o : t.sys.objs) {
        double const x = o->getX().get(0), y = o->getX().get(1);
        if (o->getX().get(2) != 0.0) continue;
        if (x >= 60 && x < 75 && y <= -50) growing[y].insert(x);
        if (x >= 80 && y <= -60) rope[y].insert(x);
    }
    // Bob i at (60, -50 - i, 0), its anchor 0.5 i further along x.
    ASSERT_EQ(growing.size(), 30u);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(growing[-50.0 - i], (std::multiset<double>{60, 60 + 0.5 * i})) << i;
    // Rope j from (80, -60 - j, 0): ten bodies (5 + 0.5 j) / 10 apart, the bob on the first.
    ASSERT_EQ(rope.size(), 15u);
    for (int j = 0; j < 15; ++j) {
        std::multiset<double> want{80};
        for (int k = 0; k < 10; ++k) want.insert(80 + k * ((5 + 0.5 * j) / 10));
        EXPECT_EQ(rope[-60.0 - j], want) << j;
    }
}

TEST(BenchmarkScenes, LatticeAndChargeCloud) {
    Top lattice;
    buildFallingLattice(lattice.sys);
    EXPECT_EQ(lattice.sys.objs.size(), 8001u);
    EXPECT_EQ(lattice.sys.forces.size(), 39u * 39u * 39u - 8000u + 1u);
    Top a, b;
    buildChargeCloud(a.sys, 10);
    buildChargeCloud(b.sys, 10);
    EXPECT_EQ(a.sys.objCs.size(), 10u);
    EXPECT_EQ(a.sys.forces.size(), 10u);
    auto ia = a.sys.disps.begin();
    auto ib = b.sys.disps.begin();
    for (; ia != a.sys.disps.end(); ++ia, ++ib) {
        auto* oa = dynamic_cast<ObjCG*>(*ia);
        auto* ob = dynamic_cast<ObjCG*>(*ib);
        EXPECT_EQ(oa->getX(), ob->getX());
        EXPECT_EQ(std::abs(oa->getC()), 1e-6);
        for (unsigned k = 0; k < 3; ++k) {
            EXPECT_GE(oa->getX().get(k), 0.0);
            EXPECT_LT(oa->getX().get(k), 100.0);
        }
    }
}

}  // namespace
