#include "bodies/Force.h"

#include <gtest/gtest.h>

#include "bodies/BodyStep.h"

#include <cmath>
#include <set>
#include <sstream>

namespace {

constexpr double G = 6.673e-11;
// 1e12 / 111.2626454195361 is 1 / (4 pi eps0).
constexpr double coulombDivisor = 111.2626454195361;

// Two sets standing for a system's body and charged sets.
struct Sets {
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    ObjCG make(Vect const& X, double m, double c) { return ObjCG(objs, objCs, X, m, c, Vect(3), Vect(3), Vect(3)); }
    void add(ObjCG& b) {
        objs.insert(&b);
        if (b.getC() != 0.0) objCs.insert(&b);
    }
};

TEST(Gravitation, PullsOthersTowardTheSourceOnly) {
    Sets s;
    ObjCG a = s.make(Vect{0, 0, 0}, 2.0, 0.0);
    ObjCG b = s.make(Vect{2, 0, 0}, 3.0, 0.0);
    ObjCG c = s.make(Vect{0, 0, -1}, 5.0, 0.0);
    s.add(a), s.add(b), s.add(c);
    a.init(), b.init(), c.init();
    a.force();
    // s = ((m_a G) / |d|^2) m_o toward a.
    EXPECT_EQ(b.getF(), (Vect{-((2.0 * G) / 4.0) * 3.0, 0, 0}));
    EXPECT_EQ(c.getF(), (Vect{0, 0, ((2.0 * G) / 1.0) * 5.0}));
    EXPECT_EQ(a.getF(), Vect(3));   // no reaction on the source itself
    EXPECT_EQ(b.getMf(), Vect(3));  // applied at the centre: no torque
}

TEST(Gravitation, CoincidentBodiesAreSkippedWithoutDividingByZero) {
    Sets s;
    ObjCG a = s.make(Vect{1, 1, 1}, 2.0, 1.0);
    ObjCG b = s.make(Vect{1, 1, 1}, 3.0, 1.0);
    s.add(a), s.add(b);
    a.init(), b.init();
    a.force();
    b.force();
    EXPECT_EQ(a.getF(), Vect(3));
    EXPECT_EQ(b.getF(), Vect(3));
    EXPECT_EQ(a.getElecF(), Vect(3));
    EXPECT_EQ(b.getElecF(), Vect(3));
}

TEST(ElectricField, PointsAwayFromAPositiveSourceWithTheCoulombFactor) {
    Sets s;
    ObjCG src = s.make(Vect{0, 0, 0}, 1.0, 1e-6);
    ObjCG probe = s.make(Vect{0, 0, 2}, 1.0, -1e-6);
    ObjCG neutral = s.make(Vect{0, 3, 0}, 1.0, 0.0);
    s.add(src), s.add(probe), s.add(neutral);
    s.objCs.insert(&neutral);  // a charged set may hold an uncharged body
    src.init(), probe.init(), neutral.init();
    src.force();
    double const e = ((1.0 * 1e-6) * 1e12) / (4.0 * coulombDivisor);
    EXPECT_EQ(probe.getElecF(), (Vect{0, 0, e}));
    EXPECT_NEAR(probe.getElecF().get(2), 2246.9, 0.1);
    EXPECT_EQ(src.getElecF(), Vect(3));
    // An uncharged body adds a zero field to the others.
    neutral.force();
    EXPECT_EQ(probe.getElecF(), (Vect{0, 0, e}));
}

TEST(ElectricField, LikeChargesRepelAndOppositeChargesAttractSymmetrically) {
    for (double sign : {1.0, -1.0}) {
        Sets s;
        ObjCG a = s.make(Vect{-1, 0, 0}, 1.0, 1e-6);
        ObjCG b = s.make(Vect{1, 0, 0}, 1.0, sign * 1e-6);
        s.add(a), s.add(b);
        a.init(), b.init();
        a.force();
        b.force();
        // The Lorentz terms of the step turn the fields into forces.
        Vect const fa = a.getC() * a.getElecF();
        Vect const fb = b.getC() * b.getElecF();
        EXPECT_EQ(fa, -fb);
        EXPECT_EQ(fa.get(0) < 0, sign > 0) << "sign " << sign;
    }
}

TEST(Lorentz, UpdateAddsMagneticAndElectricForcesBeforeTheStep) {
    Sets s;
    ObjCG b(s.objs, s.objCs, Vect(3), 1.0, 2.0, Vect{1, 0, 0}, Vect(3), Vect(3));
    b.init();
    b.addMagnF(Vect{0, 0, 1});
    b.addElecF(Vect{0, 0, 3});
    b.update(0.5);
    // (c v) ^ B = (2, 0, 0) ^ (0, 0, 1) = (0, -2, 0); c E = (0, 0, 6).
    EXPECT_EQ(b.getdx(), (Vect{1, -1, 3}));
    EXPECT_EQ(b.getX(), (Vect{0.5, -0.5, 1.5}));
    // The fields stay until the next init().
    EXPECT_EQ(b.getMagnF(), (Vect{0, 0, 1}));
}

// (1 + 2e-16) - 1e-16 and (1 - 1e-16) + 2e-16 differ: the force sum shows
// which of the two terms came first.
TEST(Lorentz, TheMagneticTermComesBeforeTheElectricOne) {
    Sets s;
    ObjCG b(s.objs, s.objCs, Vect(3), 1.0, 1.0, Vect{0, 0, 1}, Vect(3), Vect(3));
    b.init();
    b.addF(Vect{1, 0, 0}, Vect(3));
    b.addMagnF(Vect{0, -2e-16, 0});
    b.addElecF(Vect{-1e-16, 0, 0});
    b.update(1.0);
    Vect const F = (Vect{1, 0, 0} + ((1.0 * Vect{0, 0, 1}) ^ Vect{0, -2e-16, 0})) + 1.0 * Vect{-1e-16, 0, 0};
    EXPECT_EQ(F.get(0), 1.0 + 2.220446049250313e-16);
    EXPECT_EQ(b.getF(), F + Vect({0, 0, -0.0981}));
    EXPECT_EQ(b.getdx(), Vect({0, 0, 1}) + F);
}

TEST(Lorentz, ZeroMagneticFieldAndZeroChargeGiveNoForce) {
    Sets s;
    ObjCG neutral(s.objs, s.objCs, Vect(3), 1.0, 0.0, Vect{3, 4, 5}, Vect(3), Vect(3));
    neutral.init();
    neutral.addElecF(Vect{7, 7, 7});
    neutral.addMagnF(Vect{1, 2, 3});
    ObjCG charged(s.objs, s.objCs, Vect(3), 1.0, 5.0, Vect{3, 4, 5}, Vect(3), Vect(3));
    charged.init();
    for (ObjCG* b : {&neutral, &charged}) {
        b->enableTranslationForce(true);
        b->setRules(EngineRules::earlier());  // no weight: F holds the field forces only
        b->update(0.0);
        EXPECT_EQ(b->getF(), Vect(3));
    }
}

TEST(ChargedBody, InitClearsFieldsAndForceAndTheDumpShowsThem) {
    Sets s;
    ObjCG b = s.make(Vect{1, 2, 3}, 4.0, -2.5);
    std::ostringstream before;
    before << b;
    EXPECT_EQ(before.str(),
              "--------------\nx    : 1 2 3 \ndx/dt: 0 0 0 \nF    : \nmass : 4\nang  : 0 0 0 \n"
              "mcin : 0 0 0 \nang' : 0 0 0 \n--------------\nCharg : -2.5\nElecF : \nMagnF : \n");
    b.setF(Vect{1, 1, 1});
    b.setMf(Vect{2, 2, 2});
    b.init();
    EXPECT_EQ(b.getF(), Vect(3));
    EXPECT_EQ(b.getMf(), Vect(3));
    std::ostringstream after;
    after << b;
    EXPECT_NE(after.str().find("ElecF : 0 0 0 \nMagnF : 0 0 0 \n"), std::string::npos);
}

TEST(OtherDimensions, PlanarBodiesFollowTheVectorRules) {
    Sets s;
    ObjCG src(s.objs, s.objCs, Vect{0, 0}, 2.0, 1e-6, Vect{0, 0}, Vect(3), Vect(3));
    ObjCG o(s.objs, s.objCs, Vect{3, 4}, 5.0, 1e-6, Vect{0, 0}, Vect(3), Vect(3));
    s.add(src), s.add(o);
    src.init(), o.init();
    src.force();
    // d = (-3, -4), |d|^2 = 25: a pull of ((2 G) / 25) 5 along d / 5, added
    // to the three-component force; the field points along (3, 4) / 5.
    double const pull = ((2.0 * G) / 25.0) * 5.0;
    EXPECT_EQ(o.getF(), (Vect{(-3 * (1 / 5.0)) * pull, (-4 * (1 / 5.0)) * pull, 0}));
    double const field = 1e-6 * 1e12 / (25.0 * coulombDivisor);
    EXPECT_NEAR(o.getElecF().get(0), 0.6 * field, 1e-9);
    EXPECT_NEAR(o.getElecF().get(1), 0.8 * field, 1e-9);
    EXPECT_EQ(o.getElecF().get(2), 0.0);
    o.setRules(EngineRules::earlier());
    o.update(1.0);
    EXPECT_EQ(o.getX().getDim(), 3u);
    EXPECT_NEAR(o.getdx().get(1), (-0.8 * pull + 1e-6 * 0.8 * field) / 5.0, 1e-15);
    EXPECT_NEAR(o.getX().get(1), 4.0 + o.getdx().get(1), 1e-15);
}

// A charged body whose Lorentz law adds c E through addCentralF, reaching the
// force by another way than the law's own argument: on three components the
// write-back would drop that term. Builds without NDEBUG stop there; every
// law of the engine passes the same check in every test of such a build.
struct ReachesItsForce : ObjCG {
    explicit ReachesItsForce(Sets& s)
        : Obj(Vect(3), 1.0, Vect(3), Vect(3), Vect(3)),
          ObjCG(s.objs, s.objCs, Vect(3), 1.0, 2.0, Vect(3), Vect(3), Vect(3)) {}
    void update(double const& dt) override {
        stepWith(
            dt, [this](auto&, auto&, auto const&, auto const&, auto const& elec) { addCentralF(c * elec); }, magnF,
            elecF);
    }
};

TEST(OnVect3RuleDeathTest, ALawThatReachesItsVectsAnotherWayStops) {
#ifdef NDEBUG
    GTEST_SKIP() << "checked only without NDEBUG";
#else
    Sets s;
    ReachesItsForce b(s);
    b.init();
    b.addElecF(Vect{0, 0, 3});
    EXPECT_DEATH(b.update(0.1), "onVect3: argument 2 changed by another way while the law ran");
#endif
}

TEST(ChargedBody, EarlierRulesKeepTheTorqueOnInit) {
    Sets s;
    ObjCG b = s.make(Vect(3), 1.0, 1.0);
    b.setRules(EngineRules::earlier());
    b.setMf(Vect{0, 0, 2});
    b.addElecF(Vect{1, 0, 0});
    b.init();
    EXPECT_EQ(b.getMf(), (Vect{0, 0, 2}));
    EXPECT_EQ(b.getElecF(), Vect(3));
}

}  // namespace
