#include "numerics/Matrix.h"

#include <iostream>

namespace {
void complain(char const* what) { std::cerr << what << std::endl; }
char const* const notCompatible = "Matrix: operator+ NOT COMPATIBLE";
}  // namespace

Matrix::Matrix(unsigned int const& n) : Matrix(Shape{}, n, n) {}

Matrix::Matrix(unsigned int const& n, double const& d) : Matrix(Shape{}, n, n) {
    for (unsigned int i = 0; i < n; ++i) a_[std::size_t(i) * n + i] = d;
}

Matrix::Matrix(unsigned int const& i, unsigned int const& j, double const& v) : Matrix(Shape{}, i, j) {
    a_.assign(a_.size(), v);
}

Matrix::Matrix(std::vector<std::vector<double>> const& m)
    : Matrix(Shape{}, static_cast<unsigned int>(m.size()), m.empty() ? 0u : static_cast<unsigned int>(m[0].size())) {
    // Rows shorter than the first are padded with zeros, longer ones cut.
    for (unsigned int i = 0; i < rows_; ++i)
        for (unsigned int j = 0; j < cols_ && j < m[i].size(); ++j) a_[std::size_t(i) * cols_ + j] = m[i][j];
}

Matrix Matrix::of(Mat3 const& m) {
    Matrix r(Shape{}, 3, 3);
    for (std::size_t e = 0; e < 9; ++e) r.a_[e] = m.a[e];
    return r;
}

Matrix Matrix::operator+(Matrix const& n) const {
    if (!sameShape(n)) {
        complain(notCompatible);
        return empty();
    }
    Matrix r(Shape{}, rows_, cols_);
    for (std::size_t k = 0; k < a_.size(); ++k) r.a_[k] = a_[k] + n.a_[k];
    return r;
}

Matrix Matrix::operator-(Matrix const& n) const { return *this + (-n); }

Matrix Matrix::operator-() const {
    Matrix r(Shape{}, rows_, cols_);
    for (std::size_t k = 0; k < a_.size(); ++k) r.a_[k] = -a_[k];
    return r;
}

Matrix Matrix::transpose() const {
    Matrix r(Shape{}, cols_, rows_);
    for (unsigned int i = 0; i < rows_; ++i)
        for (unsigned int j = 0; j < cols_; ++j) r.a_[std::size_t(j) * r.cols_ + i] = get(i, j);
    return r;
}

Matrix Matrix::operator*(Matrix const& n) const {
    if (cols_ != n.rows_) return empty();
    Matrix r(Shape{}, rows_, n.cols_);
    for (unsigned int i = 0; i < r.rows_; ++i)
        for (unsigned int j = 0; j < r.cols_; ++j) {
            double s = 0.0;
            for (unsigned int k = 0; k < cols_; ++k) s += get(i, k) * n.get(k, j);
            r.a_[std::size_t(i) * r.cols_ + j] = s;
        }
    return r;
}

Matrix Matrix::operator*(double const& k) const {
    Matrix r(Shape{}, rows_, cols_);
    for (std::size_t e = 0; e < a_.size(); ++e) r.a_[e] = a_[e] * k;
    return r;
}

Vect Matrix::operator*(Vect const& v) const {
    if (v.getDim() != cols_) return Vect();
    Vect r(rows_);
    for (unsigned int i = 0; i < rows_; ++i) {
        double s = 0.0;
        for (unsigned int j = 0; j < cols_; ++j) s += get(i, j) * v.get(j);
        r.set(i, s);
    }
    return r;
}

Matrix Matrix::min(unsigned int const& p, unsigned int const& q) const {
    if (rows_ == 0 || cols_ == 0) return empty();
    Matrix r(Shape{}, rows_ - 1, cols_ - 1);
    for (unsigned int j = 0; j < r.rows_; ++j)
        for (unsigned int k = 0; k < r.cols_; ++k)
            r.a_[std::size_t(j) * r.cols_ + k] = get(j < p ? j : j + 1, k < q ? k : k + 1);
    return r;
}

Matrix& Matrix::operator+=(Matrix const& n) { return *this = *this + n; }
Matrix& Matrix::operator-=(Matrix const& n) { return *this = *this - n; }
Matrix& Matrix::operator*=(Matrix const& n) { return *this = *this * n; }
Matrix& Matrix::operator*=(double const& k) { return *this = *this * k; }

bool Matrix::operator==(Matrix const& n) const {
    if (!sameShape(n)) return false;
    for (std::size_t k = 0; k < a_.size(); ++k)
        if (!(a_[k] == n.a_[k])) return false;
    return true;
}

double Matrix::det(unsigned int const& depth) const {
    if (rows_ != cols_) {
        complain("Matrix: det: NOT SQUARE");
        return 0.0;
    }
    auto m = [this](unsigned int i, unsigned int j) { return get(i, j); };
    switch (rows_) {
    case 0:
        return 0.0;
    case 1:
        return m(0, 0);
    case 2:
        return m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0);
    case 3:
        // Rule of Sarrus, terms accumulated left to right.
        return m(0, 0) * m(1, 1) * m(2, 2) + m(0, 1) * m(1, 2) * m(2, 0) + m(0, 2) * m(1, 0) * m(2, 1) -
               m(0, 0) * m(1, 2) * m(2, 1) - m(0, 1) * m(1, 0) * m(2, 2) - m(0, 2) * m(1, 1) * m(2, 0);
    default: {
        // Cofactor expansion along the first column.
        double s = 0.0;
        for (unsigned int i = 0; i < rows_; ++i) {
            double const sign = (i % 2 == 0) ? 1.0 : -1.0;
            s += sign * m(i, 0) * min(i, 0).det(depth + 1);
        }
        return s;
    }
    }
}

bool Matrix::updateInv() {
    double const d = det(0);
    if (d == 0.0) {
        complain("Matrix: det=0, not invertible");
        return false;
    }
    auto m = [this](unsigned int i, unsigned int j) { return get(i, j); };
    unsigned int const n = rows_;
    InlineDoubles<9> r(std::size_t(n) * n);
    auto at = [&r, n](unsigned int i, unsigned int j) -> double& { return r[std::size_t(i) * n + j]; };
    if (n == 1) {
        at(0, 0) = 1 / m(0, 0);
    } else if (n == 2) {
        at(0, 0) = m(1, 1) / d;
        at(0, 1) = -m(0, 1) / d;
        at(1, 0) = -m(1, 0) / d;
        at(1, 1) = m(0, 0) / d;
    } else if (n == 3) {
        at(0, 0) = (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) / d;
        at(0, 1) = (m(0, 2) * m(2, 1) - m(0, 1) * m(2, 2)) / d;
        at(0, 2) = (m(0, 1) * m(1, 2) - m(0, 2) * m(1, 1)) / d;
        at(1, 0) = (m(1, 2) * m(2, 0) - m(1, 0) * m(2, 2)) / d;
        at(1, 1) = (m(0, 0) * m(2, 2) - m(0, 2) * m(2, 0)) / d;
        at(1, 2) = (m(0, 2) * m(1, 0) - m(0, 0) * m(1, 2)) / d;
        at(2, 0) = (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0)) / d;
        at(2, 1) = (m(0, 1) * m(2, 0) - m(0, 0) * m(2, 1)) / d;
        at(2, 2) = (m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0)) / d;
    } else {
        // Adjugate over the determinant: entry (j, i) from the minor (i, j).
        for (unsigned int i = 0; i < n; ++i)
            for (unsigned int j = 0; j < n; ++j) {
                double const sign = ((i + j) % 2 == 0) ? 1.0 : -1.0;
                at(j, i) = sign * min(i, j).det(0) / d;
            }
    }
    inv_ = std::move(r);
    invRows_ = n;
    invCols_ = n;
    invValid = true;
    return true;
}

void Matrix::disp(std::ostream& os) const {
    os << "---MATRIX---" << std::endl;
    for (unsigned int i = 0; i < rows_; ++i) {
        os << "|";
        for (unsigned int j = 0; j < cols_; ++j) os << get(i, j) << ' ';
        os << std::endl;
    }
    os << "-------------" << std::endl;
}

Matrix operator*(Vect const& v, Matrix const& m) {
    if (m.getDimi() != 1) return Matrix(0u, 0u, 0.0);
    Matrix r(v.getDim(), m.getDimj(), 0.0);
    for (unsigned int i = 0; i < v.getDim(); ++i)
        for (unsigned int j = 0; j < m.getDimj(); ++j) r.set(i, j, v.get(i) * m.get(0, j));
    return r;
}

Matrix& operator*=(double const& k, Matrix& m) { return m *= k; }

std::ostream& operator<<(std::ostream& os, Matrix const& m) {
    m.disp(os);
    return os;
}
