#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>

// A growable array of doubles that keeps up to N values inside the object
// and moves to the heap only beyond that. Vectors and matrices of the
// engine are almost always 3 or 3 x 3, so their arithmetic never allocates.
//
// The values live inside the object exactly when size() <= N, and the heap
// block exists only then not: code that has checked the size (Vect's
// conversions to and from Vect3, Matrix's 3 x 3 inverse) reads and writes
// inlineData() without a branch on the storage, and a compiler that knows
// the size drops every heap operation of copies and temporaries.
template <std::size_t N>
class InlineDoubles {
public:
    InlineDoubles() = default;

    explicit InlineDoubles(std::size_t n, double fill = 0.0) { assign(n, fill); }

    // The three values (x, y, z), stored inside.
    InlineDoubles(double x, double y, double z) : local_{x, y, z}, size_(3) {
        static_assert(N >= 3, "three values need room for three");
    }

    InlineDoubles(InlineDoubles const& o) { copyFrom(o); }

    InlineDoubles(InlineDoubles&& o) noexcept { moveFrom(o); }

    InlineDoubles& operator=(InlineDoubles const& o) {
        if (this != &o) copyFrom(o);
        return *this;
    }

    InlineDoubles& operator=(InlineDoubles&& o) noexcept {
        if (this != &o) moveFrom(o);
        return *this;
    }

    ~InlineDoubles() {
        if (size_ > N) delete[] heap_.values;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    double* data() { return size_ <= N ? local_ : heap_.values; }
    double const* data() const { return size_ <= N ? local_ : heap_.values; }
    // The values when size() <= N.
    double* inlineData() { return local_; }
    double const* inlineData() const { return local_; }
    double& operator[](std::size_t i) { return data()[i]; }
    double operator[](std::size_t i) const { return data()[i]; }
    double* begin() { return data(); }
    double* end() { return data() + size_; }
    double const* begin() const { return data(); }
    double const* end() const { return data() + size_; }

    // Size becomes n; every value becomes fill.
    void assign(std::size_t n, double fill) {
        resizeUninitialised(n);
        // Inside, all N places are filled: a fixed count the compiler
        // writes out, where a count of n would become a library call.
        if (n <= N) {
#pragma GCC unroll 9
            for (std::size_t i = 0; i < N; ++i) local_[i] = fill;
        } else
            std::fill(heap_.values, heap_.values + n, fill);
    }

    // The values become those of [first, last).
    void assign(double const* first, double const* last) {
        std::size_t const n = static_cast<std::size_t>(last - first);
        resizeUninitialised(n);
        std::copy(first, last, n <= N ? local_ : heap_.values);
    }

    // Size becomes n; the first min(n, size) values are kept, new ones are 0.
    void resize(std::size_t n) {
        std::size_t const old = size_;
        moveStorage(n, std::min(old, n));
        if (n > old) std::fill(data() + old, data() + n, 0.0);
    }

    // Size becomes n with unspecified values; used before overwriting all.
    void resizeUninitialised(std::size_t n) { moveStorage(n, 0); }

    void push_back(double x) {
        std::size_t const n = size_;
        moveStorage(n + 1, n, 2 * n);
        data()[n] = x;
    }

    void pop_back() {
        if (size_ > 0) moveStorage(size_ - 1, size_ - 1);
    }

private:
    struct Heap {
        double* values;
        std::size_t capacity;
    };

    // Size becomes n, the first keep values preserved; a heap block too
    // small for n is replaced by one of capacity room (at least n).
    void moveStorage(std::size_t n, std::size_t keep, std::size_t room = 0) {
        if (n <= N && size_ <= N) {
            size_ = static_cast<std::uint32_t>(n);
            return;
        }
        moveStorageAcross(n, keep, room);
    }

    // moveStorage when either size is beyond N; out of line, as it is
    // the rare case.
    [[gnu::noinline]] void moveStorageAcross(std::size_t n, std::size_t keep, std::size_t room) {
        if (n > UINT32_MAX) throw std::bad_alloc();
        if (n <= N) {
            // Back inside: the heap block goes.
            double* const old = heap_.values;
            std::copy(old, old + keep, local_);
            delete[] old;
        } else if (size_ <= N || n > heap_.capacity) {
            std::size_t const capacity = std::max(n, room);
            double* const grown = new double[capacity];
            std::copy(data(), data() + keep, grown);
            if (size_ > N) delete[] heap_.values;
            heap_ = Heap{grown, capacity};
        }
        size_ = static_cast<std::uint32_t>(n);
    }

    // All N places of o's inside values, a fixed count written out in full.
    void copyInside(InlineDoubles const& o) {
#pragma GCC unroll 9
        for (std::size_t i = 0; i < N; ++i) local_[i] = o.local_[i];
    }

    void copyFrom(InlineDoubles const& o) {
        if (o.size_ <= N) {
            if (size_ > N) delete[] heap_.values;
            copyInside(o);
            size_ = o.size_;
            return;
        }
        resizeUninitialised(o.size_);
        std::copy(o.heap_.values, o.heap_.values + o.size_, heap_.values);
    }

    void moveFrom(InlineDoubles& o) {
        if (size_ > N) delete[] heap_.values;
        if (o.size_ <= N)
            copyInside(o);
        else
            heap_ = o.heap_;
        size_ = o.size_;
        o.size_ = 0;
    }

    union {
        double local_[N] = {};
        Heap heap_;
    };
    std::uint32_t size_ = 0;
};
