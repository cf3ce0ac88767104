#include "viewer/KeyMap.h"

namespace {

using C = Command;
constexpr Needs withCtrl = Needs::Ctrl;
constexpr Needs withShift = Needs::Shift;

// The current viewers. The drive keys and Tab come first and ask nothing of
// Ctrl, so Ctrl+W still walks; the switches need Ctrl (U alone does
// nothing); the turn keys and Space work with or without it.
constexpr KeyRow currentDown[] = {
    {'W', {C::Walk, -1}},
    {'S', {C::Walk, 1}},
    {'A', withShift, {C::Strafe, -1}, {C::RotateRho, -0.5}},
    {'A', {C::Strafe, -1}},
    {'D', withShift, {C::Strafe, 1}, {C::RotateRho, 0.5}},
    {'D', {C::Strafe, 1}},
    {'E', {C::Jump, -1}},
    {'Q', {C::Jump, 1}},
    {keys::Tab, {C::ToggleHelp}},
    {'U', withCtrl, {C::FocusMove, 0.0005}},
    {'O', withCtrl, {C::FocusMove, -0.0005}},
    {'I', withCtrl, {C::ToggleStereo}},
    {'K', withCtrl, {C::PerspectiveMove, 0.01}},
    {'L', withCtrl, {C::PerspectiveMove, -0.01}},
    {'J', withCtrl, {C::CycleCompass}},
    {'F', withCtrl, {C::ToggleFullScreen}},
    {'M', withCtrl, {C::ToggleMouseControl}},
    {'B', withCtrl, {C::MotionBlurMove, 0.005}},
    {'N', withCtrl, {C::MotionBlurMove, -0.005}},
    {'P', withCtrl, {C::TogglePhysics}},
    {keys::Left, {C::RotatePhi, -1}, {C::RotateRho, 1}},
    {keys::Right, {C::RotatePhi, 1}, {C::RotateRho, -1}},
    {keys::Up, {C::RotateTheta, 1}},
    {keys::Down, {C::RotateTheta, -1}},
    {keys::PageUp, {C::RotateRho, -2}},
    {keys::PageDown, {C::RotateRho, 2}},
    {keys::Space, {C::ThrowBodies}},
};

// Releases stop what the press started, whatever the modifiers: releasing U
// stops a focus change even without Ctrl.
constexpr KeyRow currentUp[] = {
    {'W', {C::Walk, 0}},
    {'S', {C::Walk, 0}},
    {'A', {C::Strafe, 0}, {C::RotateRho, 0}},
    {'D', {C::Strafe, 0}, {C::RotateRho, 0}},
    {'E', {C::Jump, 0}},
    {'Q', {C::Jump, 0}},
    {'U', {C::FocusMove, 0}},
    {'O', {C::FocusMove, 0}},
    {'K', {C::PerspectiveMove, 0}},
    {'L', {C::PerspectiveMove, 0}},
    {'B', {C::MotionBlurMove, 0}},
    {'N', {C::MotionBlurMove, 0}},
    {keys::Left, {C::RotatePhi, 0}, {C::RotateRho, 0}},
    {keys::Right, {C::RotatePhi, 0}, {C::RotateRho, 0}},
    {keys::Up, {C::RotateTheta, 0}},
    {keys::Down, {C::RotateTheta, 0}},
    {keys::PageUp, {C::RotateRho, 0}},
    {keys::PageDown, {C::RotateRho, 0}},
};

// The earlier viewer: plain letters whatever the Ctrl state, except F; no
// help panel, motion blur, mouse switch or bodies to throw.
constexpr KeyRow earlierDown[] = {
    {'W', {C::Walk, -1}},
    {'S', {C::Walk, 1}},
    {'A', withShift, {C::Strafe, -1}, {C::RotateRho, -0.5}},
    {'A', {C::Strafe, -1}},
    {'D', withShift, {C::Strafe, 1}, {C::RotateRho, 0.5}},
    {'D', {C::Strafe, 1}},
    {'Q', {C::Jump, 1}},
    {'E', {C::Jump, -1}},
    {'O', {C::FocusMove, 0.005}},
    {'P', {C::FocusMove, -0.005}},
    {'J', {C::PerspectiveMove, 0.01}},
    {'K', {C::PerspectiveMove, -0.01}},
    {'I', {C::ToggleStereo}},
    {'L', {C::TogglePhysics}},
    {'F', withCtrl, {C::ToggleFullScreen}},
    {keys::Left, {C::RotatePhi, -1}, {C::RotateRho, 1}},
    {keys::Right, {C::RotatePhi, 1}, {C::RotateRho, -1}},
    {keys::Up, {C::RotateTheta, 1}},
    {keys::Down, {C::RotateTheta, -1}},
    {keys::PageUp, {C::RotateRho, -2}},
    {keys::PageDown, {C::RotateRho, 2}},
};

constexpr KeyRow earlierUp[] = {
    {'A', {C::Strafe, 0}, {C::RotateRho, 0}},
    {'D', {C::Strafe, 0}, {C::RotateRho, 0}},
    {'Q', {C::Jump, 0}},
    {'E', {C::Jump, 0}},
    {'W', {C::Walk, 0}},
    {'S', {C::Walk, 0}},
    {'J', {C::PerspectiveMove, 0}},
    {'K', {C::PerspectiveMove, 0}},
    {'O', {C::FocusMove, 0}},
    {'P', {C::FocusMove, 0}},
    {keys::Left, {C::RotatePhi, 0}, {C::RotateRho, 0}},
    {keys::Right, {C::RotatePhi, 0}, {C::RotateRho, 0}},
    {keys::Up, {C::RotateTheta, 0}},
    {keys::Down, {C::RotateTheta, 0}},
    {keys::PageUp, {C::RotateRho, 0}},
    {keys::PageDown, {C::RotateRho, 0}},
};

template <std::size_t N>
KeyTable table(KeyRow const (&rows)[N]) {
    return {rows, N};
}

}  // namespace

KeyRow const* KeyTable::find(int code, bool ctrl, bool shift) const {
    for (KeyRow const& r : *this)
        if (r.matches(code, ctrl, shift)) return &r;
    return nullptr;
}

KeyTable keyDownTable(KeyStyle style) { return style == KeyStyle::Current ? table(currentDown) : table(earlierDown); }

KeyTable keyUpTable(KeyStyle style) { return style == KeyStyle::Current ? table(currentUp) : table(earlierUp); }

std::vector<Action> keyDownActions(KeyStyle style, int code, bool ctrl, bool shift) {
    std::vector<Action> out{{Command::SpeedFactor, shift ? 10.0 : 1.0}};
    if (KeyRow const* r = keyDownTable(style).find(code, ctrl, shift)) out.insert(out.end(), r->begin(), r->end());
    return out;
}

std::vector<Action> keyUpActions(KeyStyle style, int code) {
    KeyRow const* r = keyUpTable(style).find(code, false, false);
    return r ? std::vector<Action>(r->begin(), r->end()) : std::vector<Action>{};
}
