// rand() and srand() for the programs that choose them: this project's own
// programs, tests and benchmarks link this file (the target
// quorvex::fastrand), and the C library's pair is then not used. The engine
// does not contain it: a program that links the engine alone keeps the C
// library's rand().
//
// It yields exactly the sequence of glibc's rand(): the additive feedback
// generator r[i] = r[i-3] + r[i-31] mod 2^32 on 31 words, seeded by the
// 16807 multiplicative generator (seed 0 taken as 1), warmed up by 310
// steps, each value being r[i] >> 1; before any srand() it runs as after
// srand(1). What it buys: a draw takes no lock, and the values a draw of
// amplitude 0 consumes (six per body and step, the body step's noise) are
// only counted: the next rand() skips them, by a jump ahead when they are
// many; srand() drops them, since it resets the stream anyway. What it
// costs:
// - random() and srandom() keep the C library's own state: they no longer
//   share it with rand() and srand(), nor do initstate() and setstate();
// - rand() and srand() must not be called from two threads at once (the
//   engine and the viewers draw from one).
#include <array>
#include <cstdint>
#include <cstdlib>

#include "numerics/Rand.h"

namespace {

constexpr int degree = 31;
constexpr int separation = 3;
// Below this many skipped values a loop of steps is cheaper than a jump.
constexpr std::uint64_t jumpThreshold = 1u << 13;

// Coefficients of a polynomial in t of degree below 31, mod 2^32.
using Poly = std::array<std::uint32_t, degree>;

// c * t modulo t^31 - t^28 - 1.
Poly timesT(Poly const& c) {
    Poly r{};
    r[0] = c[degree - 1];
    for (int i = 1; i < degree; ++i) r[i] = c[i - 1];
    r[degree - separation] += c[degree - 1];
    return r;
}

// a * b modulo t^31 - t^28 - 1: every t^d with d >= 31 becomes
// t^(d-3) + t^(d-31), from the top down.
Poly timesMod(Poly const& a, Poly const& b) {
    std::uint32_t p[2 * degree - 1] = {};
    for (int i = 0; i < degree; ++i)
        for (int j = 0; j < degree; ++j) p[i + j] += a[i] * b[j];
    for (int d = 2 * degree - 2; d >= degree; --d) {
        p[d - separation] += p[d];
        p[d - degree] += p[d];
    }
    Poly r{};
    for (int i = 0; i < degree; ++i) r[i] = p[i];
    return r;
}

// t^k modulo t^31 - t^28 - 1, by squaring; k > 0.
Poly powerOfT(std::uint64_t k) {
    Poly c{};
    c[0] = 1;
    int top = 63;
    while (((k >> top) & 1u) == 0) --top;
    for (int bit = top; bit >= 0; --bit) {
        c = timesMod(c, c);
        if ((k >> bit) & 1u) c = timesT(c);
    }
    return c;
}

// glibc's rand() generator: 31 words r and two positions three apart. A step
// adds the word at rear to the word at front, moves both one word on
// (wrapping) and yields the sum >> 1. In sequence terms x[i] = x[i-31] +
// x[i-3] mod 2^32, the word at front being x[i-31].
class Generator {
public:
    constexpr explicit Generator(unsigned int seed) { reseed(seed); }

    // Fills the words from the 16807 generator by Schrage's method, exactly
    // as glibc's srandom_r does (same types, seed 0 taken as 1), then
    // discards 310 values.
    constexpr void reseed(unsigned int seed) {
        if (seed == 0) seed = 1;
        r_[0] = seed;
        std::int32_t word = static_cast<std::int32_t>(seed);
        for (int i = 1; i < degree; ++i) {
            long const hi = word / 127773;
            long const lo = word % 127773;
            word = static_cast<std::int32_t>(16807 * lo - 2836 * hi);
            if (word < 0) word += 2147483647;
            r_[i] = static_cast<std::uint32_t>(word);
        }
        front_ = separation;
        rear_ = 0;
        for (int i = 0; i < 10 * degree; ++i) next();
    }

    // The next value, 0 to 2147483647.
    constexpr std::uint32_t next() {
        std::uint32_t const v = r_[front_] += r_[rear_];
        front_ = front_ == degree - 1 ? 0 : front_ + 1;
        rear_ = rear_ == degree - 1 ? 0 : rear_ + 1;
        return v >> 1;
    }

    // As k calls of next().
    void skip(std::uint64_t k) {
        if (k < jumpThreshold) {
            for (; k != 0; --k) next();
            return;
        }
        // With t^(k+j) = sum c_i t^i modulo t^31 - t^28 - 1, the value k + j
        // steps after the oldest word w_0 is sum c_i w_i.
        std::uint32_t w[degree];
        for (int i = 0; i < degree; ++i) w[i] = r_[(front_ + i) % degree];
        Poly c = powerOfT(k);
        for (int j = 0; j < degree; ++j) {
            std::uint32_t s = 0;
            for (int i = 0; i < degree; ++i) s += c[i] * w[i];
            r_[j] = s;
            c = timesT(c);
        }
        front_ = 0;
        rear_ = degree - separation;
    }

private:
    std::uint32_t r_[degree] = {};
    int front_ = separation;
    int rear_ = 0;
};

// glibc's generator starts as after srand(1); its first value is 1804289383.
constexpr Generator defaultGenerator{1};
static_assert([] {
    Generator g = defaultGenerator;
    return g.next() == 1804289383u;
}());

// Constant-initialised, so rand() is right even during static initialisation.
Generator generator = defaultGenerator;
// Values consumed unused and not yet taken from the stream.
std::uint64_t pending = 0;

// Out of line, so that the common case (nothing pending) stays a test.
[[gnu::noinline]] void skipPending() {
    generator.skip(pending);
    pending = 0;
}

}  // namespace

void randStream::skip(std::uint64_t n) { pending += n; }

extern "C" int rand() noexcept {
    if (pending != 0) skipPending();
    return static_cast<int>(generator.next());
}

extern "C" void srand(unsigned int seed) noexcept {
    pending = 0;
    generator.reseed(seed);
}
