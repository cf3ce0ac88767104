#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "bodies/Ball.h"
#include "systems/Spring.h"
#include "systems/System.h"
#include "testsupport/Top.h"
#include "viewer/LatticeScene.h"
#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"

namespace {

std::size_t springCount(System const& sys) {
    std::size_t n = 0;
    for (Force* f : sys.forces)
        if (dynamic_cast<Spring*>(f)) ++n;
    return n;
}

bool shown(System const& sys, Obj* o) { return sys.disps.count(static_cast<Disp*>(o)) == 1; }

void expectVect(Vect const& v, Vect const& want) {
    ASSERT_EQ(v.getDim(), want.getDim());
    for (unsigned i = 0; i < want.getDim(); ++i) EXPECT_EQ(v.get(i), want.get(i)) << "component " << i;
}

TEST(PendulumScene, TracesARopeEndAndThreeBobsInOrder) {
    Top top;
    std::vector<Obj*> const traced = buildPendulumScene(top.sys);
    EXPECT_EQ(top.sys.objs.size(), 305u);
    EXPECT_EQ(springCount(top.sys), 64u + 16u * 10u);
    ASSERT_EQ(traced.size(), 4u);
    // ptr001: the free end of the first rope, a hidden rope body at (50, 0, 0).
    expectVect(traced[0]->getX(), Vect{50, 0, 0});
    expectVect(traced[0]->getdx(), Vect{0, 50, 0});
    EXPECT_FALSE(shown(top.sys, traced[0]));
    expectVect(traced[1]->getdx(), Vect{0, 1, 0});
    expectVect(traced[2]->getdx(), Vect{-30, -20, -50});
    expectVect(traced[3]->getdx(), Vect{0, 10, 10});
    for (Obj* o : traced) EXPECT_EQ(top.sys.objs.count(o), 1u);
}

TEST(PendulumScene, RowsStartWithTheirVelocitiesAndTheAttractorActs) {
    Top top;
    buildPendulumScene(top.sys);
    int launched = 0, fast = 0, attractors = 0;
    for (Obj* o : top.sys.objs) {
        Vect const X = o->getX(), v = o->getdx();
        // The row of equal pendulums: bobs at (30, -50 - i, 0) going up at 5 - i.
        if (X.get(0) == 30.0 && v.get(2) == 5.0 + X.get(1) + 50.0) ++launched;
        if (v.get(2) == -100.0) {
            ++fast;
            expectVect(X, Vect{50, -40, 0});
        }
        if (o->getM() == 5.9e25) {
            ++attractors;
            expectVect(X, Vect{0, 0, -60000005.0});
            EXPECT_EQ(top.sys.forces.count(dynamic_cast<Force*>(o)), 1u);
        }
    }
    EXPECT_EQ(launched, 30);
    EXPECT_EQ(fast, 1);
    EXPECT_EQ(attractors, 1);
}

TEST(LightScene, BuildsFortyTwoBodiesAndTracesSeven) {
    Top top;
    std::vector<Obj*> const traced = buildLightScene(top.sys);
    EXPECT_EQ(top.sys.objs.size(), 42u);
    EXPECT_EQ(top.sys.damping, 0.005);
    ASSERT_EQ(traced.size(), 7u);
    Vect const want[7][2] = {
        {{70, 0, 0}, {0, 30, 30}},
        {{50, 20, 0}, {0, 1, 0}},
        {{50, -20, 0}, {-30, -20, -50}},
        {{50, -20, 0}, {0, 10, 10}},
        {{50, -40, 0}, {0, 3, 4}},
        {{50, 0, 0}, {0, 50, 0}},
        // Entry 5 of the third rope: one spacing of 1 from the rope's start
        // per entry, in the middle of the rope.
        {{95, 0, 0}, {0, 30, 30}},
    };
    for (int i = 0; i < 7; ++i) {
        expectVect(traced[i]->getX(), want[i][0]);
        expectVect(traced[i]->getdx(), want[i][1]);
    }
    // The rope bodies are hidden; the bobs are shown.
    EXPECT_FALSE(shown(top.sys, traced[0]));
    EXPECT_FALSE(shown(top.sys, traced[6]));
    EXPECT_TRUE(shown(top.sys, traced[1]));
}

TEST(TracedScene, EveryStepAppendsOnePointPerTrajectory) {
    Top top;
    TracedScene scene(buildLightScene);
    scene.build(top.sys);
    ASSERT_EQ(scene.trajectories().size(), 7u);
    for (Trajectory const& t : scene.trajectories()) EXPECT_TRUE(t.empty());
    for (int n = 1; n <= 3; ++n) {
        scene.step(top.sys);
        for (std::size_t i = 0; i < 7; ++i) {
            ASSERT_EQ(scene.trajectories()[i].size(), std::size_t(n));
            expectVect(scene.trajectories()[i].back(), scene.traced()[i]->getX());
        }
    }
    // The traced bodies moved: the path's points differ.
    Trajectory const& t = scene.trajectories()[1];
    EXPECT_NE(t.point(0).get(1), t.point(2).get(1));
}

TEST(TracedScene, StepsTheSystemByTheFixedTimeStep) {
    Top a, b;
    TracedScene scene(buildPendulumScene);
    scene.build(a.sys);
    std::vector<Obj*> const tracedB = buildPendulumScene(b.sys);
    scene.step(a.sys);
    b.sys.update(0.045);
    for (std::size_t i = 0; i < tracedB.size(); ++i) expectVect(scene.trajectories()[i].back(), tracedB[i]->getX());
}

TEST(LatticeScene, FiftyTwoBodiesAndOneHundredNinetyThreeSprings) {
    Top top;
    top.sys.setRules(EngineRules::earlier());
    Obj* ball = buildLatticeScene(top.sys);
    EXPECT_EQ(top.sys.objs.size(), 52u);
    EXPECT_EQ(springCount(top.sys), 193u);
    EXPECT_EQ(top.sys.damping, 0.0);
    expectVect(ball->getX(), Vect{-10, -10, -10});
    expectVect(ball->getdx(), Vect{0, 0, 10});
    EXPECT_EQ(ball->getM(), 10.0);
    EXPECT_EQ(ball->getT(), 0.0);
    auto* b = dynamic_cast<Ball*>(ball);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getR(), 0.5);
    // Every body, the lattice's balls of mass 2 included, is shown.
    int latticeBalls = 0;
    for (Obj* o : top.sys.objs) {
        EXPECT_TRUE(shown(top.sys, o));
        if (o->getM() == 2.0) ++latticeBalls;
    }
    EXPECT_EQ(latticeBalls, 50);
    EXPECT_EQ(ball->getRules().dampingStep, false);
}

// The lines of a text, split at its newlines (an empty line included).
std::vector<std::string> linesOf(std::string const& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(WelcomeText, LinesAndTheirRunsOfDashesAndSpaces) {
    std::string const text = welcomeText();
    std::vector<std::string> const lines = linesOf(text);
    ASSERT_EQ(lines.size(), 7u);
    std::string const call = "-->> press CTRL+P to activate physics ! <<--";
    EXPECT_EQ(lines[0], "bienvenue dans le test de balle !" + std::string(175, '-'));
    EXPECT_EQ(lines[1], call + std::string(8, ' ') + call + std::string(7, ' ') + call + std::string(7, ' ') + call +
                            std::string(8, ' '));
    EXPECT_EQ(lines[2], "then press SPACE for fun ! :-)" + std::string(173, ' ') + ":-D ");
    EXPECT_EQ(lines[3], "move with wasd and arrows" + std::string(182, '-'));
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5],
              "changer mainSys.disp() en mainSys.cdisp() dans plinvo dans la fonction dessine pour le terminal, la "
              "fenetre s'ouvre quand meme, regarder dans le terminal apres avoir active la simulation dans la "
              "fenetre!");
    EXPECT_EQ(lines[6], std::string(209, '-'));
    EXPECT_EQ(text.back(), '-');  // no newline after the last line
}

}  // namespace
