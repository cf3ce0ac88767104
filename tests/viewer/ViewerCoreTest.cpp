#include "viewer/ViewerCore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "numerics/Rand.h"
#include "viewer/LatticeScene.h"
#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"

namespace {

std::unique_ptr<ViewerCore> quorvexCore() {
    return std::make_unique<ViewerCore>(FrontEnd::current(), std::make_unique<TracedScene>(buildPendulumScene));
}

std::unique_ptr<ViewerCore> quorvexviewCore() {
    return std::make_unique<ViewerCore>(FrontEnd::earlier(), std::make_unique<LatticeScene>());
}

TracedScene const& tracedScene(ViewerCore const& core) { return dynamic_cast<TracedScene const&>(*core.scene); }

TEST(ViewerCore, SpaceThrowsSeventyFiveBodiesFromOnePoint) {
    auto core = quorvexCore();
    std::set<Obj*> const before = core->mainSys.objs;
    core->keyDown(keys::Space, false, false);
    ASSERT_EQ(core->mainSys.objs.size(), before.size() + 75);
    int fast = 0;
    for (Obj* o : core->mainSys.objs) {
        if (before.count(o)) continue;
        EXPECT_EQ(o->getX().get(0), 3.0);
        EXPECT_EQ(o->getX().get(1), 0.0);
        EXPECT_EQ(o->getX().get(2), 0.0);
        EXPECT_EQ(o->getM(), 10.0);
        EXPECT_EQ(core->mainSys.disps.count(static_cast<Disp*>(o)), 1u);
        Vect const v = o->getdx();
        if (v * v > 300.0) ++fast;
    }
    // Only the third body of each pass (amplitude 20) can be this fast.
    EXPECT_LE(fast, 25);
    // Ctrl+Space throws as well.
    std::set<Obj*> const first = core->mainSys.objs;
    std::srand(11);
    core->keyDown(keys::Space, true, false);
    EXPECT_EQ(core->mainSys.objs.size(), before.size() + 150);
    // Each pass draws the velocities of amplitude 5, 10 and 20 in this order.
    std::srand(11);
    std::multiset<std::vector<double>> want, got;
    for (int pass = 0; pass < 25; ++pass)
        for (double amp : {5.0, 10.0, 20.0}) {
            Vect const v = randVect(amp, 3);
            want.insert({v.get(0), v.get(1), v.get(2)});
        }
    for (Obj* o : core->mainSys.objs)
        if (!first.count(o)) got.insert({o->getdx().get(0), o->getdx().get(1), o->getdx().get(2)});
    EXPECT_EQ(got, want);
}

TEST(ViewerCore, SwitchesAndCompassCycle) {
    auto core = quorvexCore();
    EXPECT_EQ(core->camera.compassMode, 1);
    int const want[] = {2, 0, 1, 2};
    for (int m : want) {
        core->keyDown('J', true, false);
        EXPECT_EQ(core->camera.compassMode, m);
    }
    core->keyDown('J', false, false);
    EXPECT_EQ(core->camera.compassMode, 2);
    core->keyDown(keys::Tab, false, false);
    EXPECT_TRUE(core->camera.helpShown);
    core->keyDown(keys::Tab, true, false);
    EXPECT_FALSE(core->camera.helpShown);
    core->keyDown('I', true, false);
    EXPECT_TRUE(core->stereoOn);
    core->keyDown('P', true, false);
    EXPECT_TRUE(core->physicsOn);
    EXPECT_TRUE(core->keyDown('F', true, false).toggleFullScreen);
    EXPECT_FALSE(core->keyDown('F', false, false).toggleFullScreen);
}

TEST(ViewerCore, LastTurnEventWins) {
    auto core = quorvexCore();
    core->keyDown(keys::Left, false, false);
    EXPECT_EQ(core->camera.phiInput, -1.0);
    EXPECT_EQ(core->camera.rhoInput, 1.0);
    core->keyDown('A', false, false);
    core->keyUp('A');
    // Left is still held, but A's release has set the roll input to 0.
    EXPECT_EQ(core->camera.rhoInput, 0.0);
    EXPECT_EQ(core->camera.phiInput, -1.0);
    EXPECT_EQ(core->camera.strafeInput.get(1), 0.0);
}

TEST(ViewerCore, FocusChangeStopsOnReleaseOfUWithoutCtrl) {
    auto core = quorvexCore();
    core->keyDown('U', false, false);
    EXPECT_EQ(core->camera.focusRate, 0.0);
    core->keyDown('U', true, false);
    EXPECT_EQ(core->camera.focusRate, 0.0005);
    core->keyUp('U');
    EXPECT_EQ(core->camera.focusRate, 0.0);
}

TEST(ViewerCore, MouseControlCapturesAndLosingTheCaptureTurnsItOff) {
    auto core = quorvexCore();
    core->joystickMotion(0, 0, 800, 600);
    EXPECT_EQ(core->camera.thetaInput, 0.0);  // control off: no steering
    WindowRequest r = core->keyDown('M', true, false);
    EXPECT_TRUE(core->mouseControl);
    EXPECT_TRUE(r.captureMouse);
    EXPECT_FALSE(r.releaseMouse);
    core->joystickMotion(400, 0, 800, 600);
    EXPECT_EQ(core->camera.thetaInput, 2.0);
    core->joystickMotion(600, 0, 800, 600);
    EXPECT_EQ(core->camera.rhoInput, -1.0);
    // Switching the control off stops the turn the pointer set.
    r = core->keyDown('M', true, false);
    EXPECT_TRUE(r.releaseMouse);
    EXPECT_EQ(core->camera.thetaInput, 0.0);
    EXPECT_EQ(core->camera.phiInput, 0.0);
    EXPECT_EQ(core->camera.rhoInput, 0.0);
    core->keyDown('M', true, false);
    core->joystickMotion(600, 0, 800, 600);
    core->mouseCaptureLost();
    EXPECT_FALSE(core->mouseControl);
    EXPECT_EQ(core->camera.thetaInput, 0.0);
    EXPECT_EQ(core->camera.phiInput, 0.0);
    EXPECT_EQ(core->camera.rhoInput, 0.0);
    core->joystickMotion(400, 0, 800, 600);
    EXPECT_EQ(core->camera.thetaInput, 0.0);
    r = core->keyDown('M', true, false);
    EXPECT_TRUE(r.captureMouse);
    r = core->keyDown('M', true, false);
    EXPECT_TRUE(r.releaseMouse);
    EXPECT_FALSE(core->mouseControl);
}

// Keys held when the focus goes elsewhere are released there: losing the
// focus releases every input, in both layouts.
TEST(ViewerCore, LosingTheFocusReleasesHeldKeys) {
    struct Press {
        int code;
        bool ctrl;
    };
    auto check = [](ViewerCore& core, std::vector<Press> const& presses) {
        for (Press const& p : presses) core.keyDown(p.code, p.ctrl, true);
        Camera const& c = core.camera;
        EXPECT_NE(c.walkInput.get(0) * c.strafeInput.get(1) * c.jumpInput.get(2), 0.0);
        core.focusLost();
        EXPECT_EQ(c.walkInput.get(0), 0.0);
        EXPECT_EQ(c.strafeInput.get(1), 0.0);
        EXPECT_EQ(c.jumpInput.get(2), 0.0);
        for (double input : {c.thetaInput, c.phiInput, c.rhoInput, c.focusRate, c.perspectiveRate, c.motionBlurRate})
            EXPECT_EQ(input, 0.0);
        // Settings stay as the presses left them.
        EXPECT_EQ(c.speedFactor, 10.0);
    };
    check(*quorvexCore(), {{'W', false},
                           {'D', false},
                           {'E', false},
                           {'U', true},
                           {'K', true},
                           {'B', true},
                           {keys::Left, false},
                           {keys::Up, false}});
    check(*quorvexviewCore(),
          {{'S', false}, {'A', false}, {'Q', false}, {'O', false}, {'J', false}, {keys::PageDown, false}});
}

TEST(ViewerCore, SceneStandsStillUntilCtrlPButTheCameraMoves) {
    auto core = quorvexCore();
    Obj* bob = tracedScene(*core).traced()[1];
    Vect const start = bob->getX();
    core->keyDown('W', false, false);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(core->tick(20));
    EXPECT_EQ(bob->getX().get(1), start.get(1));
    EXPECT_TRUE(tracedScene(*core).trajectories()[0].empty());
    // The forward key pushes the body along -x, which carries the eye forward.
    EXPECT_LT(core->camera.getX().get(0), 0.0);
    core->keyDown('P', true, false);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(core->tick(20));
        EXPECT_EQ(tracedScene(*core).trajectories()[0].size(), std::size_t(i));
    }
    EXPECT_NE(bob->getX().get(1), start.get(1));
    // Short ticks gather: no step until the sum passes 10 ms.
    EXPECT_FALSE(core->tick(5));
    EXPECT_FALSE(core->tick(5));
    EXPECT_TRUE(core->tick(5));
    EXPECT_EQ(tracedScene(*core).trajectories()[0].size(), 4u);
}

TEST(ViewerCore, TicksGatherWhileThePhysicsIsOff) {
    auto core = quorvexCore();
    EXPECT_FALSE(core->tick(5));
    EXPECT_FALSE(core->tick(5));
    EXPECT_EQ(core->tickAccumulator.value(), 10.0);
    core->keyDown('P', true, false);
    EXPECT_TRUE(core->tick(5));  // 15 ms gathered: the first tick steps
    EXPECT_EQ(core->tickAccumulator.value(), 0.0);
}

// GTK's second paint of a pair draws nothing; each change makes the next
// paint, and only that one, draw.
TEST(ViewerCore, OneFramePerChange) {
    auto core = quorvexCore();
    EXPECT_TRUE(core->takeFrame());  // the first frame
    EXPECT_FALSE(core->takeFrame());
    struct Change {
        char const* name;
        void (*make)(ViewerCore&);
    };
    Change const changes[] = {
        {"tick", [](ViewerCore& c) { c.tick(20); }},
        {"key", [](ViewerCore& c) { c.keyDown(keys::Tab, false, false); }},
        {"resize", [](ViewerCore& c) { c.sizeChanged(); }},
        {"resize and tick",
         [](ViewerCore& c) {
             c.sizeChanged();
             c.tick(20);
         }},
    };
    for (Change const& change : changes) {
        change.make(*core);
        EXPECT_TRUE(core->takeFrame()) << change.name;
        EXPECT_FALSE(core->takeFrame()) << change.name;
    }
}

TEST(EarlierViewerCore, EarlierCameraEngineAndUniverse) {
    auto core = quorvexviewCore();
    EXPECT_EQ(core->camera.zNear, 0.01);
    EXPECT_FALSE(core->camera.getProfile().helpPanel);
    EXPECT_FALSE(core->mainSys.getRules().dampingStep);
    ASSERT_NE(core->universe, nullptr);
    EXPECT_TRUE(core->universe->get()->objs.empty());
    EXPECT_EQ(quorvexCore()->universe, nullptr);
}

TEST(EarlierViewerCore, LTogglesThePhysicsTwice) {
    auto core = quorvexviewCore();
    Obj* any = nullptr;
    for (Obj* o : core->mainSys.objs)
        if (o->getM() == 2.0) any = o;
    ASSERT_NE(any, nullptr);
    Vect const start = any->getX();
    core->keyDown('L', false, false);
    EXPECT_TRUE(core->physicsOn);
    EXPECT_TRUE(core->tick(20));
    EXPECT_EQ(core->tickAccumulator.value(), 0.0);
    core->keyDown('L', true, false);
    EXPECT_FALSE(core->physicsOn);
    Vect const after = any->getX();
    EXPECT_NE(after.get(2), start.get(2));
    EXPECT_FALSE(core->tick(20));
    EXPECT_EQ(core->tickAccumulator.value(), 0.0);
    EXPECT_EQ(any->getX().get(2), after.get(2));
}

TEST(EarlierViewerCore, ShiftSpeedFactorOutlivesTheRelease) {
    auto core = quorvexviewCore();
    core->keyDown('W', false, true);
    EXPECT_EQ(core->camera.speedFactor, 10.0);
    core->keyUp('W');
    EXPECT_EQ(core->camera.walkInput.get(0), 0.0);
    EXPECT_EQ(core->camera.speedFactor, 10.0);
    // No motion blur control, no bodies to throw.
    std::size_t const n = core->mainSys.objs.size();
    core->keyDown(keys::Space, false, false);
    EXPECT_EQ(core->mainSys.objs.size(), n);
}

TEST(EarlierViewerCore, MouseLookTurnsWithoutRoll) {
    auto core = quorvexviewCore();
    core->lookMotion(798, 574, 798, 574);
    EXPECT_EQ(core->camera.thetaInput, 1.0);
    EXPECT_EQ(core->camera.phiInput, 1.0);
    EXPECT_EQ(core->camera.rhoInput, 0.0);
    core->lookMotion(399, 287, 798, 574);
    EXPECT_EQ(core->camera.thetaInput, 0.0);
    EXPECT_EQ(core->camera.phiInput, 0.0);
}

TEST(EarlierViewerCore, EachLookMoveTurnsForOneTick) {
    auto core = quorvexviewCore();
    core->lookMotion(600, 287, 800, 574);
    EXPECT_EQ(core->camera.phiInput, 0.5);
    // The tick uses the input, then the pointer counts as back at the centre.
    core->tick(20);
    EXPECT_EQ(core->camera.phiInput, 0.0);
    double const turned = core->camera.phi;
    EXPECT_GT(turned, 0.0);
    // Two moves before one tick turn by both.
    auto both = quorvexviewCore();
    both->lookMotion(500, 287, 800, 574);
    both->lookMotion(500, 287, 800, 574);
    EXPECT_EQ(both->camera.phiInput, 0.5);
    both->tick(20);
    EXPECT_EQ(both->camera.phi, turned);
    // Without further moves the turn dies away: the speed decays by 0.7 a tick.
    for (int i = 0; i < 100; ++i) core->tick(20);
    EXPECT_NEAR(core->camera.phiSpeed, 0.0, 1e-12);
    double const settled = core->camera.phi;
    core->tick(20);
    EXPECT_NEAR(core->camera.phi, settled, 1e-12);
    // Keys are not touched by it: a held Up survives the tick.
    core->keyDown(keys::Up, false, false);
    core->tick(20);
    EXPECT_EQ(core->camera.thetaInput, 1.0);
}

}  // namespace
