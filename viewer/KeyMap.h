#pragma once

#include <cstddef>
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

// What a row of a key table asks of the modifiers; a row that asks nothing
// matches whatever they are.
enum class Needs { Nothing, Ctrl, Shift };

// One row of a key table: a key code, what it needs of the modifiers, and
// one or two actions in the order they are to be applied.
struct KeyRow {
    constexpr KeyRow(int c, Needs n, Action a) : code(c), needs(n), actions{a, a}, count(1) {}
    constexpr KeyRow(int c, Needs n, Action a, Action b) : code(c), needs(n), actions{a, b}, count(2) {}
    constexpr KeyRow(int c, Action a) : KeyRow(c, Needs::Nothing, a) {}
    constexpr KeyRow(int c, Action a, Action b) : KeyRow(c, Needs::Nothing, a, b) {}

    bool matches(int c, bool ctrl, bool shift) const {
        return c == code && (needs != Needs::Ctrl || ctrl) && (needs != Needs::Shift || shift);
    }
    Action const* begin() const { return actions; }
    Action const* end() const { return actions + count; }

    int code;
    Needs needs;
    Action actions[2];
    int count;
};

// A key table: its rows are looked at in order and the first that matches
// the key and the modifiers gives the actions.
struct KeyTable {
    KeyRow const* first;
    std::size_t size;

    KeyRow const* begin() const { return first; }
    KeyRow const* end() const { return first + size; }
    // The first matching row, or nullptr.
    KeyRow const* find(int code, bool ctrl, bool shift) const;
};

// The key presses and the key releases of a layout.
KeyTable keyDownTable(KeyStyle style);
KeyTable keyUpTable(KeyStyle style);

// The actions of a key press, in the order they are to be applied: the
// speed factor (10 with Shift, else 1) for every key, then the actions of
// the key's row in the press table, if any.
std::vector<Action> keyDownActions(KeyStyle style, int code, bool ctrl, bool shift);
// The actions of a key release (its row in the release table); modifiers
// play no part.
std::vector<Action> keyUpActions(KeyStyle style, int code);
