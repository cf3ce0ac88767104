#include "viewer/KeyMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using V = std::vector<Action>;

Action const speed1{Command::SpeedFactor, 1.0};
Action const speed10{Command::SpeedFactor, 10.0};

V down(int code, bool ctrl = false, bool shift = false) { return keyDownActions(KeyStyle::Current, code, ctrl, shift); }
V earlierDown(int code, bool ctrl = false, bool shift = false) {
    return keyDownActions(KeyStyle::Earlier, code, ctrl, shift);
}
V with1(V v) {
    v.insert(v.begin(), speed1);
    return v;
}

struct Row {
    int code;
    V actions;  // after the speed factor
};

// Releases both layouts share.
std::vector<Row> const sharedReleases = {
    {'W', {{Command::Walk, 0}}},
    {'S', {{Command::Walk, 0}}},
    {'A', {{Command::Strafe, 0}, {Command::RotateRho, 0}}},
    {'D', {{Command::Strafe, 0}, {Command::RotateRho, 0}}},
    {'E', {{Command::Jump, 0}}},
    {'Q', {{Command::Jump, 0}}},
    {keys::Left, {{Command::RotatePhi, 0}, {Command::RotateRho, 0}}},
    {keys::Right, {{Command::RotatePhi, 0}, {Command::RotateRho, 0}}},
    {keys::Up, {{Command::RotateTheta, 0}}},
    {keys::Down, {{Command::RotateTheta, 0}}},
    {keys::PageUp, {{Command::RotateRho, 0}}},
    {keys::PageDown, {{Command::RotateRho, 0}}},
};

TEST(CurrentKeyMap, KeysActedOnWhateverTheCtrlState) {
    std::vector<Row> const rows = {
        {'W', {{Command::Walk, -1}}},         {'S', {{Command::Walk, 1}}},  {'A', {{Command::Strafe, -1}}},
        {'D', {{Command::Strafe, 1}}},        {'E', {{Command::Jump, -1}}}, {'Q', {{Command::Jump, 1}}},
        {keys::Tab, {{Command::ToggleHelp}}},
    };
    for (Row const& r : rows) {
        EXPECT_EQ(down(r.code), with1(r.actions)) << r.code;
        // Ctrl+W walks like W: these keys are looked at before the Ctrl keys.
        EXPECT_EQ(down(r.code, true), with1(r.actions)) << "ctrl " << r.code;
    }
}

TEST(CurrentKeyMap, ShiftSpeedsUpAndBanksOnStrafe) {
    EXPECT_EQ(down('W', false, true), (V{speed10, {Command::Walk, -1}}));
    EXPECT_EQ(down('A', false, true), (V{speed10, {Command::Strafe, -1}, {Command::RotateRho, -0.5}}));
    EXPECT_EQ(down('D', true, true), (V{speed10, {Command::Strafe, 1}, {Command::RotateRho, 0.5}}));
    // Every key press sets the speed factor, even one that does nothing else.
    EXPECT_EQ(down('H', false, true), (V{speed10}));
}

TEST(CurrentKeyMap, CtrlKeys) {
    std::vector<Row> const rows = {
        {'U', {{Command::FocusMove, 0.0005}}},      {'O', {{Command::FocusMove, -0.0005}}},
        {'I', {{Command::ToggleStereo}}},           {'K', {{Command::PerspectiveMove, 0.01}}},
        {'L', {{Command::PerspectiveMove, -0.01}}}, {'J', {{Command::CycleCompass}}},
        {'F', {{Command::ToggleFullScreen}}},       {'M', {{Command::ToggleMouseControl}}},
        {'B', {{Command::MotionBlurMove, 0.005}}},  {'N', {{Command::MotionBlurMove, -0.005}}},
        {'P', {{Command::TogglePhysics}}},
    };
    for (Row const& r : rows) {
        EXPECT_EQ(down(r.code, true), with1(r.actions)) << r.code;
        // Without Ctrl these letters do nothing.
        EXPECT_EQ(down(r.code), (V{speed1})) << r.code;
    }
    EXPECT_EQ(down('H', true), (V{speed1}));
    EXPECT_EQ(down(13, true), (V{speed1}));  // Enter
}

TEST(CurrentKeyMap, TurnKeysAndSpaceWithOrWithoutCtrl) {
    std::vector<Row> const rows = {
        {keys::Left, {{Command::RotatePhi, -1}, {Command::RotateRho, 1}}},
        {keys::Right, {{Command::RotatePhi, 1}, {Command::RotateRho, -1}}},
        {keys::Up, {{Command::RotateTheta, 1}}},
        {keys::Down, {{Command::RotateTheta, -1}}},
        {keys::PageUp, {{Command::RotateRho, -2}}},
        {keys::PageDown, {{Command::RotateRho, 2}}},
        {keys::Space, {{Command::ThrowBodies}}},
    };
    for (Row const& r : rows) {
        EXPECT_EQ(down(r.code), with1(r.actions)) << r.code;
        EXPECT_EQ(down(r.code, true), with1(r.actions)) << "ctrl " << r.code;
    }
}

TEST(CurrentKeyMap, ReleasesIgnoreModifiersAndStopWhatTheKeyStarted) {
    std::vector<Row> rows = {
        // U does nothing without Ctrl, yet its release stops a focus change.
        {'U', {{Command::FocusMove, 0}}},       {'O', {{Command::FocusMove, 0}}},
        {'K', {{Command::PerspectiveMove, 0}}}, {'L', {{Command::PerspectiveMove, 0}}},
        {'B', {{Command::MotionBlurMove, 0}}},  {'N', {{Command::MotionBlurMove, 0}}},
    };
    rows.insert(rows.end(), sharedReleases.begin(), sharedReleases.end());
    for (Row const& r : rows) EXPECT_EQ(keyUpActions(KeyStyle::Current, r.code), r.actions) << r.code;
    for (int code : {keys::Tab, keys::Space, int('P'), int('I'), int('J'), int('M'), int('F'), int('H')})
        EXPECT_TRUE(keyUpActions(KeyStyle::Current, code).empty()) << code;
}

TEST(EarlierKeyMap, PlainLetters) {
    std::vector<Row> const rows = {
        {'W', {{Command::Walk, -1}}},
        {'S', {{Command::Walk, 1}}},
        {'A', {{Command::Strafe, -1}}},
        {'D', {{Command::Strafe, 1}}},
        {'Q', {{Command::Jump, 1}}},
        {'E', {{Command::Jump, -1}}},
        {'O', {{Command::FocusMove, 0.005}}},
        {'P', {{Command::FocusMove, -0.005}}},
        {'J', {{Command::PerspectiveMove, 0.01}}},
        {'K', {{Command::PerspectiveMove, -0.01}}},
        {'I', {{Command::ToggleStereo}}},
        {'L', {{Command::TogglePhysics}}},
        {keys::Left, {{Command::RotatePhi, -1}, {Command::RotateRho, 1}}},
        {keys::Right, {{Command::RotatePhi, 1}, {Command::RotateRho, -1}}},
        {keys::Up, {{Command::RotateTheta, 1}}},
        {keys::Down, {{Command::RotateTheta, -1}}},
        {keys::PageUp, {{Command::RotateRho, -2}}},
        {keys::PageDown, {{Command::RotateRho, 2}}},
    };
    for (Row const& r : rows) {
        EXPECT_EQ(earlierDown(r.code), with1(r.actions)) << r.code;
        // Letters are matched without regard to Ctrl (F aside).
        EXPECT_EQ(earlierDown(r.code, true), with1(r.actions)) << "ctrl " << r.code;
    }
    // No help panel, no bodies to throw, no motion blur, no mouse switch.
    for (int code : {keys::Tab, keys::Space, int('B'), int('N'), int('M'), int('U')})
        EXPECT_EQ(earlierDown(code, true), (V{speed1})) << code;
}

TEST(EarlierKeyMap, ShiftWithAAndDAndFullScreenOnlyWithCtrl) {
    EXPECT_EQ(earlierDown('A', false, true), (V{speed10, {Command::Strafe, -1}, {Command::RotateRho, -0.5}}));
    EXPECT_EQ(earlierDown('D', false, true), (V{speed10, {Command::Strafe, 1}, {Command::RotateRho, 0.5}}));
    EXPECT_EQ(earlierDown('W', false, true), (V{speed10, {Command::Walk, -1}}));
    EXPECT_EQ(earlierDown('F'), (V{speed1}));
    EXPECT_EQ(earlierDown('F', true), (V{speed1, {Command::ToggleFullScreen}}));
}

TEST(EarlierKeyMap, Releases) {
    std::vector<Row> rows = {
        {'J', {{Command::PerspectiveMove, 0}}},
        {'K', {{Command::PerspectiveMove, 0}}},
        {'O', {{Command::FocusMove, 0}}},
        {'P', {{Command::FocusMove, 0}}},
    };
    rows.insert(rows.end(), sharedReleases.begin(), sharedReleases.end());
    for (Row const& r : rows) EXPECT_EQ(keyUpActions(KeyStyle::Earlier, r.code), r.actions) << r.code;
    for (int code : {'L', 'I', 'F', 'U', 'B', 'N'}) EXPECT_TRUE(keyUpActions(KeyStyle::Earlier, code).empty()) << code;
}

// No row is hidden behind an earlier one: the key and the modifiers a row
// needs find that row.
TEST(KeyTables, EveryRowIsTheOneItsKeyAndModifiersFind) {
    for (KeyStyle style : {KeyStyle::Current, KeyStyle::Earlier})
        for (KeyTable const t : {keyDownTable(style), keyUpTable(style)})
            for (KeyRow const& r : t)
                EXPECT_EQ(t.find(r.code, r.needs == Needs::Ctrl, r.needs == Needs::Shift), &r) << r.code;
}

}  // namespace
