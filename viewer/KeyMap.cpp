#include "viewer/KeyMap.h"

namespace {

using A = std::vector<Action>;

// Keys of the current layout acted on whatever the Ctrl state; they are
// looked at before the Ctrl keys, so Ctrl+W still walks.
bool driveKey(int code, bool shift, A& out) {
    switch (code) {
    case 'W':
        out.push_back({Command::Walk, -1});
        return true;
    case 'S':
        out.push_back({Command::Walk, 1});
        return true;
    case 'A':
        out.push_back({Command::Strafe, -1});
        if (shift) out.push_back({Command::RotateRho, -0.5});
        return true;
    case 'D':
        out.push_back({Command::Strafe, 1});
        if (shift) out.push_back({Command::RotateRho, 0.5});
        return true;
    case 'E':
        out.push_back({Command::Jump, -1});
        return true;
    case 'Q':
        out.push_back({Command::Jump, 1});
        return true;
    default:
        return false;
    }
}

bool ctrlKey(int code, A& out) {
    switch (code) {
    case 'U':
        out.push_back({Command::FocusMove, 0.0005});
        return true;
    case 'O':
        out.push_back({Command::FocusMove, -0.0005});
        return true;
    case 'I':
        out.push_back({Command::ToggleStereo});
        return true;
    case 'K':
        out.push_back({Command::PerspectiveMove, 0.01});
        return true;
    case 'L':
        out.push_back({Command::PerspectiveMove, -0.01});
        return true;
    case 'J':
        out.push_back({Command::CycleCompass});
        return true;
    case 'F':
        out.push_back({Command::ToggleFullScreen});
        return true;
    case 'M':
        out.push_back({Command::ToggleMouseControl});
        return true;
    case 'B':
        out.push_back({Command::MotionBlurMove, 0.005});
        return true;
    case 'N':
        out.push_back({Command::MotionBlurMove, -0.005});
        return true;
    case 'P':
        out.push_back({Command::TogglePhysics});
        return true;
    default:
        return false;
    }
}

// Arrows and page keys, shared by both layouts.
bool turnKey(int code, A& out) {
    switch (code) {
    case keys::Left:
        out.push_back({Command::RotatePhi, -1});
        out.push_back({Command::RotateRho, 1});
        return true;
    case keys::Right:
        out.push_back({Command::RotatePhi, 1});
        out.push_back({Command::RotateRho, -1});
        return true;
    case keys::Up:
        out.push_back({Command::RotateTheta, 1});
        return true;
    case keys::Down:
        out.push_back({Command::RotateTheta, -1});
        return true;
    case keys::PageUp:
        out.push_back({Command::RotateRho, -2});
        return true;
    case keys::PageDown:
        out.push_back({Command::RotateRho, 2});
        return true;
    default:
        return false;
    }
}

A currentDown(int code, bool ctrl, bool shift, A out) {
    if (driveKey(code, shift, out)) return out;
    if (code == keys::Tab) {
        out.push_back({Command::ToggleHelp});
        return out;
    }
    if (ctrl && ctrlKey(code, out)) return out;
    if (turnKey(code, out)) return out;
    if (code == keys::Space) out.push_back({Command::ThrowBodies});
    return out;
}

A earlierDown(int code, bool ctrl, bool shift, A out) {
    if (driveKey(code, shift, out)) return out;
    switch (code) {
    case 'O':
        out.push_back({Command::FocusMove, 0.005});
        return out;
    case 'P':
        out.push_back({Command::FocusMove, -0.005});
        return out;
    case 'J':
        out.push_back({Command::PerspectiveMove, 0.01});
        return out;
    case 'K':
        out.push_back({Command::PerspectiveMove, -0.01});
        return out;
    case 'I':
        out.push_back({Command::ToggleStereo});
        return out;
    case 'L':
        out.push_back({Command::TogglePhysics});
        return out;
    case 'F':
        if (ctrl) out.push_back({Command::ToggleFullScreen});
        return out;
    default:
        turnKey(code, out);
        return out;
    }
}

// Releases shared by both layouts (the earlier one has no motion blur keys
// and lets U, B and N go).
bool releaseKey(int code, A& out) {
    switch (code) {
    case 'W':
    case 'S':
        out.push_back({Command::Walk, 0});
        return true;
    case 'A':
    case 'D':
        out.push_back({Command::Strafe, 0});
        out.push_back({Command::RotateRho, 0});
        return true;
    case 'E':
    case 'Q':
        out.push_back({Command::Jump, 0});
        return true;
    case keys::Left:
    case keys::Right:
        out.push_back({Command::RotatePhi, 0});
        out.push_back({Command::RotateRho, 0});
        return true;
    case keys::Up:
    case keys::Down:
        out.push_back({Command::RotateTheta, 0});
        return true;
    case keys::PageUp:
    case keys::PageDown:
        out.push_back({Command::RotateRho, 0});
        return true;
    default:
        return false;
    }
}

}  // namespace

std::vector<Action> keyDownActions(KeyStyle style, int code, bool ctrl, bool shift) {
    A out{{Command::SpeedFactor, shift ? 10.0 : 1.0}};
    return style == KeyStyle::Current ? currentDown(code, ctrl, shift, std::move(out))
                                      : earlierDown(code, ctrl, shift, std::move(out));
}

std::vector<Action> keyUpActions(KeyStyle style, int code) {
    A out;
    if (releaseKey(code, out)) return out;
    if (style == KeyStyle::Current) {
        switch (code) {
        case 'U':
        case 'O':
            out.push_back({Command::FocusMove, 0});
            break;
        case 'K':
        case 'L':
            out.push_back({Command::PerspectiveMove, 0});
            break;
        case 'B':
        case 'N':
            out.push_back({Command::MotionBlurMove, 0});
            break;
        default:
            break;
        }
    } else {
        switch (code) {
        case 'J':
        case 'K':
            out.push_back({Command::PerspectiveMove, 0});
            break;
        case 'O':
        case 'P':
            out.push_back({Command::FocusMove, 0});
            break;
        default:
            break;
        }
    }
    return out;
}
