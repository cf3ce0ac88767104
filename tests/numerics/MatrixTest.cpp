#include "numerics/Matrix.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Captures what the matrix code writes on standard error.
class MatrixMessages : public ::testing::Test {
protected:
    void SetUp() override { ::testing::internal::CaptureStderr(); }
    std::string messages() { return ::testing::internal::GetCapturedStderr(); }
};

TEST_F(MatrixMessages, InverseCacheStates) {
    Matrix m(3, 1.0);
    EXPECT_FALSE(m.invValid);
    EXPECT_EQ(m.getInv(), Matrix(3, 1.0));
    EXPECT_TRUE(m.invValid);
    // A copy keeps the computed inverse.
    Matrix copy = m;
    EXPECT_TRUE(copy.invValid);
    m.set(0, 0, 2.0);
    EXPECT_FALSE(m.invValid);
    EXPECT_EQ(m.getInv().get(0, 0), 0.5);
    EXPECT_FALSE(m.getInv().invValid);  // a returned inverse has no cache
    m *= 2.0;
    EXPECT_FALSE(m.invValid);
    EXPECT_EQ(messages(), "");
}

TEST_F(MatrixMessages, SingularMatrixComplainsOnEveryRequest) {
    Matrix z(3);
    Matrix const first = z.getInv();
    Matrix const second = z.getInv();
    EXPECT_EQ(first.getDimi(), 0u);
    EXPECT_EQ(second.getDimj(), 0u);
    EXPECT_FALSE(z.invValid);
    EXPECT_EQ(messages(), "Matrix: det=0, not invertible\nMatrix: det=0, not invertible\n");
}

TEST_F(MatrixMessages, FailedInverseKeepsTheLastOne) {
    Matrix m(2, 1.0);
    m.set(0, 0, 4.0);
    ASSERT_EQ(m.getInv().get(0, 0), 0.25);
    m.set(0, 0, 0.0);
    m.set(1, 1, 0.0);
    EXPECT_EQ(m.getInv().get(0, 0), 0.25);
    EXPECT_EQ(messages(), "Matrix: det=0, not invertible\n");
}

TEST_F(MatrixMessages, NonSquareDeterminantAndInverse) {
    Matrix m(2, 3, 0.0);
    EXPECT_EQ(m.det(0), 0.0);
    m.getInv();
    EXPECT_EQ(messages(), "Matrix: det: NOT SQUARE\nMatrix: det: NOT SQUARE\nMatrix: det=0, not invertible\n");
}

TEST_F(MatrixMessages, ShapeMismatchInSumsAndDifferences) {
    Matrix a(2, 1.0), b(3, 1.0);
    Matrix const s = a + b;
    Matrix const d = a - b;
    a += b;
    EXPECT_EQ(s.getDimi(), 0u);
    EXPECT_EQ(d.getDimi(), 0u);
    EXPECT_EQ(a.getDimi(), 0u);
    EXPECT_EQ(messages(),
              "Matrix: operator+ NOT COMPATIBLE\n"
              "Matrix: operator+ NOT COMPATIBLE\n"
              "Matrix: operator+ NOT COMPATIBLE\n");
}

TEST_F(MatrixMessages, ProductsWithUnfitShapesAreSilent) {
    EXPECT_EQ((Matrix(3, 1.0) * Vect{1, 2}).getDim(), 0u);
    EXPECT_EQ((Matrix(2, 3, 1.0) * Matrix(2, 3, 1.0)).getDimi(), 0u);
    EXPECT_EQ((Vect{1, 2} * Matrix(2, 1.0)).getDimi(), 0u);
    EXPECT_EQ(messages(), "");
}

TEST(MatrixAlgebra, ClosedFormInversesAndCofactorDeterminants) {
    Matrix m(std::vector<std::vector<double>>{{1, 2}, {3, 4}});
    EXPECT_EQ(m.getInv(), Matrix(std::vector<std::vector<double>>{{-2, 1}, {1.5, -0.5}}));
    EXPECT_EQ(Matrix(4, 1.0).det(0), 1.0);
    EXPECT_EQ(Matrix(4, 2.0).det(0), 16.0);
    Matrix const a({{2, 0, 1, 3}, {1, 1, 0, 2}, {0, 3, 1, 1}, {4, 1, 2, 0}});
    Matrix const swapped({{1, 1, 0, 2}, {2, 0, 1, 3}, {0, 3, 1, 1}, {4, 1, 2, 0}});
    EXPECT_NE(a.det(0), 0.0);
    EXPECT_EQ(swapped.det(0), -a.det(0));
    // The adjugate inverse of a 4 x 4 multiplies back to the identity.
    Matrix b = a;
    Matrix const p = a * b.getInv();
    for (unsigned i = 0; i < 4; ++i)
        for (unsigned j = 0; j < 4; ++j) EXPECT_NEAR(p.get(i, j), i == j ? 1.0 : 0.0, 1e-12);
    // A 3 x 3 inverse by the closed formulas.
    Matrix c({{2, 0, 0}, {0, 4, 0}, {1, 0, 1}});
    Matrix const ci = c.getInv();
    EXPECT_EQ(ci.get(0, 0), 0.5);
    EXPECT_EQ(ci.get(1, 1), 0.25);
    EXPECT_EQ(ci.get(2, 0), -0.5);
    // A dense, non-symmetric 3 x 3 of determinant -4: every entry of the
    // inverse, and the product back to the identity, exactly.
    Matrix const e({{1, 1, 2}, {2, 4, -2}, {3, 4, 1}});
    Matrix dense = e;
    EXPECT_EQ(dense.det(0), -4.0);
    EXPECT_EQ(dense.getInv(), Matrix({{-3, -1.75, 2.5}, {2, 1.25, -1.5}, {1, 0.25, -0.5}}));
    EXPECT_EQ(e * dense.getInv(), Matrix(3, 1.0));
    EXPECT_EQ(dense.getInv() * e, Matrix(3, 1.0));
}

TEST(MatrixAlgebra, ShapesOfProductsTransposesAndMinors) {
    EXPECT_EQ(Matrix(2, 3, 1.0).transpose(), Matrix(3, 2, 1.0));
    EXPECT_EQ(Matrix(2, 3, 1.0) * Matrix(3, 2, 1.0), Matrix(2, 2, 3.0));
    EXPECT_EQ(Matrix(3, 2, 1.0) * Matrix(2, 3, 1.0), Matrix(3, 3, 2.0));
    EXPECT_EQ(Vect({1, 2}) * Matrix({{3, 4, 5}}), Matrix({{3, 4, 5}, {6, 8, 10}}));
    EXPECT_EQ(Matrix({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}).min(1, 0), Matrix({{2, 3}, {8, 9}}));
    EXPECT_EQ(Vect({1, 2}) * Matrix({{3, 4, 5}}), (Matrix({{3, 4, 5}, {6, 8, 10}})));
    EXPECT_EQ(2.0 * Matrix(2, 1.0), Matrix(2, 2.0));
    Matrix m(2, 1.0);
    2.0 *= m;
    EXPECT_EQ(m, Matrix(2, 2.0));
    EXPECT_EQ(-Matrix(1, 1.0), Matrix(1, -1.0));
    Matrix d({{5, 7}, {1, 2}});
    EXPECT_EQ(d - Matrix({{1, 2}, {3, 5}}), Matrix({{4, 5}, {-2, -3}}));
    d -= Matrix({{1, 2}, {3, 5}});
    EXPECT_EQ(d, Matrix({{4, 5}, {-2, -3}}));
    EXPECT_EQ(Matrix(0u).getDimj(), 0u);
}

TEST(MatrixAlgebra, EqualityHasNoTolerance) {
    Matrix a(2, 1.0), b(2, 1.0);
    b.set(1, 0, 1e-15);
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(Matrix(2, 1.0) == Matrix(2, 3, 1.0));
}

TEST(MatrixOutput, HeaderRowsAndFooter) {
    std::ostringstream os;
    os << Matrix(2, 1.0);
    EXPECT_EQ(os.str(), "---MATRIX---\n|1 0 \n|0 1 \n-------------\n");
}

}  // namespace
