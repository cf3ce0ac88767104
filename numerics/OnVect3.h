#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <type_traits>
#include <utility>

#include "numerics/Mat3.h"
#include "numerics/Matrix.h"
#include "numerics/Vect.h"
#include "numerics/Vect3.h"

// onVect3(law, args...) runs law once on its vector arguments: as Vect3
// (and Mat3) values when every one of them has three components, as Vect
// (and Matrix) otherwise. A law is written once, as a generic lambda over
// the vector type, and the engine runs it through here: the common case
// computes on register values, every other case keeps Vect's dimension
// rules, and both give the same bits where both apply.
//
// The arguments: a Vect the law may change (a non-const lvalue) is copied
// into a Vect3 and written back after the law; a const Vect is copied in;
// a Vect3 or Mat3 always has three components, and the general path gets
// it as a Vect or Matrix. The law must not reach the same Vects by another
// way while it runs: on the three-component path such a change would be
// overwritten by the write-back, or not seen by the law, while the general
// path keeps it. Builds without NDEBUG check this before each write-back
// and stop with a message when an argument changed during the law.
//
// The functions that run laws through here are marked [[gnu::flatten]], so
// that the dispatch, the law and the operations it calls compile into one
// body, with the Vect3 temporaries in registers: without it, a step of the
// benchmark workloads takes 11 to 28% more instructions.
namespace onVect3Detail {

// How an argument of type A takes part: fits (three components), three
// (its Vect3 or Mat3 value, of type Three), any (its form for the general
// path), back (stores the three-component result) and unchanged (whether
// it still holds, bit for bit, the value t the law was given).
template <class A>
struct Part;

template <class T>
inline bool sameBits(T const& a, T const& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <>
struct Part<Vect const> {
    using Three = Vect3 const;
    static bool fits(Vect const& v) { return v.getDim() == 3; }
    static bool unchanged(Vect const& v, Vect3 const& t) { return fits(v) && sameBits(three(v), t); }
    static Vect3 three(Vect const& v) { return static_cast<Vect3>(v); }
    static Vect const& any(Vect const& v) { return v; }
    static void back(Vect const&, Vect3 const&) {}
};

template <>
struct Part<Vect> : Part<Vect const> {
    using Three = Vect3;
    static Vect& any(Vect& v) { return v; }
    static void back(Vect& v, Vect3 const& t) { v = t; }
};

template <>
struct Part<Vect3 const> {
    using Three = Vect3 const;
    static bool fits(Vect3 const&) { return true; }
    static Vect3 three(Vect3 const& v) { return v; }
    static Vect any(Vect3 const& v) { return Vect(v); }
    static void back(Vect3 const&, Vect3 const&) {}
    static bool unchanged(Vect3 const& v, Vect3 const& t) { return sameBits(v, t); }
};

template <>
struct Part<Vect3> : Part<Vect3 const> {};

template <>
struct Part<Mat3 const> {
    using Three = Mat3 const;
    static bool fits(Mat3 const&) { return true; }
    static Mat3 three(Mat3 const& m) { return m; }
    static Matrix any(Mat3 const& m) { return Matrix::of(m); }
    static void back(Mat3 const&, Mat3 const&) {}
    static bool unchanged(Mat3 const& m, Mat3 const& t) { return sameBits(m, t); }
};

template <>
struct Part<Mat3> : Part<Mat3 const> {};

// Argument i of the law (a) stores its result t, after checking that a
// still holds given, the value the law was given.
template <class A, class T>
inline void checkedBack(A& a, T const& given, T const& t, std::size_t i) {
    if (!Part<A>::unchanged(a, given)) {
        std::fprintf(stderr,
                     "onVect3: argument %zu changed by another way while the law ran; the law's three-component "
                     "values do not hold that change\n",
                     i);
        std::abort();
    }
    Part<A>::back(a, t);
}

template <class Law, class... Args, std::size_t... I>
inline void onThree(Law& law, std::index_sequence<I...>, Args&... args) {
    std::tuple<typename Part<Args>::Three...> v{Part<Args>::three(args)...};
#ifdef NDEBUG
    law(std::get<I>(v)...);
    (Part<Args>::back(args, std::get<I>(v)), ...);
#else
    auto const given = v;
    law(std::get<I>(v)...);
    (checkedBack(args, std::get<I>(given), std::get<I>(v), I), ...);
#endif
}

}  // namespace onVect3Detail

template <class Law, class... Args>
inline void onVect3(Law&& law, Args&&... args) {
    using onVect3Detail::Part;
    // Marked as the likely path: the compiler then lays out and allocates
    // registers for the three-component path first, which makes a step of
    // charges take 4% fewer instructions (the pendulum scene 1.6% fewer, a
    // lattice under an empty g, whose weight takes the general path, 0.5%
    // more).
    if (__builtin_expect((Part<std::remove_reference_t<Args>>::fits(args) && ...), 1))
        onVect3Detail::onThree<Law, std::remove_reference_t<Args>...>(law, std::index_sequence_for<Args...>{}, args...);
    else
        law(Part<std::remove_reference_t<Args>>::any(args)...);
}
