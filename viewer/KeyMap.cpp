#include "viewer/KeyMap.h"

#include <array>
#include <utility>

namespace {

using C = Command;
constexpr Needs withCtrl = Needs::Ctrl;
constexpr Needs withShift = Needs::Shift;

template <std::size_t N>
using Rows = std::array<KeyRow, N>;

template <std::size_t Na, std::size_t Nb, std::size_t Nc, std::size_t... I>
constexpr Rows<Na + Nb + Nc> join(KeyRow const (&a)[Na], KeyRow const (&b)[Nb], KeyRow const (&c)[Nc],
                                  std::index_sequence<I...>) {
    return {{(I < Na ? a[I] : I < Na + Nb ? b[I - Na] : c[I - Na - Nb])...}};
}
// The rows of a, then b, then c.
template <std::size_t Na, std::size_t Nb, std::size_t Nc>
constexpr Rows<Na + Nb + Nc> join(KeyRow const (&a)[Na], KeyRow const (&b)[Nb], KeyRow const (&c)[Nc]) {
    return join(a, b, c, std::make_index_sequence<Na + Nb + Nc>());
}

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

constexpr auto currentDown = join(drive, currentOwn, turn);
constexpr auto earlierDown = join(drive, earlierOwn, turn);

// Releases stop what the press started, whatever the modifiers: releasing U
// stops a focus change even without Ctrl. A key's release row is its first
// press row (the one that holds the most inputs) with its inputs set back to
// 0; keys that only switch or throw have none.
constexpr Command holdsAnInput[] = {C::Walk,        C::Strafe,          C::Jump,
                                    C::RotateTheta, C::RotatePhi,       C::RotateRho,
                                    C::FocusMove,   C::PerspectiveMove, C::MotionBlurMove};

template <std::size_t N>
constexpr bool givesRelease(Rows<N> const& down, std::size_t i) {
    for (std::size_t j = 0; j < i; ++j)
        if (down[j].code == down[i].code) return false;
    for (Command c : holdsAnInput)
        if (c == down[i].actions[0].command) return true;
    return false;
}

template <std::size_t N>
constexpr std::size_t releaseCount(Rows<N> const& down) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < N; ++i) n += givesRelease(down, i);
    return n;
}

// The release row of the k-th key that has one.
template <std::size_t N>
constexpr KeyRow releaseRow(Rows<N> const& down, std::size_t k) {
    for (std::size_t i = 0;; ++i) {
        if (!givesRelease(down, i) || k-- > 0) continue;
        KeyRow const& r = down[i];
        Action const first{r.actions[0].command, 0}, second{r.actions[1].command, 0};
        return r.count == 1 ? KeyRow(r.code, first) : KeyRow(r.code, first, second);
    }
}

template <std::size_t N, std::size_t... K>
constexpr Rows<sizeof...(K)> releases(Rows<N> const& down, std::index_sequence<K...>) {
    return {{releaseRow(down, K)...}};
}

constexpr auto currentUp = releases(currentDown, std::make_index_sequence<releaseCount(currentDown)>());
constexpr auto earlierUp = releases(earlierDown, std::make_index_sequence<releaseCount(earlierDown)>());

template <std::size_t N>
KeyTable table(Rows<N> const& rows) {
    return {rows.data(), N};
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
