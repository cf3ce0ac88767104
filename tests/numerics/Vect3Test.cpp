#include "numerics/Vect3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "numerics/Mat3.h"
#include "numerics/Matrix.h"
#include "numerics/OnVect3.h"
#include "numerics/Vect.h"

namespace {

static_assert(std::is_trivially_copyable<Vect3>::value && std::is_trivially_copyable<Mat3>::value,
              "the three-component values must stay plain");

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Vect3 against the Vect of the same three components, bit for bit.
::testing::AssertionResult sameBits(Vect3 const& a, Vect const& b) {
    if (b.getDim() == 3 && sameBits(a.x, b.get(0)) && sameBits(a.y, b.get(1)) && sameBits(a.z, b.get(2)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") vs " << b;
}

double const nan = std::numeric_limits<double>::quiet_NaN();
double const inf = std::numeric_limits<double>::infinity();

// Every operation of Vect3 gives the bits of Vect's on 3-vectors, also for
// -0, infinities and NaNs of either sign (negation flips a NaN's sign).
// No operation meets two NaNs: which of them comes out is the compiler's
// choice, as it may swap the operands of a sum or product.
TEST(Vect3, EveryOperationGivesTheBitsOfVect) {
    Vect3 const rows[][2] = {
        {{1.5, -2.25, 3e-300}, {0.1, 0.2, 0.3}}, {{-0.0, 0.0, -0.0}, {0.0, -0.0, 0.0}},
        {{1.0, -nan, 2.0}, {3.0, 4.0, 5.0}},     {{inf, -inf, 0.0}, {1e308, -1e308, 7.0}},
        {{0.0, 0.0, 0.0}, {3.0, 4.0, 12.0}},
    };
    double const scalars[] = {0.3, -0.0, 0.0, inf, -nan};
    for (auto const& row : rows) {
        Vect3 const a = row[0], b = row[1];
        Vect const va(a), vb(b);
        EXPECT_TRUE(sameBits(a + b, va + vb));
        EXPECT_TRUE(sameBits(a - b, va - vb));
        EXPECT_TRUE(sameBits(b - a, vb - va));
        EXPECT_TRUE(sameBits(-a, -va));
        EXPECT_TRUE(sameBits(a ^ b, va ^ vb));
        EXPECT_TRUE(sameBits(a.normalize(), va.normalize()));
        EXPECT_TRUE(sameBits(a * b, va * vb));
        EXPECT_TRUE(sameBits(a.normeCarree(), va.normeCarree()));
        EXPECT_TRUE(sameBits(a.norme(), va.norme()));
        Vect3 sum = a, diff = a;
        Vect vsum = va, vdiff = va;
        sum += b, vsum += vb, diff -= b, vdiff -= vb;
        EXPECT_TRUE(sameBits(sum, vsum));
        EXPECT_TRUE(sameBits(diff, vdiff));
        for (double k : scalars) {
            if (std::isnan(k) && std::isnan(a.normeCarree())) continue;
            EXPECT_TRUE(sameBits(a * k, va * k));
            EXPECT_TRUE(sameBits(k * a, k * va));
            EXPECT_TRUE(sameBits(a / k, va / k));
        }
        Mat3 const m{{a.x, a.y, a.z, b.x, b.y, b.z, 1.0, -0.0, 2.0}};
        Matrix const mm = Matrix::of(m);
        EXPECT_TRUE(sameBits(m * b, mm * vb));
        EXPECT_TRUE(sameBits((0.25 * m) * b, (0.25 * mm) * vb));
    }
    // Each row summed from its first column: these rows cancel differently
    // in any other order.
    Mat3 const cancelling{{1, 1e-16, -1, -1, 1, 1e-16, 1e-16, -1, 1}};
    EXPECT_TRUE(sameBits(cancelling * Vect3{1, 1, 1}, Matrix::of(cancelling) * Vect{1, 1, 1}));
    EXPECT_TRUE(sameBits(cancelling * Vect3{1, 1, 1}, Vect{0, 1e-16, 1.1102230246251565e-16}));
}

TEST(Vect3, ConversionsWithVect) {
    Vect v{1, 2};
    Vect3 const w = static_cast<Vect3>(v);  // missing components read as 0
    EXPECT_TRUE(sameBits(w, Vect{1, 2, 0}));
    v = Vect3{4, 5, 6};
    EXPECT_EQ(v, (Vect{4, 5, 6}));
    v = Vect{1, 2, 3, 4, 5};
    v = Vect3{7, 8, 9};
    EXPECT_EQ(v, (Vect{7, 8, 9}));
    EXPECT_EQ(Vect(Vect3{1, 2, 3}), (Vect{1, 2, 3}));
}

// The law runs on Vect3 values when every vector has three components, and
// the vectors it changes are written back; otherwise it runs on the Vects
// themselves, with their dimension rules.
TEST(OnVect3, ThreeComponentValuesOrTheVectsThemselves) {
    auto const law = [](auto& sum, auto const& add, auto const& bonus) {
        sum += (add + bonus) * 2.0;
        return std::is_same<std::decay_t<decltype(sum)>, Vect3>::value;
    };
    bool three = false;
    Vect sum{1, 1, 1};
    Vect const add{1, 2, 3};
    onVect3([&](auto&&... v) { three = law(v...); }, sum, add, Vect3{1, 0, 0});
    EXPECT_TRUE(three);
    EXPECT_EQ(sum, (Vect{5, 5, 7}));
    EXPECT_EQ(add, (Vect{1, 2, 3}));
    Vect shorter{1, 1};
    onVect3([&](auto&&... v) { three = law(v...); }, shorter, add, Vect3{1, 0, 0});
    EXPECT_FALSE(three);
    EXPECT_EQ(shorter, (Vect{5, 5, 6}));
}

TEST(MatrixLastInverse, ReadWithoutRefreshing) {
    Matrix m(3, 2.0);
    Mat3 inv{};
    EXPECT_FALSE(m.lastInv3(inv));
    EXPECT_EQ(m.lastInv().getDimi(), 0u);
    m.getInv();
    m.set(0, 0, 4.0);  // stale now, still readable
    ASSERT_TRUE(m.lastInv3(inv));
    EXPECT_EQ(inv.a[0], 0.5);
    EXPECT_EQ(inv.a[1], 0.0);
    EXPECT_EQ(m.lastInv(), Matrix(3, 0.5));
    EXPECT_FALSE(Matrix(2, 1.0).lastInv3(inv));
}

}  // namespace
