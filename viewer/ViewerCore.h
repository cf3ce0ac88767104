#pragma once

#include <memory>
#include <set>
#include <vector>

#include "render/Camera.h"
#include "render/PaintCycle.h"
#include "systems/System.h"
#include "systems/Universe.h"
#include "viewer/FrontEnd.h"
#include "viewer/KeyMap.h"
#include "viewer/MouseTurn.h"
#include "viewer/Scene.h"
#include "viewer/TickAccumulator.h"

class ObjC;

// What the canvas must do in the window after a key press.
struct WindowRequest {
    bool toggleFullScreen = false;
    // The mouse control was switched on (capture the mouse) or off (release).
    bool captureMouse = false;
    bool releaseMouse = false;
};

// Everything the viewer canvas holds and does apart from talking to the
// toolkit: the camera, the switches, the top-level system with its scene,
// the tick and the paint cycle. The canvas translates toolkit events into
// these calls, so all of it runs without a window.
class ViewerCore {
public:
    // Builds the members, hands the front end's engine rules to mainSys,
    // seeds the C generator from the clock, then builds the scene into it.
    ViewerCore(FrontEnd const& frontEnd, std::unique_ptr<Scene> scene);
    ViewerCore(ViewerCore const&) = delete;
    ViewerCore& operator=(ViewerCore const&) = delete;

    // Key press: applies the key map's actions (Space throws 75 bodies into
    // mainSys) and says what the window must do.
    WindowRequest keyDown(int code, bool ctrl, bool shift);
    // Key release.
    void keyUp(int code);
    // Pointer moved to (x, y) in a w × h canvas, joystick style: steers
    // while the mouse control is on, releases the turn inputs otherwise.
    void joystickMotion(int x, int y, int w, int h);
    // Pointer moved with the left button held, mouse-look style: the offsets
    // from the centre of the moves since the last tick add up to the turn
    // inputs, and the canvas warps the pointer back to the centre. That
    // warp's own motion event would set the inputs back to 0, but the toolkit
    // may merge it with others or deliver it before any tick has used the
    // turn; so the inputs go back to 0 after the next tick instead: every
    // move turns the view for one tick, and the view stops turning when the
    // mouse stops.
    void lookMotion(int x, int y, int w, int h);
    // The mouse capture was taken away: the mouse control turns off and the
    // turn inputs are released.
    void mouseCaptureLost();
    // The keyboard focus went to another window (switching windows,
    // minimising): the releases of keys held now go there, so every input a
    // key holds is released here, as its key-up would.
    void focusLost();
    // One timer tick of interval ms: scene step when due and the physics is
    // on, then the camera's step. True when the scene stepped.
    bool tick(double interval);
    // The canvas got a new size: the next paint draws.
    void sizeChanged() { frameDue_ = true; }
    // Asked by every paint request that could draw: true when it is to draw
    // a frame, which uses up the changes since the last one (the first frame,
    // a tick, a key press, a new size; held inputs show through the camera's
    // step, at the next tick). One frame per change: GTK asks for two paints
    // in one go when both the frame and the canvas need one (after a resize
    // and a tick), and holds the window system's events back until both are
    // done; after a frame that took seconds (a huge window in software), the
    // second would be drawn, for as long again, at a size the window no
    // longer has. The skipped paint is made up by the next tick, 20 ms on.
    bool takeFrame();
    // One frame into the current GL context's w × h viewport (before the
    // buffer swap): kept picture, camera, mono or red/cyan passes of
    // scenePass(); nothing for a drawable beyond the driver's limits.
    void paint(int w, int h);
    // What every pass draws: the universe (earlier front end), the scene.
    void scenePass();

    // 25 times three shown point bodies of mass 10 at (3, 0, 0) with random
    // velocities of amplitude 5, 10 and 20.
    static void throwBodies(System& sys);

    FrontEnd const frontEnd;
    Camera camera;
    std::unique_ptr<Universe> universe;
    bool physicsOn = false;
    std::set<Obj*> rootObjs;
    std::set<ObjC*> rootObjCs;
    System mainSys;
    bool mouseControl = false;
    bool stereoOn = false;
    TickAccumulator tickAccumulator;
    std::unique_ptr<Scene> scene;
    PaintCycle frame;

private:
    // Applies one key action; what the window must do is added to request.
    void apply(Action const& a, WindowRequest& request);

    MouseLookSum lookTurn_;
    bool frameDue_ = true;
};
