#include "numerics/Rand.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(RandomDraws, FollowTheGeneratorWithTheFixedDivisor) {
    std::srand(42);
    double const r0 = std::rand();
    double const r1 = std::rand();
    double const r2 = std::rand();
    double const r3 = std::rand();
    std::srand(42);
    EXPECT_EQ(rand(-1.0, 3.0), -1.0 + (r0 / 2147483647.0) * 4.0);
    Vect const v = randVect(2.0, 3);
    EXPECT_EQ(
        v, (Vect{(r1 / 2147483647.0) * 4.0 - 2.0, (r2 / 2147483647.0) * 4.0 - 2.0, (r3 / 2147483647.0) * 4.0 - 2.0}));
}

TEST(RandomDraws, ZeroAmplitudeStillConsumesOneValuePerComponent) {
    std::srand(7);
    for (int i = 0; i < 3; ++i) std::rand();
    int const fourth = std::rand();
    std::srand(7);
    EXPECT_EQ(randVect(0.0, 3), Vect(3));
    EXPECT_EQ(std::rand(), fourth);
    EXPECT_EQ(rand(2.0, 2.0), 2.0);
}

}  // namespace
