#include "numerics/Vect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace {

TEST(VectDimensions, ReadingPastTheEndGivesZeroAndWritingGrows) {
    Vect v(3);
    EXPECT_EQ(v.get(7), 0.0);
    v.set(5, 1.5);
    EXPECT_EQ(v, (Vect{0, 0, 0, 0, 0, 1.5}));
    v.setDim(2);
    EXPECT_EQ(v, (Vect{0, 0}));
    v.setDim(4);
    EXPECT_EQ(v, (Vect{0, 0, 0, 0}));
    v.addDim(7);
    EXPECT_EQ(v.getDim(), 5u);
    v.subDim();
    v.subDim();
    EXPECT_EQ(v.getDim(), 3u);
}

TEST(VectDimensions, SubDimOnEmptyVectorDoesNothing) {
    Vect v;
    v.subDim();
    EXPECT_EQ(v.getDim(), 0u);
    v.addDim(1);
    EXPECT_EQ(v, (Vect{1}));
}

TEST(VectDimensions, SumsTakeTheLongerOrShorterOperand) {
    Vect const a{1, 2}, b{10, 20, 30};
    EXPECT_EQ(a + b, (Vect{11, 22, 30}));
    EXPECT_EQ(a.add(b, false), (Vect{11, 22}));
    EXPECT_EQ((Vect{1, 2, 3}) - a, (Vect{0, 0, 3}));
    EXPECT_EQ(a - (Vect{1, 2, 3}), (Vect{0, 0, -3}));
    EXPECT_EQ(a.sub(Vect{1, 2, 3}, false), (Vect{0, 0}));
    Vect c = a;
    c += b;
    c -= Vect{1};
    EXPECT_EQ(c, (Vect{10, 22, 30}));
}

TEST(VectDimensions, CutReadsZerosPastTheEnd) {
    Vect const v{5, 6, 7};
    EXPECT_EQ(v.cut(1, 0), (Vect{6, 7}));
    EXPECT_EQ(v.cut(2, 3), (Vect{7, 0, 0}));
    EXPECT_EQ(v.cut(3, 0).getDim(), 0u);
    // A start beyond the end with count 0 means "nothing left", not a huge
    // allocation from an unsigned wrap-around.
    EXPECT_EQ(v.cut(9, 0).getDim(), 0u);
}

TEST(VectDimensions, LongVectorsBehaveLikeShortOnes) {
    // Beyond four components the storage moves to the heap; nothing else
    // may change.
    Vect a, b;
    for (int i = 0; i < 9; ++i) {
        a.addDim(i);
        b.addDim(10 * i);
    }
    Vect const s = a + b;
    ASSERT_EQ(s.getDim(), 9u);
    for (unsigned i = 0; i < 9; ++i) EXPECT_EQ(s.get(i), 11.0 * i);
    Vect moved = std::move(b);
    EXPECT_EQ(moved.get(8), 80.0);
    Vect copy = moved;
    copy.set(0, -1);
    EXPECT_EQ(moved.get(0), 0.0);
    EXPECT_EQ(Vect(std::vector<double>(6, 2.0)).normeCarree(), 24.0);
    Vect w;
    w.set(std::vector<double>{1, 2, 3, 4, 5, 6});
    EXPECT_EQ(w.cut(4, 0), (Vect{5, 6}));
}

TEST(VectProducts, CrossDotAndNorms) {
    EXPECT_EQ((Vect{1, 2}) ^ (Vect{3, 4}), (Vect{0, 0, 0}));
    EXPECT_EQ((Vect{1, 0, 0}) ^ (Vect{0, 1, 0}), (Vect{0, 0, 1}));
    EXPECT_EQ((Vect{1, 2, 3}) * (Vect{4, 5}), 14.0);
    EXPECT_EQ(Vect() * (Vect{4, 5}), 0.0);
    EXPECT_EQ((Vect{3, 4}) || true, 5.0);
    EXPECT_EQ((Vect{3, 4}) || false, 25.0);
    EXPECT_TRUE((Vect{3, 4}).normalize().compare(Vect{0.6, 0.8}, 1e-15, false));
    EXPECT_EQ(Vect(3).normalize(), Vect(3));
    EXPECT_EQ(Vect().normalize().getDim(), 0u);
}

TEST(VectProducts, ScalarsOfEveryTypeAndDivisionByZero) {
    Vect const v{1, 2, 3};
    EXPECT_EQ(2 * v, (Vect{2, 4, 6}));
    EXPECT_EQ(2u * v, (Vect{2, 4, 6}));
    EXPECT_EQ(0.5 * v, v * 0.5);
    EXPECT_EQ(-v, v.oppose());
    // Division multiplies by the reciprocal, formed first.
    EXPECT_EQ((v / 3.0).get(1), 2.0 * (1.0 / 3.0));
    Vect const inf = v / 0.0;
    EXPECT_TRUE(std::isinf(inf.get(0)) && std::isinf(inf.get(2)));
    Vect w = v;
    w *= 2;
    w /= 4;
    EXPECT_EQ(w, (Vect{0.5, 1, 1.5}));
}

// a - b negates b before adding, so the sign of a NaN in b flips exactly as
// in a + b.oppose(), in three dimensions, in others, and in components
// found only in b.
TEST(VectDimensions, DifferencesNegateNaNs) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    auto signs = [](Vect const& v) {
        std::string s;
        for (unsigned i = 0; i < v.getDim(); ++i)
            s += std::isnan(v.get(i)) ? (std::signbit(v.get(i)) ? '-' : '+') : '.';
        return s;
    };
    Vect const b3{nan, 0, -nan}, b2{nan, -nan};
    EXPECT_EQ(signs(Vect{0, 2, 0} - b3), "-.+");
    EXPECT_EQ(signs(Vect{0, 2, 0} - b3), signs(Vect{0, 2, 0} + b3.oppose()));
    EXPECT_EQ(signs(Vect{0, 2} - b2), "-+");
    EXPECT_EQ(signs(Vect{0} - b2), "-+");
    EXPECT_EQ(signs(Vect{0, 2}.sub(b3, false)), "-.");
    Vect c{0, 2, 0};
    c -= b3;
    EXPECT_EQ(signs(c), "-.+");
}

TEST(VectCompare, ExactAndTolerantComparisons) {
    EXPECT_FALSE((Vect{1, 2}) == (Vect{1, 2, 0}));
    EXPECT_TRUE(Vect() == Vect());
    double const nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE((Vect{nan}) != (Vect{nan}));
    EXPECT_TRUE((Vect{1, 2}).compare(Vect{1.05, 2, 7}, 0.1, true));
    EXPECT_FALSE((Vect{1, 2}).compare(Vect{1.05, 2, 7}, 0.1, false));
    EXPECT_TRUE((Vect{1}).compare(Vect{1.5}, 0.5, false));
    EXPECT_TRUE((Vect{1}).compare(Vect{nan}, 0.5, false));  // NaN differences pass
    EXPECT_TRUE((Vect{0, 0}).compare2(Vect{0.5}, 0.5));
    EXPECT_FALSE((Vect{0, 0}).compare2(Vect{0.5, 0.01}, 0.5));
    EXPECT_FALSE((Vect{nan}).compare2(Vect{0}, 1e9));
}

TEST(VectOutput, ComponentsEachFollowedByABlank) {
    std::ostringstream os;
    os << Vect{1, 2.5, 0} << Vect();
    EXPECT_EQ(os.str(), "1 2.5 0 \n\n");
}

}  // namespace
