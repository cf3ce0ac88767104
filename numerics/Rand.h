#pragma once

#include <cstdint>
#include <cstdlib>

#include "numerics/Vect.h"

// Uniform draws from the C library's generator rand(). Neither function seeds
// it: the viewers seed once from the clock, everything else runs reproducibly
// from the default seed.
//
// This library defines the program's rand() and srand() itself (C linkage,
// the declarations of <cstdlib>), so that every caller in a program linking
// it (the engine, tests, the viewers' srand(time(NULL)), any other code)
// shares one generator that takes no lock. It yields exactly the sequence of
// glibc's rand(): the additive feedback generator r[i] = r[i-3] + r[i-31]
// mod 2^32 on 31 words, seeded by the 16807 multiplicative generator (seed 0
// taken as 1), warmed up by 310 steps, each value being r[i] >> 1; before any
// srand() it runs as after srand(1). What that costs:
// - random() and srandom() keep the C library's own state: they no longer
//   share it with rand() and srand(), nor do initstate() and setstate();
// - there is no lock: rand(), srand() and the draws below must not be called
//   from two threads at once (the engine and the viewers draw from one).
//
// A draw with amplitude 0 changes no value but still consumes its values of
// the stream; it only counts them, and the counted values are skipped (by a
// jump ahead when they are many) the next time the stream is read; srand()
// drops them, since it resets the stream anyway.

// a + (r / 2147483647.0) * (b - a) for one value r of std::rand().
double rand(double const& a, double const& b);

namespace randStream {
// Values drawn with amplitude 0 and not yet taken from the stream.
extern std::uint64_t pending;
// randVect for an amplitude other than 0: takes the pending values, then
// draws n.
Vect drawVect(double amp, unsigned int n);
}  // namespace randStream

// n components uniform in [-amp, amp], drawn in order; always consumes
// exactly n values of the generator, also when amp is 0. With amp +0 or -0
// every component is +0.0, which is what (r / 2147483647.0) * (2 * amp) - amp
// gives for every r; a NaN amplitude draws as any other.
inline Vect randVect(double amp, unsigned int n) {
    if (amp == 0.0) {
        randStream::pending += n;
        return Vect(n);
    }
    return randStream::drawVect(amp, n);
}
