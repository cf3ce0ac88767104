#pragma once

#include "bodies/EngineRules.h"
#include "render/CameraProfile.h"
#include "viewer/KeyMap.h"

// How the mouse steers the camera.
enum class MouseStyle {
    // Ctrl+M toggles a joystick: the pointer's offset from the centre turns
    // the view; button and wheel events are consumed.
    Joystick,
    // While the left button is held the pointer's offset turns the view and
    // the pointer goes back to the centre; buttons are left to the toolkit.
    LeftDragLook,
};

// Everything in which the viewers' front ends differ; the canvas, window and
// application are the same code for all of them.
struct FrontEnd {
    bool fullScreenAtStart = true;
    bool centred = true;
    bool crossCursor = true;
    KeyStyle keys = KeyStyle::Current;
    MouseStyle mouse = MouseStyle::Joystick;
    // An empty universe drawn before the scene in every pass.
    bool universeDrawn = false;
    CameraProfile camera = CameraProfile::current();
    EngineRules rules = EngineRules::current();

    // quorvex and quorvexlight.
    static FrontEnd current() { return FrontEnd{}; }
    // quorvexview: a normal window, plain letter keys, left-drag mouse look,
    // the earlier camera and engine.
    static FrontEnd earlier() {
        FrontEnd f;
        f.fullScreenAtStart = false;
        f.centred = false;
        f.crossCursor = false;
        f.keys = KeyStyle::Earlier;
        f.mouse = MouseStyle::LeftDragLook;
        f.universeDrawn = true;
        f.camera = CameraProfile::earlier();
        f.rules = EngineRules::earlier();
        return f;
    }
};
