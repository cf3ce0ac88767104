#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>

// A growable array of doubles that keeps up to N values inside the object
// and moves to the heap only beyond that. Vectors and matrices of the
// engine are almost always 3 or 3 x 3, so their arithmetic never allocates.
template <std::size_t N>
class InlineDoubles {
public:
    InlineDoubles() = default;

    explicit InlineDoubles(std::size_t n, double fill = 0.0) { assign(n, fill); }

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

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    double* data() { return heap_ ? heap_.get() : local_; }
    double const* data() const { return heap_ ? heap_.get() : local_; }
    double& operator[](std::size_t i) { return data()[i]; }
    double operator[](std::size_t i) const { return data()[i]; }
    double* begin() { return data(); }
    double* end() { return data() + size_; }
    double const* begin() const { return data(); }
    double const* end() const { return data() + size_; }

    // Size becomes n; every value becomes fill.
    void assign(std::size_t n, double fill) {
        resizeUninitialised(n);
        std::fill(begin(), end(), fill);
    }

    // Size becomes n; the first min(n, size) values are kept, new ones are 0.
    void resize(std::size_t n) {
        std::size_t const old = size_;
        reserve(n);
        size_ = n;
        if (n > old) std::fill(data() + old, data() + n, 0.0);
    }

    // Size becomes n with unspecified values; used before overwriting all.
    void resizeUninitialised(std::size_t n) {
        if (n > capacity()) {
            heap_.reset(new double[n]);
            heapCapacity_ = n;
        }
        size_ = n;
    }

    void push_back(double x) {
        if (size_ == capacity()) reserve(std::max<std::size_t>(2 * capacity(), size_ + 1));
        data()[size_++] = x;
    }

    void pop_back() {
        if (size_ > 0) --size_;
    }

private:
    std::size_t capacity() const { return heap_ ? heapCapacity_ : N; }

    void reserve(std::size_t n) {
        if (n <= capacity()) return;
        std::unique_ptr<double[]> grown(new double[n]);
        std::copy(begin(), end(), grown.get());
        heap_ = std::move(grown);
        heapCapacity_ = n;
    }

    void copyFrom(InlineDoubles const& o) {
        resizeUninitialised(o.size_);
        std::copy(o.begin(), o.end(), begin());
    }

    void moveFrom(InlineDoubles& o) {
        if (o.heap_) {
            heap_ = std::move(o.heap_);
            heapCapacity_ = o.heapCapacity_;
            size_ = o.size_;
        } else {
            copyFrom(o);
        }
        o.heapCapacity_ = 0;
        o.size_ = 0;
    }

    double local_[N] = {};
    std::unique_ptr<double[]> heap_;
    std::size_t heapCapacity_ = 0;
    std::size_t size_ = 0;
};
