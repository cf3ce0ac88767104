#include "viewer/MouseTurn.h"

#include <gtest/gtest.h>

#include "viewer/TickAccumulator.h"

TEST(Joystick, CentreGivesNothingAndTheEdgesGiveTwo) {
    MouseTurn t = joystickTurn(400, 300, 800, 600);
    EXPECT_EQ(t.theta, 0.0);
    EXPECT_EQ(t.phi, 0.0);
    EXPECT_EQ(t.rho, 0.0);
    // Top edge: pitch up by 4·(h/2)/h, no heading or roll.
    t = joystickTurn(400, 0, 800, 600);
    EXPECT_EQ(t.theta, 2.0);
    EXPECT_EQ(t.phi, 0.0);
    EXPECT_EQ(t.rho, 0.0);
    // Right of the centre turns right and banks the other way.
    t = joystickTurn(800, 300, 800, 600);
    EXPECT_EQ(t.phi, 2.0);
    EXPECT_EQ(t.rho, -2.0);
    t = joystickTurn(0, 600, 800, 600);
    EXPECT_EQ(t.theta, -2.0);
    EXPECT_EQ(t.phi, -2.0);
    EXPECT_EQ(t.rho, 2.0);
}

TEST(Joystick, OddSizesUseHalvesRoundedTowardZero) {
    // h = 7: centre row 3; the top edge gives 4·3/7, not 2.
    MouseTurn t = joystickTurn(2, 0, 5, 7);
    EXPECT_DOUBLE_EQ(t.theta, 12.0 / 7.0);
    EXPECT_EQ(t.phi, 0.0);
    t = joystickTurn(3, 3, 5, 7);
    EXPECT_DOUBLE_EQ(t.phi, 4.0 / 5.0);
    EXPECT_DOUBLE_EQ(t.rho, -4.0 / 5.0);
}

TEST(Joystick, EmptyCanvasGivesNoInput) {
    MouseTurn const t = joystickTurn(3, 4, 0, 0);
    EXPECT_EQ(t.theta, 0.0);
    EXPECT_EQ(t.phi, 0.0);
}

TEST(MouseLook, EdgesGiveOneAndTheCentreNothing) {
    MouseTurn t = mouseLookTurn(400, 300, 800, 600);
    EXPECT_EQ(t.theta, 0.0);
    EXPECT_EQ(t.phi, 0.0);
    // Below the centre pitches positive, right of it turns positive.
    t = mouseLookTurn(800, 600, 800, 600);
    EXPECT_EQ(t.theta, 1.0);
    EXPECT_EQ(t.phi, 1.0);
    EXPECT_EQ(t.rho, 0.0);
    t = mouseLookTurn(0, 0, 800, 600);
    EXPECT_EQ(t.theta, -1.0);
    EXPECT_EQ(t.phi, -1.0);
    t = mouseLookTurn(600, 450, 800, 600);
    EXPECT_EQ(t.theta, 0.5);
    EXPECT_EQ(t.phi, 0.5);
}

TEST(MouseLook, TheMovesOfOneTickAddUp) {
    MouseLookSum sum;
    EXPECT_FALSE(sum.tickDone());
    EXPECT_EQ(sum.move(500, 300, 800, 600).phi, 0.25);
    MouseTurn t = sum.move(500, 375, 800, 600);
    EXPECT_EQ(t.phi, 0.5);
    EXPECT_EQ(t.theta, 0.25);
    EXPECT_TRUE(sum.tickDone());
    EXPECT_EQ(sum.move(300, 300, 800, 600).phi, -0.25);  // a new tick starts from nothing
    // Back at the centre: nothing left to turn.
    t = sum.move(400, 300, 800, 600);
    EXPECT_EQ(t.phi, 0.0);
    EXPECT_EQ(t.theta, 0.0);
    EXPECT_TRUE(sum.tickDone());
    EXPECT_FALSE(sum.tickDone());
}

TEST(TickAccumulator, StepsOncePerTwentyMillisecondTick) {
    TickAccumulator acc;
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(acc.add(20));
    EXPECT_EQ(acc.value(), 0.0);
}

TEST(TickAccumulator, ShortTicksGatherUntilTheSumPassesTen) {
    TickAccumulator acc;
    EXPECT_FALSE(acc.add(4));
    EXPECT_FALSE(acc.add(6));  // exactly 10 is not past the threshold
    EXPECT_EQ(acc.value(), 10.0);
    EXPECT_TRUE(acc.add(0.5));
    EXPECT_EQ(acc.value(), 0.0);
    EXPECT_FALSE(acc.add(10));
}
