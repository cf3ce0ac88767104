#include "systems/System.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bodies/Ball.h"
#include "bodies/Painter.h"
#include "testsupport/Top.h"

namespace {

constexpr double G = 6.673e-11;

TEST(AddObj, SetMembershipsFollowTheFlags) {
    std::set<Obj*> rootObjs;
    std::set<ObjC*> rootObjCs;
    System s(1, rootObjs, rootObjCs, Vect(3), Vect(3));
    ObjCG* hidden = s.addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, false);
    ObjCG* shown = s.addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, true);
    ObjCG* acting = s.addObj(Vect(3), Vect(3), 1.0, 0.0, true, 0.0, false);
    ObjCG* charged = s.addObj(Vect(3), Vect(3), 1.0, 0.0, false, -2.0, false);
    ObjCG* nanCharge = s.addObj(Vect(3), Vect(3), 1.0, 0.0, false, std::nan(""), false);
    EXPECT_EQ(s.objs.size(), 5u);
    EXPECT_EQ(s.disps.size(), 1u);
    EXPECT_TRUE(s.disps.contains(shown));
    EXPECT_FALSE(s.disps.contains(hidden));
    EXPECT_EQ(s.forces.size(), 3u);
    EXPECT_TRUE(s.forces.contains(acting));
    EXPECT_TRUE(s.forces.contains(charged));
    EXPECT_TRUE(s.forces.contains(nanCharge));
    EXPECT_EQ(s.objCs, (std::set<ObjC*>{charged, nanCharge}));
    EXPECT_TRUE(rootObjs.empty());
    EXPECT_TRUE(rootObjCs.empty());
    EXPECT_EQ(charged->getC(), -2.0);
}

TEST(AddObj, SizeMakesABallOfThatDiameterAndVelocityIsKept) {
    Top t;
    ObjCG* point = t.sys.addObj(Vect{1, 2, 3}, Vect{0, 1, 0}, 2.0, 0.0, false, 0.0, true);
    ObjCG* ball = t.sys.addObj(Vect{1, 2, 3}, Vect{0, 1, 0}, 2.0, 0.5, false, 0.0, true);
    ObjCG* nanBall = t.sys.addObj(Vect(3), Vect(3), 1.0, std::nan(""), false, 0.0, true);
    EXPECT_EQ(dynamic_cast<BallCG*>(point), nullptr);
    ASSERT_NE(dynamic_cast<BallCG*>(ball), nullptr);
    EXPECT_EQ(dynamic_cast<BallCG*>(ball)->getR(), 0.25);
    EXPECT_EQ(ball->getM(), 2.0);
    EXPECT_EQ(ball->getdx(), (Vect{0, 1, 0}));
    ASSERT_NE(dynamic_cast<BallCG*>(nanBall), nullptr);
    EXPECT_TRUE(std::isnan(dynamic_cast<BallCG*>(nanBall)->getR()));
}

TEST(AddSpring, KindsAndMembershipsAndUnknownKinds) {
    Top t;
    System& s = t.sys;
    ObjCG* a = s.addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, false);
    ObjCG* b = s.addObj(Vect{1, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, false);
    Spring* plain = s.addSpring(*a, *b, 10.0, 1.0, 0, 1.0, 2.0, 3.0);
    Spring* deform = s.addSpring(*a, *b, 10.0, 1.0, 1, 1.0, 2.0, 3.0);
    Spring* breaking = s.addSpring(*a, *b, 10.0, 1.0, 2, 1.0, 2.0, 3.0);
    EXPECT_EQ(dynamic_cast<SpringBreak*>(plain), nullptr);
    ASSERT_NE(dynamic_cast<SpringDeform*>(deform), nullptr);
    EXPECT_EQ(dynamic_cast<SpringDeform*>(deform)->getdL(), 2.0);
    EXPECT_EQ(dynamic_cast<SpringDeform*>(deform)->getfMax(), 3.0);
    ASSERT_NE(dynamic_cast<SpringBreak*>(breaking), nullptr);
    EXPECT_EQ(dynamic_cast<SpringDeform*>(breaking), nullptr);
    EXPECT_EQ(dynamic_cast<SpringBreak*>(breaking)->getfMax(), 3.0);
    EXPECT_EQ(plain->getObj1(), a);
    EXPECT_EQ(plain->getObj2(), b);
    for (Spring* sp : {plain, deform, breaking}) {
        EXPECT_TRUE(s.forces.contains(sp));
        EXPECT_TRUE(s.disps.contains(sp));
    }
    EXPECT_EQ(s.addSpring(*a, *b, 10.0, 1.0, 3, 0, 0, 0), nullptr);
    EXPECT_EQ(s.addSpring(*a, *b, 10.0, 1.0, -1, 0, 0, 0), nullptr);
    EXPECT_EQ(s.forces.size(), 3u);
    EXPECT_EQ(s.disps.size(), 3u);
    s.delF(plain);
    EXPECT_FALSE(s.forces.contains(plain));
    EXPECT_TRUE(s.disps.contains(plain));
}

// A force that records its calls, optionally leaving the force set.
struct Probe : Force {
    System* sys = nullptr;
    std::vector<int>* log = nullptr;
    int id = 0;
    bool leave = false;
    void force() override {
        log->push_back(id);
        if (leave) sys->delF(this);
    }
};

TEST(ForcePass, MembersRunInInsertionOrderAndALeavingOneIsNotCalledAgain) {
    Top t;
    std::vector<int> log;
    Probe p[4];
    for (int i = 0; i < 4; ++i) {
        p[i].sys = &t.sys;
        p[i].log = &log;
        p[i].id = i;
    }
    p[1].leave = true;
    for (int i : {3, 0, 1, 2}) t.sys.forces.insert(&p[i]);
    t.sys.force();
    t.sys.force();
    EXPECT_EQ(log, (std::vector<int>{3, 0, 1, 2, 3, 0, 2}));
}

TEST(ForcePass, BreakingSpringLeavesMidPassAndTheRestStillAct) {
    Top t;
    System& s = t.sys;
    ObjCG* a = s.addObj(Vect{0, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    ObjCG* b = s.addObj(Vect{2, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    ObjCG* c = s.addObj(Vect{4, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    s.addSpring(*a, *b, 1.0, 1.0, 2, 0, 0, 100.0);                // tension 1: holds
    Spring* weak = s.addSpring(*b, *c, 10.0, 1.0, 2, 0, 0, 5.0);  // tension 10: breaks
    s.addSpring(*a, *c, 1.0, 3.0, 2, 0, 0, 100.0);                // tension 1: holds
    s.update(0.0);
    EXPECT_FALSE(s.forces.contains(weak));
    EXPECT_TRUE(s.disps.contains(weak));
    EXPECT_EQ(s.forces.size(), 2u);
    // a gets 1 from each intact spring, c gets -1 from a's only, b -1 from a.
    EXPECT_EQ(a->getF().get(0), 2.0);
    EXPECT_EQ(b->getF().get(0), -1.0);
    EXPECT_EQ(c->getF().get(0), -1.0);
    // The broken spring is still listed as shown, and writes nothing.
    std::ostringstream dump, bodies;
    dump << s;
    bodies << "SYSTEM ---\n" << *a << *b << *c << "--------\n\n";
    EXPECT_EQ(dump.str(), bodies.str());
}

TEST(ForcePass, ADeformingSpringRunsItsOwnLawInTheStep) {
    Top t;
    System& s = t.sys;
    ObjCG* a = s.addObj(Vect{0, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, false);
    ObjCG* b = s.addObj(Vect{0.85, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, false);
    // Compressed below its band (1 - 0.1) from the start: no push, where a
    // plain spring would push with 15.
    s.addSpring(*a, *b, 100.0, 1.0, 1, 0.0, 0.1, 0.0);
    s.update(0.0);
    EXPECT_EQ(a->getF().get(0), 0.0);
    EXPECT_EQ(b->getF().get(0), 0.0);
    // Lengthening again, it pushes with its rest length unchanged.
    b->setX(Vect{0.86, 0, 0});
    s.update(0.0);
    EXPECT_NEAR(b->getF().get(0), 100.0 * 0.14, 1e-9);
}

TEST(ForcePass, ActingBodiesPullNonActingOnesOnly) {
    Top t;
    System& s = t.sys;
    ObjCG* passive = s.addObj(Vect{0, 0, 0}, Vect(3), 1e10, 0.0, false, 0.0, false);
    ObjCG* chargedPassive = s.addObj(Vect{0, 0, 2}, Vect(3), 4.0, 0.0, false, 2.0, false);
    ObjCG* probe = s.addObj(Vect{0, 0, -1}, Vect(3), 1.0, 0.0, false, 0.0, false);
    s.setRules(EngineRules::earlier());  // no weight: F is what the pass gave
    s.update(0.0);
    // Only the charged body acts: probe gets its pull (|d| = 3) and no pull
    // from the heavy passive body; the heavy body is pulled up too.
    EXPECT_EQ(probe->getF(), (Vect{0, 0, ((4.0 * G) / 9.0) * 1.0}));
    EXPECT_EQ(passive->getF(), (Vect{0, 0, ((4.0 * G) / 4.0) * 1e10}));
    EXPECT_EQ(chargedPassive->getF(), Vect(3));
}

// The system walks its members once per acting body, both laws at a time;
// every body gets what the two walks over the sets give it.
TEST(ForcePass, OneWalkGivesTheTermsOfTheTwoSetWalks) {
    struct Body {
        Vect X;
        double m, c;
        bool acting;
    };
    std::vector<Body> const bodies{
        {Vect{0.1, 0.2, 0.3}, 2.0, 1e-6, true}, {Vect{5, -1, 2}, 3.0, 0.0, true},
        {Vect{-4, 7, 1.5}, 1.5, -2e-6, false},  {Vect{0.1, 0.2, 0.3}, 1.0, 3e-6, false},
        {Vect{2, 2, -3}, 4.0, 0.0, false},
    };
    Top t;
    t.sys.setRules(EngineRules::earlier());  // no damping term
    std::set<Obj*> objs;
    std::set<ObjC*> charged;
    std::vector<std::unique_ptr<ObjCG>> alone;
    std::vector<ObjCG*> made;
    for (Body const& b : bodies) {
        made.push_back(t.sys.addObj(b.X, Vect(3), b.m, 0.0, b.acting, b.c, false));
        alone.push_back(std::make_unique<ObjCG>(objs, charged, b.X, b.m, b.c, Vect(3), Vect(3), Vect(3)));
        objs.insert(alone.back().get());
        if (b.c != 0.0) charged.insert(alone.back().get());
    }
    for (std::size_t i = 0; i < bodies.size(); ++i) made[i]->init(), alone[i]->init();
    t.sys.force();
    for (std::size_t i = 0; i < bodies.size(); ++i)
        if (bodies[i].acting || bodies[i].c != 0.0) alone[i]->force();
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        EXPECT_EQ(made[i]->getF(), alone[i]->getF()) << i;
        EXPECT_EQ(made[i]->getElecF(), alone[i]->getElecF()) << i;
        EXPECT_EQ(made[i]->getMagnF(), alone[i]->getMagnF()) << i;
    }
    EXPECT_NE(made[3]->getElecF(), Vect(3));
}

TEST(ForcePass, UniformGravityAndDampingInTheCurrentRules) {
    Top t;
    System& s = t.sys;
    ObjCG* b = s.addObj(Vect(3), Vect{1, 0, 0}, 2.0, 0.0, false, 0.0, false);
    for (Obj* o : s.objs) o->init();
    s.force();  // g is empty: no uniform gravity
    EXPECT_EQ(b->getF(), (Vect{-0.0, 0, 0}));
    s.g = Vect{0, 0, -10};
    s.damping = 0.005;
    b->init();
    s.force();
    EXPECT_EQ(b->getF(), (Vect{-0.005, 0, -20}));
    // The earlier rules have no damping step.
    s.setRules(EngineRules::earlier());
    b->init();
    s.force();
    EXPECT_EQ(b->getF(), (Vect{0, 0, -20}));
}

TEST(Subsystems, AmbientFieldsAndGravityAreHandedDownAndStepped) {
    Top t;
    System& s = t.sys;
    s.g = Vect{0, 0, -10};
    s.E = Vect{1, 0, 0};
    s.B = Vect{0, 0, 2};
    ObjCG* outer = s.addObj(Vect(3), Vect(3), 1.0, 0.0, false, 3.0, false);
    System* sub = s.addSys(Vect{5, 0, 0}, 2.7);
    EXPECT_EQ(sub->scale, 2);
    EXPECT_EQ(s.addSys(Vect(3), -2.7)->scale, -2);
    EXPECT_TRUE(s.systems.contains(sub));
    EXPECT_EQ(s.systems.size(), 2u);
    EXPECT_EQ(sub->g, Vect());
    ObjCG* inner = sub->addObj(Vect(3), Vect(3), 2.0, 0.0, false, 0.5, false);
    EXPECT_EQ(s.objs.count(inner), 0u);
    EXPECT_EQ(sub->objs.count(inner), 1u);
    s.update(0.5);
    // The parent's own g, E, B are never reset by its update.
    EXPECT_EQ(s.g, (Vect{0, 0, -10}));
    EXPECT_EQ(sub->g, (Vect{0, 0, -10}));
    EXPECT_EQ(sub->E, (Vect{1, 0, 0}));
    EXPECT_EQ(sub->B, (Vect{0, 0, 2}));
    EXPECT_EQ(inner->getElecF(), (Vect{1, 0, 0}));
    EXPECT_EQ(inner->getMagnF(), (Vect{0, 0, 2}));
    EXPECT_EQ(outer->getElecF(), (Vect{1, 0, 0}));
    // inner: F = g m + c E = (0.5, 0, -20); dx = (0.5 F) / 2.
    EXPECT_EQ(inner->getdx(), (Vect{0.125, 0, -5}));
    // A second step resets the handed-down values before adding again.
    s.update(0.5);
    EXPECT_EQ(sub->g, (Vect{0, 0, -10}));
    // force() on its own adds each field to the subsystem's own, unreset.
    sub->E = Vect{0, 3, 0};
    sub->B = Vect{0, 4, 0};
    sub->g = Vect{5, 0, 0};
    s.force();
    EXPECT_EQ(sub->E, (Vect{1, 3, 0}));
    EXPECT_EQ(sub->B, (Vect{0, 4, 2}));
    EXPECT_EQ(sub->g, (Vect{5, 0, -10}));
}

TEST(Subsystems, EarlierRulesDoNotStepThem) {
    Top t;
    t.sys.setRules(EngineRules::earlier());
    t.sys.g = Vect{0, 0, -10};
    System* sub = t.sys.addSys(Vect(3), 1.0);
    EXPECT_EQ(sub->getRules().subsystemSteps, false);
    ObjCG* inner = sub->addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, false);
    t.sys.update(1.0);
    EXPECT_EQ(inner->getdx(), Vect(3));
    EXPECT_EQ(inner->getF(), Vect());
}

TEST(Rules, SetRulesReachesMembersAlreadyCreated) {
    Top t;
    ObjCG* b = t.sys.addObj(Vect(3), Vect(3), 1.0, 0.5, false, 0.0, true);
    Spring* sp = t.sys.addSpring(*b, *b, 1.0, 1.0, 0, 0, 0, 0);
    System* sub = t.sys.addSys(Vect(3), 1.0);
    ObjCG* inner = sub->addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, true);
    EXPECT_TRUE(b->getRules().weightAfterMove);
    t.sys.setRules(EngineRules::earlier());
    for (EngineRules const* r : {&b->getRules(), &sp->getRules(), &sub->getRules(), &inner->getRules()})
        EXPECT_TRUE(r->ballDumpsChargeBlock && r->saturatingSpring && !r->dampingStep);
    ObjCG* later = t.sys.addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, true);
    EXPECT_FALSE(later->getRules().initClearsTorque);
    // One set of rules for the whole tree: setting them from a subsystem
    // sets them for its parent too.
    sub->setRules(EngineRules::current());
    EXPECT_TRUE(t.sys.getRules().dampingStep && later->getRules().dampingStep && inner->getRules().dampingStep);
}

TEST(Step, ZeroStepStillRunsEveryStage) {
    Top t;
    ObjCG* b = t.sys.addObj(Vect{1, 2, 3}, Vect{1, 0, 0}, 2.0, 0.0, false, 0.0, false);
    t.sys.update(0.0);
    EXPECT_EQ(b->getX(), (Vect{1, 2, 3}));
    // Cleared, given nothing, then the weight after the move.
    EXPECT_EQ(b->getF(), (Vect{-0.0, 0, -0.0981 * 2.0}));
}

TEST(Dump, EmptySystem) {
    Top t;
    std::ostringstream os;
    os << t.sys;
    EXPECT_EQ(os.str(), "SYSTEM ---\n--------\n\n");
}

TEST(Dump, ShownMembersInInsertionOrderAfterAStep) {
    Top t;
    System& s = t.sys;
    ObjCG* ball = s.addObj(Vect{0, 0, 1}, Vect(3), 2.0, 1.0, false, 0.0, true);
    ObjCG* hidden = s.addObj(Vect{0, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, false);
    s.addSpring(*ball, *hidden, 10.0, 1.0, 0, 0, 0, 0);
    s.addObj(Vect{3, 0, 0}, Vect{1, 0, 0}, 4.0, 0.0, false, -1.0, true);
    s.update(0.5);
    // The charged body pulls the ball with ((4 G) / 10) 2 along (3, 0, -1) / sqrt 10.
    std::ostringstream os;
    os << s;
    EXPECT_EQ(os.str(),
              "SYSTEM ---\n"
              "-----BALL-----\n"
              "--------------\n"
              "x    : 6.33056e-12 0 1 \n"
              "dx/dt: 1.26611e-11 0 -4.22038e-12 \n"
              "F    : 5.06445e-11 0 -0.1962 \n"
              "mass : 2\n"
              "ang  : 0 0 0 \n"
              "mcin : 0 0 0 \n"
              "ang' : 0 0 0 \n"
              "--------------\n"
              "r    : 0.5\n"
              "mv   : 3.81972\n"
              "--------------\n"
              "--------------\n"
              "x    : 3.5 0 0 \n"
              "dx/dt: 1 0 0 \n"
              "F    : 0 0 -0.3924 \n"
              "mass : 4\n"
              "ang  : 0 0 0 \n"
              "mcin : 0 0 0 \n"
              "ang' : 0 0 0 \n"
              "--------------\n"
              "Charg : -1\n"
              "ElecF : 0 0 0 \n"
              "MagnF : 0 0 0 \n"
              "--------\n\n");
}

// One step of a small system under the earlier rules: two point charges
// and a column of two balls on a spring at rest, with damping and a torque
// that the earlier rules ignore and keep. The charges repel with
// 1e12 / (4 x 111.2626454195361) = 2.24694e9 N; the upper ball feels the two
// charges' gravity, 2 (G / 2) / sqrt 2 downward, and no weight; its
// inertia (2 x 0.25) 0.25 / 5 = 0.025 turns mcin 0.001 into 0.04 rad/s.
TEST(EarlierRules, OneStepOfASmallSystem) {
    Top t;
    System& s = t.sys;
    s.setRules(EngineRules::earlier());
    s.damping = 0.5;
    ObjCG* q1 = s.addObj(Vect{1, 0, 0}, Vect(3), 1.0, 0.0, false, 1.0, true);
    s.addObj(Vect{-1, 0, 0}, Vect(3), 1.0, 0.0, false, 1.0, true);
    std::vector<Obj*> column = s.generate(Vect{0, 0, 0}, Vect{1, 1, 2}, 1.0, 2.0, 0, 100.0, false, 0.0, true, Vect(3));
    ASSERT_EQ(column.size(), 2u);
    column[1]->setMf(Vect{0, 0, 1});
    column[1]->setdx(Vect{0, 0, 1});  // stretching the spring at 1 m/s: no damping term
    s.update(0.001);
    EXPECT_EQ(column[1]->getMCin(), (Vect{0, 0, 0.001}));  // the torque was not cleared
    EXPECT_EQ(q1->getMf(), Vect(3));
    std::ostringstream os;
    os << s;
    EXPECT_EQ(os.str(),
              "SYSTEM ---\n"
              "--------------\n"
              "x    : 2247.94 0 0 \n"
              "dx/dt: 2.24694e+06 0 0 \n"
              "F    : 2.24694e+09 0 0 \n"
              "mass : 1\n"
              "ang  : 0 0 0 \n"
              "mcin : 0 0 0 \n"
              "ang' : 0 0 0 \n"
              "--------------\n"
              "Charg : 1\n"
              "ElecF : 2.24694e+09 0 0 \n"
              "MagnF : 0 0 0 \n"
              "--------------\n"
              "x    : -2247.94 0 0 \n"
              "dx/dt: -2.24694e+06 0 0 \n"
              "F    : -2.24694e+09 0 0 \n"
              "mass : 1\n"
              "ang  : 0 0 0 \n"
              "mcin : 0 0 0 \n"
              "ang' : 0 0 0 \n"
              "--------------\n"
              "Charg : 1\n"
              "ElecF : -2.24694e+09 0 0 \n"
              "MagnF : 0 0 0 \n"
              "--------------\n"
              "x    : 0 0 0 \n"
              "dx/dt: 0 0 0 \n"
              "F    : 0 0 0 \n"
              "mass : 1\n"
              "ang  : 0 0 0 \n"
              "mcin : 0 0 0 \n"
              "ang' : 0 0 0 \n"
              "--------------\n"
              "Charg : 0\n"
              "ElecF : 0 0 0 \n"
              "MagnF : 0 0 0 \n"
              "Rayon : 0.25\n"
              "--------------\n"
              "x    : 0 0 1.001 \n"
              "dx/dt: 0 0 1 \n"
              "F    : 0 0 -4.71852e-11 \n"
              "mass : 1\n"
              "ang  : 0 0 4e-05 \n"
              "mcin : 0 0 0.001 \n"
              "ang' : 0 0 0.04 \n"
              "--------------\n"
              "Charg : 0\n"
              "ElecF : 0 0 0 \n"
              "MagnF : 0 0 0 \n"
              "Rayon : 0.25\n"
              "--------\n\n");
}

TEST(Drawing, FrameThenShownMembersThenSubsystemsInOrder) {
    struct Recorder : Painter {
        std::vector<std::string> calls;
        void point(Vect const& X) override { calls.push_back("point " + std::to_string(X.get(0))); }
        void spring(Vect const&, Vect const&, double k1, double) override {
            calls.push_back("spring " + std::to_string(k1));
        }
        void systemFrame(Vect const& X, int scale) override {
            calls.push_back("frame " + std::to_string(X.get(0)) + " " + std::to_string(scale));
        }
    } rec;
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    System s(3, objs, objCs, Vect{2, 0, 0}, Vect(3));
    ObjCG* b = s.addObj(Vect{7, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    System* sub = s.addSys(Vect{1, 0, 0}, 2.0);
    sub->addObj(Vect{9, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    ObjCG* a = s.addObj(Vect{8, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, true);
    s.addObj(Vect{6, 0, 0}, Vect(3), 1.0, 0.0, false, 0.0, false);
    s.addSpring(*a, *b, 5.0, 1.0, 2, 0, 0, -1.0);
    s.update(0.0);  // the spring breaks and is still drawn
    {
        PainterScope const recording(rec);
        s.disp();
    }
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"frame 2.000000 3", "point 7.000000", "point 8.000000",
                                                   "spring 5.000000", "frame 1.000000 2", "point 9.000000"}));
}

}  // namespace
