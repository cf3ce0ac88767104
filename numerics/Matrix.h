#pragma once

#include <algorithm>
#include <cstddef>
#include <iosfwd>
#include <vector>

#include "numerics/InlineDoubles.h"
#include "numerics/Mat3.h"
#include "numerics/Vect.h"

// A dense matrix of doubles with an inverse computed on demand and cached
// until the entries change. Shape errors write one fixed line on standard
// error and yield an empty (0 x 0) or unchanged result; nothing throws.
// Entries are stored row-major; up to 3 x 3 lives inside the object, so the
// inertia and rotation matrices of the bodies never allocate.
class Matrix {
public:
    // n x n zeros.
    explicit Matrix(unsigned int const& n);
    // n x n with d on the diagonal: Matrix(3, 1.0) is the identity.
    Matrix(unsigned int const& n, double const& d);
    // i rows of j columns, every entry v.
    Matrix(unsigned int const& i, unsigned int const& j, double const& v);
    // A copy of the rows; the column count is the first row's length.
    Matrix(std::vector<std::vector<double>> const& m);
    // The 3 x 3 matrix of the entries of m.
    static Matrix of(Mat3 const& m);

    // Entry (i, j); indices must be in range.
    double get(unsigned int const& i, unsigned int const& j) const { return a_[std::size_t(i) * cols_ + j]; }
    // Writes entry (i, j) and invalidates the cached inverse.
    void set(unsigned int const& i, unsigned int const& j, double const& x) {
        a_[std::size_t(i) * cols_ + j] = x;
        invValid = false;
    }
    unsigned int getDimi() const { return rows_; }
    unsigned int getDimj() const { return cols_; }

    Matrix operator+(Matrix const& n) const;
    Matrix operator-(Matrix const& n) const;
    Matrix operator-() const;
    Matrix transpose() const;
    Matrix operator*(Matrix const& n) const;
    Matrix operator*(double const& k) const;
    // Matrix by column vector, each component summed over j from 0.0; an
    // unfit dimension gives an empty vector.
    Vect operator*(Vect const& v) const;
    // The minor without row p and column q.
    Matrix min(unsigned int const& p, unsigned int const& q) const;

    Matrix& operator+=(Matrix const& n);
    Matrix& operator-=(Matrix const& n);
    Matrix& operator*=(Matrix const& n);
    Matrix& operator*=(double const& k);

    // Same shape and every entry equal by == (no tolerance).
    bool operator==(Matrix const& n) const;

    // Determinant; depth is the cofactor recursion depth (callers pass 0).
    double det(unsigned int const& depth) const;
    // Recomputes the cached inverse; false (cache untouched) when singular.
    bool updateInv();
    // The inverse, recomputed first when the cache is stale; 0 x 0 when no
    // inverse was ever computed.
    Matrix getInv() {
        if (!invValid) updateInv();
        return lastInv();
    }
    // The last inverse computed (0 x 0 when none was), stale or not.
    Matrix lastInv() const { return Matrix(invRows_, invCols_, inv_); }
    // The last inverse computed as a 3 x 3 value; false, with inv
    // untouched, when it is not 3 x 3.
    bool lastInv3(Mat3& inv) const {
        if (invRows_ != 3 || invCols_ != 3) return false;
        double const* e = inv_.inlineData();
        inv = Mat3{{e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8]}};
        return true;
    }

    // "---MATRIX---", one "|"-prefixed line per row, then 13 dashes.
    void disp(std::ostream& os) const;

    // Whether inv holds the inverse of the current entries.
    bool invValid = false;

private:
    struct Shape {};
    // rows x cols of zeros; a matrix without rows has no columns either.
    Matrix(Shape, unsigned int rows, unsigned int cols)
        : rows_(rows), cols_(rows == 0 ? 0 : cols), a_(std::size_t(rows) * cols_) {}
    // rows x cols with the given entries.
    Matrix(unsigned int rows, unsigned int cols, InlineDoubles<9> const& entries)
        : rows_(rows), cols_(cols), a_(entries) {}
    static Matrix empty() { return Matrix(Shape{}, 0, 0); }
    bool sameShape(Matrix const& n) const { return rows_ == n.rows_ && cols_ == n.cols_; }

    unsigned int rows_ = 0;
    unsigned int cols_ = 0;
    InlineDoubles<9> a_;
    // The last inverse computed, with its shape.
    unsigned int invRows_ = 0;
    unsigned int invCols_ = 0;
    InlineDoubles<9> inv_;
};

inline Matrix operator*(double const& k, Matrix const& m) { return m * k; }
// Outer product with a one-row matrix; any other shape gives 0 x 0.
Matrix operator*(Vect const& v, Matrix const& m);
Matrix& operator*=(double const& k, Matrix& m);
std::ostream& operator<<(std::ostream& os, Matrix const& m);
