#include "viewer/ViewerCore.h"

#include <cstddef>
#include <cstdlib>
#include <ctime>

#include "numerics/Rand.h"

ViewerCore::ViewerCore(FrontEnd const& fe, std::unique_ptr<Scene> sc)
    : frontEnd(fe),
      camera(fe.camera),
      universe(fe.universeDrawn ? std::make_unique<Universe>() : nullptr),
      mainSys(1, rootObjs, rootObjCs, Vect{0.0, 0.0, 0.0}, Vect{0.0, 0.0, 0.0}),
      scene(std::move(sc)) {
    mainSys.setRules(frontEnd.rules);
    if (universe) universe->get()->setRules(frontEnd.rules);
    // The random draws of the space key depend on the seed.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (scene) scene->build(mainSys);
}

namespace {

void stopTurning(Camera& camera) {
    camera.RotateTheta(0);
    camera.RotatePhi(0);
    camera.RotateRho(0);
}

// What each command does to the core, one entry per command in the order of
// Command; what the window must do goes into the request.
using Effect = void (*)(ViewerCore&, double, WindowRequest&);
struct CommandEffect {
    Command command;
    Effect effect;
};
constexpr CommandEffect effects[] = {
    {Command::SpeedFactor, [](ViewerCore& c, double v, WindowRequest&) { c.camera.speedFactor = v; }},
    {Command::Walk, [](ViewerCore& c, double v, WindowRequest&) { c.camera.walk(v); }},
    {Command::Strafe, [](ViewerCore& c, double v, WindowRequest&) { c.camera.strafe(v); }},
    {Command::Jump, [](ViewerCore& c, double v, WindowRequest&) { c.camera.jump(v); }},
    {Command::RotateTheta, [](ViewerCore& c, double v, WindowRequest&) { c.camera.RotateTheta(v); }},
    {Command::RotatePhi, [](ViewerCore& c, double v, WindowRequest&) { c.camera.RotatePhi(v); }},
    {Command::RotateRho, [](ViewerCore& c, double v, WindowRequest&) { c.camera.RotateRho(v); }},
    {Command::FocusMove, [](ViewerCore& c, double v, WindowRequest&) { c.camera.focusMove(v); }},
    {Command::PerspectiveMove, [](ViewerCore& c, double v, WindowRequest&) { c.camera.perspectiveMove(v); }},
    {Command::MotionBlurMove, [](ViewerCore& c, double v, WindowRequest&) { c.camera.motionBlurMove(v); }},
    {Command::ToggleHelp, [](ViewerCore& c, double, WindowRequest&) { c.camera.helpShown = !c.camera.helpShown; }},
    {Command::CycleCompass,
     [](ViewerCore& c, double, WindowRequest&) { c.camera.compassMode = (c.camera.compassMode + 1) % 3; }},
    {Command::ToggleStereo, [](ViewerCore& c, double, WindowRequest&) { c.stereoOn = !c.stereoOn; }},
    {Command::TogglePhysics, [](ViewerCore& c, double, WindowRequest&) { c.physicsOn = !c.physicsOn; }},
    {Command::ToggleMouseControl,
     [](ViewerCore& c, double, WindowRequest& r) {
         c.mouseControl = !c.mouseControl;
         (c.mouseControl ? r.captureMouse : r.releaseMouse) = true;
         // The pointer no longer steers: the turn it set stops with it.
         if (!c.mouseControl) stopTurning(c.camera);
     }},
    {Command::ToggleFullScreen, [](ViewerCore&, double, WindowRequest& r) { r.toggleFullScreen = true; }},
    {Command::ThrowBodies, [](ViewerCore& c, double, WindowRequest&) { ViewerCore::throwBodies(c.mainSys); }},
};

constexpr bool oneEffectPerCommandInOrder() {
    std::size_t const n = sizeof effects / sizeof effects[0];
    for (std::size_t i = 0; i < n; ++i)
        if (effects[i].command != Command(i)) return false;
    return n == std::size_t(Command::ThrowBodies) + 1;
}
static_assert(oneEffectPerCommandInOrder(), "effects: one per command, in the order of Command");

}  // namespace

void ViewerCore::apply(Action const& a, WindowRequest& request) {
    effects[std::size_t(a.command)].effect(*this, a.value, request);
}

WindowRequest ViewerCore::keyDown(int code, bool ctrl, bool shift) {
    frameDue_ = true;
    WindowRequest request;
    for (Action const& a : keyDownActions(frontEnd.keys, code, ctrl, shift)) apply(a, request);
    return request;
}

void ViewerCore::keyUp(int code) {
    WindowRequest ignored;
    for (Action const& a : keyUpActions(frontEnd.keys, code)) apply(a, ignored);
}

void ViewerCore::joystickMotion(int x, int y, int w, int h) {
    MouseTurn const t = mouseControl ? joystickTurn(x, y, w, h) : MouseTurn{};
    camera.RotateTheta(t.theta);
    camera.RotatePhi(t.phi);
    camera.RotateRho(t.rho);
}

void ViewerCore::lookMotion(int x, int y, int w, int h) {
    MouseTurn const t = lookTurn_.move(x, y, w, h);
    camera.RotateTheta(t.theta);
    camera.RotatePhi(t.phi);
}

void ViewerCore::mouseCaptureLost() {
    mouseControl = false;
    stopTurning(camera);
}

void ViewerCore::focusLost() {
    WindowRequest ignored;
    for (KeyRow const& row : keyUpTable(frontEnd.keys))
        for (Action const& a : row) apply(a, ignored);
}

bool ViewerCore::tick(double interval) {
    frameDue_ = true;
    bool stepped = false;
    if (tickAccumulator.add(interval) && physicsOn && scene) {
        scene->step(mainSys);
        stepped = true;
    }
    camera.update(interval);
    if (lookTurn_.tickDone()) {
        // The pointer is back at the centre.
        camera.RotateTheta(0);
        camera.RotatePhi(0);
    }
    return stepped;
}

bool ViewerCore::takeFrame() {
    bool const due = frameDue_;
    frameDue_ = false;
    return due;
}

void ViewerCore::scenePass() {
    if (universe) universe->disp();
    if (scene) scene->pass(mainSys);
}

void ViewerCore::paint(int w, int h) {
    frame.paint(w, h, camera, stereoOn, [this] { scenePass(); });
}

void ViewerCore::throwBodies(System& sys) {
    Vect const at{3.0, 0.0, 0.0};
    for (int pass = 0; pass < 25; ++pass)
        for (double amp : {5.0, 10.0, 20.0}) sys.addObj(at, randVect(amp, 3), 10.0, 0.0, false, 0.0, true);
}
