#include "systems/Spring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <vector>

#include "bodies/Painter.h"
#include "systems/System.h"

namespace {

Obj body(Vect const& X, double m, Vect const& dx = Vect(3)) {
    Obj b(X, m, dx, Vect(3), Vect(3));
    b.init();
    return b;
}

TEST(PlainSpring, FixedAnchorPullsTheBobWithTheElasticForce) {
    Obj bob = body(Vect{0, 0, 0}, 1.0);
    Obj anchor = body(Vect{1.2, 0, 0}, 1.0);
    anchor.enableTranslationForce(false);
    Spring s(bob, anchor, 500.0, 1.0);
    s.force();
    EXPECT_DOUBLE_EQ(bob.getF().get(0), 100.0);
    EXPECT_EQ(bob.getF().get(1), 0.0);
    EXPECT_EQ(anchor.getF(), Vect(3));
    // Moving away at 1 m/s adds the critical damping 2 sqrt(k m) w.
    bob.init();
    bob.setdx(Vect{-1, 0, 0});
    s.force();
    EXPECT_DOUBLE_EQ(bob.getF().get(0), 100.0 + 2.0 * std::sqrt(500.0));
}

TEST(PlainSpring, TwoFreeBodiesUseTheReducedMass) {
    Obj a = body(Vect{0, 0, 0}, 2.0, Vect{0, 0, -0.5});
    Obj b = body(Vect{0, 0, 3}, 2.0, Vect{0, 0, 0.5});
    Spring s(a, b, 100.0, 2.0);
    s.force();
    // k (len - L0) + sqrt(k (2 2) / 4) (w + w), w = 1.
    double const magnitude = 100.0 * 1.0 + std::sqrt(100.0) * 2.0;
    EXPECT_EQ(a.getF(), (Vect{0, 0, magnitude}));
    EXPECT_EQ(b.getF(), (Vect{0, 0, -magnitude}));
    // Only obj2 free: root sqrt(k m2).
    Obj c = body(Vect{0, 0, 0}, 4.0);
    Obj d = body(Vect{0, 0, 1}, 9.0, Vect{0, 0, 1});
    c.enableTranslationForce(false);
    Spring t(c, d, 4.0, 1.0);
    t.force();
    EXPECT_EQ(d.getF(), (Vect{0, 0, -(std::sqrt(4.0 * 9.0) * 2.0)}));
}

TEST(PlainSpring, NothingWhenNeitherEndMovesAndNoNaNWhenEndsCoincide) {
    Obj a = body(Vect{0, 0, 0}, 1.0);
    Obj b = body(Vect{5, 0, 0}, 1.0);
    a.enableTranslationForce(false);
    b.enableTranslationForce(false);
    Spring s(a, b, 10.0, 1.0);
    s.force();
    EXPECT_EQ(a.getMf(), Vect(3));
    EXPECT_EQ(b.getF(), Vect(3));
    Obj c = body(Vect{1, 1, 1}, 1.0);
    Obj d = body(Vect{1, 1, 1}, 1.0, Vect{1, 0, 0});
    Spring t(c, d, 10.0, 1.0);
    t.force();
    EXPECT_EQ(c.getF(), Vect(3));
    EXPECT_EQ(d.getF(), Vect(3));
}

TEST(PlainSpring, PlanarBodiesUseTheSameLaw) {
    Obj anchor(Vect{0, 0}, 1.0, Vect{0, 0}, Vect(3), Vect(3));
    Obj bob(Vect{3, 4}, 1.0, Vect{0, 1}, Vect(3), Vect(3));
    anchor.init(), bob.init();
    anchor.enableTranslationForce(false);
    Spring s(bob, anchor, 2.0, 4.0);
    s.force();
    // len 5, u = (-0.6, -0.8), w = (V2 - V1) . u = 0.8 (the bob moves away):
    // 2 (5 - 4) + sqrt(2 x 1) (0.8 + 0.8), pulling the bob along u.
    double const magnitude = 2.0 + std::sqrt(2.0) * 1.6;
    EXPECT_NEAR(bob.getF().get(0), -0.6 * magnitude, 1e-12);
    EXPECT_NEAR(bob.getF().get(1), -0.8 * magnitude, 1e-12);
    EXPECT_EQ(bob.getF().get(2), 0.0);
    Spring saturating(bob, anchor, 2.0, 4.0);
    saturating.setRules(EngineRules::earlier());
    bob.init();
    saturating.force();
    // e = 2, f = 2 (4 + 1)^4 = 1250.
    EXPECT_NEAR(bob.getF().get(1), -0.8 * (2.0 * 1250.0) / std::sqrt(4.0 + 1250.0 * 1250.0), 1e-12);
}

TEST(PlainSpring, EarlierRulesSaturate) {
    Obj a = body(Vect{0, 0, 0}, 1.0);
    Obj b = body(Vect{0, 1.5, 0}, 1.0, Vect{0, 7, 0});
    Spring s(a, b, 100.0, 1.0);
    s.setRules(EngineRules::earlier());
    s.force();
    // e = 50, f = 100 (1 + 1)^4 = 1600: e f / sqrt(e^2 + f^2), no damping.
    double const magnitude = (50.0 * 1600.0) / std::sqrt(50.0 * 50.0 + 1600.0 * 1600.0);
    EXPECT_NEAR(a.getF().get(1), magnitude, 1e-12);
    EXPECT_NEAR(magnitude, 49.9756, 1e-4);
    EXPECT_NEAR(b.getF().get(1), -magnitude, 1e-12);
    // A stiffness of 0 would be 0/0: it applies a zero force instead.
    Obj c = body(Vect{0, 0, 0}, 1.0);
    Obj d = body(Vect{0, 0, 2}, 1.0);
    Spring limp(c, d, 0.0, 1.0);
    limp.setRules(EngineRules::earlier());
    limp.force();
    EXPECT_EQ(c.getF(), Vect(3));
    EXPECT_EQ(d.getF(), Vect(3));
}

// A system hosting breaking and deforming springs between two free bodies.
struct Host {
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    System sys{1, objs, objCs, Vect(3), Vect(3)};
    Obj* a = sys.addObj(Vect{0, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    Obj* b = sys.addObj(Vect{1, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    void place(double len) {
        b->setX(Vect{len, 0, 0});
        a->init();
        b->init();
    }
};

TEST(BreakingSpring, PullsBelowTheLimitAndBreaksAboveIt) {
    Host h;
    auto* s = dynamic_cast<SpringBreak*>(h.sys.addSpring(*h.a, *h.b, 100.0, 1.0, 2, 0.0, 0.0, 10.0));
    ASSERT_NE(s, nullptr);
    h.place(1.05);
    s->force();
    EXPECT_NEAR(h.a->getF().get(0), 5.0, 1e-9);
    EXPECT_NEAR(h.b->getF().get(0), -5.0, 1e-9);
    h.place(1.2);
    s->force();
    EXPECT_EQ(h.a->getF(), Vect(3));
    EXPECT_FALSE(h.sys.forces.contains(s));
    EXPECT_TRUE(h.sys.disps.contains(s));
    // Compression never breaks a spring with a non-negative limit.
    auto* t = h.sys.addSpring(*h.a, *h.b, 100.0, 1.0, 2, 0.0, 0.0, 10.0);
    h.place(0.1);
    t->force();
    EXPECT_TRUE(h.sys.forces.contains(t));
    EXPECT_NEAR(h.a->getF().get(0), -90.0, 1e-9);
}

TEST(BreakingSpring, CoincidentEndsApplyNothingInsteadOfNaN) {
    Host h;
    Spring* s = h.sys.addSpring(*h.a, *h.b, 100.0, 1.0, 2, 0.0, 0.0, 10.0);
    Spring* d = h.sys.addSpring(*h.a, *h.b, 100.0, 1.0, 1, 0.0, 0.5, 10.0);
    h.place(0.0);
    s->force();
    d->force();
    EXPECT_EQ(h.a->getF(), Vect(3));
    EXPECT_EQ(h.b->getF(), Vect(3));
    EXPECT_TRUE(h.sys.forces.contains(s));
    // A NaN tension breaks the spring.
    h.b->setX(Vect{std::nan(""), 0, 0});
    s->force();
    EXPECT_FALSE(h.sys.forces.contains(s));
}

TEST(DeformingSpring, StopsPushingBelowTheBandWhileCompressed) {
    Host h;
    auto* s = dynamic_cast<SpringDeform*>(h.sys.addSpring(*h.a, *h.b, 100.0, 1.0, 1, 0.0, 0.1, 0.0));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getLastL(), 1.0);
    h.place(0.95);  // shortening, inside the band
    s->force();
    EXPECT_NEAR(h.a->getF().get(0), -5.0, 1e-9);
    h.place(0.85);  // shortening below L0 - dL
    s->force();
    EXPECT_EQ(h.a->getF(), Vect(3));
    EXPECT_EQ(s->getLastL(), 0.85);
    h.place(0.85);  // unchanged below the band counts as shortening: still nothing
    s->force();
    EXPECT_EQ(h.a->getF(), Vect(3));
    h.place(0.86);  // lengthening again: pushes with the rest length unchanged
    s->force();
    EXPECT_NEAR(h.b->getF().get(0), 100.0 * 0.14, 1e-9);
    h.place(3.0);  // fMax plays no part
    s->force();
    EXPECT_TRUE(h.sys.forces.contains(s));
    EXPECT_NEAR(h.a->getF().get(0), 200.0, 1e-9);
}

TEST(SpringOutput, WritesNothingAndDrawsBetweenItsEnds) {
    struct Recorder : Painter {
        std::vector<double> seen;
        void spring(Vect const& X1, Vect const& X2, double k1, double L0) override {
            seen = {X1.get(0), X2.get(0), k1, L0};
        }
    } rec;
    Obj a = body(Vect{1, 0, 0}, 1.0);
    Obj b = body(Vect{4, 0, 0}, 1.0);
    Spring s(a, b, 7.0, 2.0);
    std::ostringstream os;
    os << s;
    EXPECT_EQ(os.str(), "");
    {
        PainterScope const recording(rec);
        s.disp();
    }
    EXPECT_EQ(rec.seen, (std::vector<double>{1, 4, 7, 2}));
}

}  // namespace
