#include "viewer/ViewerCore.h"

#include <cstdlib>
#include <ctime>

#include "numerics/Rand.h"
#include "viewer/MouseTurn.h"

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

WindowRequest ViewerCore::apply(Action const& a) {
    WindowRequest r;
    switch (a.command) {
    case Command::SpeedFactor:
        camera.speedFactor = a.value;
        break;
    case Command::Walk:
        camera.walk(a.value);
        break;
    case Command::Strafe:
        camera.strafe(a.value);
        break;
    case Command::Jump:
        camera.jump(a.value);
        break;
    case Command::RotateTheta:
        camera.RotateTheta(a.value);
        break;
    case Command::RotatePhi:
        camera.RotatePhi(a.value);
        break;
    case Command::RotateRho:
        camera.RotateRho(a.value);
        break;
    case Command::FocusMove:
        camera.focusMove(a.value);
        break;
    case Command::PerspectiveMove:
        camera.perspectiveMove(a.value);
        break;
    case Command::MotionBlurMove:
        camera.motionBlurMove(a.value);
        break;
    case Command::ToggleHelp:
        camera.helpShown = !camera.helpShown;
        break;
    case Command::CycleCompass:
        camera.compassMode = (camera.compassMode + 1) % 3;
        break;
    case Command::ToggleStereo:
        stereoOn = !stereoOn;
        break;
    case Command::TogglePhysics:
        physicsOn = !physicsOn;
        break;
    case Command::ToggleMouseControl:
        mouseControl = !mouseControl;
        (mouseControl ? r.captureMouse : r.releaseMouse) = true;
        break;
    case Command::ToggleFullScreen:
        r.toggleFullScreen = true;
        break;
    case Command::ThrowBodies:
        throwBodies(mainSys);
        break;
    }
    return r;
}

WindowRequest ViewerCore::keyDown(int code, bool ctrl, bool shift) {
    WindowRequest all;
    for (Action const& a : keyDownActions(frontEnd.keys, code, ctrl, shift)) {
        WindowRequest const r = apply(a);
        all.toggleFullScreen |= r.toggleFullScreen;
        all.captureMouse |= r.captureMouse;
        all.releaseMouse |= r.releaseMouse;
    }
    return all;
}

void ViewerCore::keyUp(int code) {
    for (Action const& a : keyUpActions(frontEnd.keys, code)) apply(a);
}

void ViewerCore::joystickMotion(int x, int y, int w, int h) {
    MouseTurn const t = mouseControl ? joystickTurn(x, y, w, h) : MouseTurn{};
    camera.RotateTheta(t.theta);
    camera.RotatePhi(t.phi);
    camera.RotateRho(t.rho);
}

void ViewerCore::lookMotion(int x, int y, int w, int h) {
    MouseTurn const t = mouseLookTurn(x, y, w, h);
    camera.RotateTheta(t.theta);
    camera.RotatePhi(t.phi);
    lookTurnPending_ = true;
}

void ViewerCore::mouseCaptureLost() {
    mouseControl = false;
    camera.RotateTheta(0);
    camera.RotatePhi(0);
    camera.RotateRho(0);
}

bool ViewerCore::tick(double interval) {
    bool stepped = false;
    if (tickAccumulator.add(interval) && physicsOn && scene) {
        scene->step(mainSys);
        stepped = true;
    }
    camera.update(interval);
    if (lookTurnPending_) {
        // The pointer is back at the centre.
        camera.RotateTheta(0);
        camera.RotatePhi(0);
        lookTurnPending_ = false;
    }
    return stepped;
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
