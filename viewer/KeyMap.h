#pragma once

#include <vector>

// Key codes the viewers react to. Letters are their upper-case character
// codes whatever the Shift state; the others are the toolkit's codes (the
// canvas checks at compile time that they agree).
namespace keys {
constexpr int Tab = 9;
constexpr int Space = 32;
constexpr int Left = 314;
constexpr int Up = 315;
constexpr int Right = 316;
constexpr int Down = 317;
constexpr int PageUp = 366;
constexpr int PageDown = 367;
}  // namespace keys

// What a key can do to the camera, the switches and the scene.
enum class Command {
    SpeedFactor,      // camera.speedFactor = value
    Walk,             // camera.walk(value)
    Strafe,           // camera.strafe(value)
    Jump,             // camera.jump(value)
    RotateTheta,      // camera.RotateTheta(value)
    RotatePhi,        // camera.RotatePhi(value)
    RotateRho,        // camera.RotateRho(value)
    FocusMove,        // camera.focusMove(value)
    PerspectiveMove,  // camera.perspectiveMove(value)
    MotionBlurMove,   // camera.motionBlurMove(value)
    ToggleHelp,       // camera.helpShown = !helpShown
    CycleCompass,     // camera.compassMode = (compassMode + 1) mod 3
    ToggleStereo,
    TogglePhysics,
    ToggleMouseControl,
    ToggleFullScreen,
    ThrowBodies,  // 75 bodies with random velocities into the scene
};

struct Action {
    Command command;
    double value = 0.0;
    bool operator==(Action const& o) const { return command == o.command && value == o.value; }
};

// The two key layouts: the current viewers' (Ctrl for the switches) and the
// earlier viewer's plain letters.
enum class KeyStyle { Current, Earlier };

// The actions of a key press, in the order they are to be applied. Every
// key press starts with the speed factor (10 with Shift, else 1).
std::vector<Action> keyDownActions(KeyStyle style, int code, bool ctrl, bool shift);
// The actions of a key release; modifiers play no part.
std::vector<Action> keyUpActions(KeyStyle style, int code);
