#include "numerics/Rand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

// The C library's rand() algorithm on a private state: random_r on a
// 128-byte initstate_r state, which leaves the program's generator alone.
class LibcReference {
public:
    explicit LibcReference(unsigned int seed) { initstate_r(seed, state_, sizeof state_, &data_); }
    int next() {
        std::int32_t r = 0;
        random_r(&data_, &r);
        return r;
    }
    void skip(std::uint64_t n) {
        for (; n != 0; --n) next();
    }

private:
    alignas(std::int32_t) char state_[128] = {};
    random_data data_{};
};

double component(int r, double amp) { return (r / 2147483647.0) * (2 * amp) - amp; }

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

TEST(RandomDraws, StdRandIsTheCLibrarySequenceForEverySeed) {
    // Sanitizers slow the loop about tenfold; the seeds stay the same.
#if defined(__SANITIZE_ADDRESS__)
    constexpr int draws = 2'000'000;
#else
    constexpr int draws = 10'000'000;
#endif
    unsigned int const clock = static_cast<unsigned int>(std::time(nullptr));
    for (unsigned int seed : {0u, 1u, 42u, 2147483647u, 4294967295u, clock}) {
        std::srand(seed);
        LibcReference libc(seed);
        int same = 0;
        while (same < draws && std::rand() == libc.next()) ++same;
        EXPECT_EQ(same, draws) << "seed " << seed;
    }
}

TEST(RandomDraws, ZeroAmplitudeGivesPositiveZerosLikeTheFormula) {
    for (double amp : {0.0, -0.0}) {
        for (int r : {0, 1, 1 << 30, 2147483646, 2147483647}) {
            EXPECT_EQ(component(r, amp), 0.0);
            EXPECT_FALSE(std::signbit(component(r, amp))) << amp << " " << r;
        }
        Vect const v = randVect(amp, 3);
        EXPECT_EQ(v, Vect(3));
        for (unsigned int i = 0; i < 3; ++i) EXPECT_FALSE(std::signbit(v.get(i)));
    }
}

// Zero-amplitude draws are only counted; whatever reads the stream next
// (std::rand, rand, a drawn randVect) must see the values after them.
TEST(RandomDraws, CountedZeroDrawsInterleaveExactlyWithStdRand) {
    unsigned int const seed = 20261208;
    std::srand(seed);
    LibcReference libc(seed);
    // Around and far beyond the count where skipping turns into a jump.
    for (unsigned int zeros : {0u, 1u, 5u, 8191u, 8192u, 8193u, 1000003u}) {
        randVect(0.0, zeros / 2);
        randVect(-0.0, zeros - zeros / 2);
        libc.skip(zeros);
        EXPECT_EQ(std::rand(), libc.next()) << zeros;
        randVect(0.0, 3);
        libc.skip(3);
        Vect const v = randVect(1.5, 3);
        EXPECT_EQ(v, (Vect{component(libc.next(), 1.5), component(libc.next(), 1.5), component(libc.next(), 1.5)}));
        randVect(0.0, 2);
        libc.skip(2);
        EXPECT_EQ(rand(-1.0, 3.0), -1.0 + (libc.next() / 2147483647.0) * 4.0);
        EXPECT_TRUE(std::isnan(randVect(std::numeric_limits<double>::quiet_NaN(), 2).get(1)));
        libc.skip(2);
        EXPECT_EQ(std::rand(), libc.next()) << zeros;
    }
    // Reseeding drops the counted draws.
    randVect(0.0, 5);
    std::srand(9);
    EXPECT_EQ(std::rand(), LibcReference(9).next());
    // random() and srandom() keep the C library's own state.
    srandom(3);
    std::srand(4);
    EXPECT_EQ(random(), LibcReference(3).next());
}

}  // namespace
