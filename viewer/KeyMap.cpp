#include "viewer/KeyMap.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

using C = Command;
constexpr Needs withCtrl = Needs::Ctrl;
constexpr Needs withShift = Needs::Shift;

// Both layouts drive and turn with the same keys. The Shift rows of A and D
// come before their plain rows, which would match too.
constexpr KeyRow drive[] = {
    {'W', {C::Walk, -1}},
    {'S', {C::Walk, 1}},
    {'A', withShift, {C::Strafe, -1}, {C::RotateRho, -0.5}},
    {'A', {C::Strafe, -1}},
    {'D', withShift, {C::Strafe, 1}, {C::RotateRho, 0.5}},
    {'D', {C::Strafe, 1}},
    {'E', {C::Jump, -1}},
    {'Q', {C::Jump, 1}},
};
constexpr KeyRow turn[] = {
    {keys::Left, {C::RotatePhi, -1}, {C::RotateRho, 1}},
    {keys::Right, {C::RotatePhi, 1}, {C::RotateRho, -1}},
    {keys::Up, {C::RotateTheta, 1}},
    {keys::Down, {C::RotateTheta, -1}},
    {keys::PageUp, {C::RotateRho, -2}},
    {keys::PageDown, {C::RotateRho, 2}},
};

// The current viewers. The drive and turn keys, Tab and Space ask nothing of
// Ctrl, so Ctrl+W still walks; the switches need Ctrl (U alone does nothing).
constexpr KeyRow currentOwn[] = {
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
    {keys::Space, {C::ThrowBodies}},
};

// The earlier viewer: plain letters whatever the Ctrl state, except F; no
// help panel, motion blur, mouse switch or bodies to throw.
constexpr KeyRow earlierOwn[] = {
    {'O', {C::FocusMove, 0.005}},           {'P', {C::FocusMove, -0.005}}, {'J', {C::PerspectiveMove, 0.01}},
    {'K', {C::PerspectiveMove, -0.01}},     {'I', {C::ToggleStereo}},      {'L', {C::TogglePhysics}},
    {'F', withCtrl, {C::ToggleFullScreen}},
};

// Releases stop what the press started, whatever the modifiers: releasing U
// stops a focus change even without Ctrl. A key's release row is its first
// press row (the one that holds the most inputs) with its inputs set back to
// 0; keys that only switch or throw have none.
constexpr Command holdsAnInput[] = {C::Walk,        C::Strafe,          C::Jump,
                                    C::RotateTheta, C::RotatePhi,       C::RotateRho,
                                    C::FocusMove,   C::PerspectiveMove, C::MotionBlurMove};

// The press rows of a layout (drive, its own, turn) and the release rows
// derived from them, made once.
struct Layout {
    std::vector<KeyRow> down;
    std::vector<KeyRow> up;

    template <std::size_t N>
    explicit Layout(KeyRow const (&own)[N]) {
        for (KeyTable part : {KeyTable{drive, std::size(drive)}, KeyTable{own, N}, KeyTable{turn, std::size(turn)}})
            down.insert(down.end(), part.begin(), part.end());
        for (auto r = down.begin(); r != down.end(); ++r) {
            bool const first = std::none_of(down.begin(), r, [&](KeyRow const& o) { return o.code == r->code; });
            bool const holds = std::find(std::begin(holdsAnInput), std::end(holdsAnInput), r->actions[0].command) !=
                               std::end(holdsAnInput);
            if (!first || !holds) continue;
            Action const a{r->actions[0].command, 0}, b{r->actions[1].command, 0};
            up.push_back(r->count == 1 ? KeyRow(r->code, a) : KeyRow(r->code, a, b));
        }
    }
};

Layout const& layout(KeyStyle style) {
    static Layout const current(currentOwn);
    static Layout const earlier(earlierOwn);
    return style == KeyStyle::Current ? current : earlier;
}

KeyTable table(std::vector<KeyRow> const& rows) { return {rows.data(), rows.size()}; }

}  // namespace

KeyRow const* KeyTable::find(int code, bool ctrl, bool shift) const {
    for (KeyRow const& r : *this)
        if (r.matches(code, ctrl, shift)) return &r;
    return nullptr;
}

KeyTable keyDownTable(KeyStyle style) { return table(layout(style).down); }

KeyTable keyUpTable(KeyStyle style) { return table(layout(style).up); }

std::vector<Action> keyDownActions(KeyStyle style, int code, bool ctrl, bool shift) {
    std::vector<Action> out{{Command::SpeedFactor, shift ? 10.0 : 1.0}};
    if (KeyRow const* r = keyDownTable(style).find(code, ctrl, shift)) out.insert(out.end(), r->begin(), r->end());
    return out;
}

std::vector<Action> keyUpActions(KeyStyle style, int code) {
    KeyRow const* r = keyUpTable(style).find(code, false, false);
    return r ? std::vector<Action>(r->begin(), r->end()) : std::vector<Action>{};
}
