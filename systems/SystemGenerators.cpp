#include <climits>
#include <cmath>

#include "systems/System.h"

namespace {
// Rest lengths of the lattice diagonals in mode 0, per unit spacing.
constexpr double faceDiagonal = 1.4142135623730951;
constexpr double spaceDiagonal = 1.7320508075688772;
// Counts at or above this do not fit the unsigned loop counters.
constexpr double countLimit = 4294967296.0;
}  // namespace

// Bodies are created x fastest, then y, then z, so (x, y, z) has index
// x + ex y + ex ey z, with ex and ey the bodies per row and per column
// (a count of 0 still leaves the one body at 0). Each new body is joined,
// in the order written below, to its backward neighbours: every existing
// body whose coordinates differ from its own by 0 or -1 on each axis.
std::vector<Obj*> System::generate(Vect const& origin, Vect const& counts, double const& s, double const& M,
                                   int const& mode, double const& k, bool const& /*flag*/, double const& q,
                                   bool const& shown, Vect const& v) {
    std::vector<Obj*> list;
    double const h = s * 0.5;
    if (mode != 0 && mode != 1) return list;
    unsigned int const dims = counts.getDim();
    // Negative counts are meaningless and NaN or huge ones cannot be
    // truncated: such a request builds nothing.
    double n = 1.0;
    for (unsigned int i = 0; i < dims; ++i) {
        double const count = counts.get(i);
        if (!(count >= 0.0) || count >= countLimit) return list;
        n *= std::trunc(count);
    }
    double const bodyMass = M / n;
    unsigned int const nx = static_cast<unsigned int>(counts.get(0));
    unsigned int const ny = static_cast<unsigned int>(counts.get(1));
    unsigned int const nz = static_cast<unsigned int>(counts.get(2));
    std::size_t const ex = nx > 0 ? nx : 1;
    std::size_t const ey = ny > 0 ? ny : 1;

    double const edge = s;
    double const face = mode == 0 ? faceDiagonal * s : s;
    double const space = mode == 0 ? spaceDiagonal * s : s;

    auto make = [&](Vect const& at) {
        Obj* body = addObj(at, v, bodyMass, h, false, q, shown);
        list.push_back(body);
        return body;
    };
    auto body = [&](unsigned int x, unsigned int y, unsigned int z) { return list[x + ex * y + ex * ey * z]; };
    auto join = [&](Obj* newer, Obj* older, double rest) { addSpring(*newer, *older, k, rest, 0, 0.0, 0.0, 0.0); };

    make(origin);
    if (dims >= 1) {
        for (unsigned int x = 1; x < nx; ++x) {
            Obj* b = make(origin + Vect{x * s});
            join(b, body(x - 1, 0, 0), edge);
        }
    }
    if (dims >= 2) {
        for (unsigned int y = 1; y < ny; ++y) {
            Obj* b = make(origin + Vect{0, y * s});
            join(b, body(0, y - 1, 0), edge);
            for (unsigned int x = 1; x < nx; ++x) {
                b = make(origin + Vect{x * s, y * s});
                join(b, body(x - 1, y, 0), edge);
                join(b, body(x, y - 1, 0), edge);
                join(b, body(x - 1, y - 1, 0), face);
            }
        }
    }
    if (dims > 2) {
        for (unsigned int z = 1; z < nz; ++z) {
            Obj* b = make(origin + Vect{0, 0, z * s});
            join(b, body(0, 0, z - 1), edge);
            for (unsigned int x = 1; x < nx; ++x) {
                b = make(origin + Vect{x * s, 0, z * s});
                join(b, body(x - 1, 0, z - 1), face);
                join(b, body(x - 1, 0, z), edge);
                join(b, body(x, 0, z - 1), edge);
            }
            for (unsigned int y = 1; y < ny; ++y) {
                b = make(origin + Vect{0, y * s, z * s});
                join(b, body(0, y - 1, z), edge);
                join(b, body(0, y, z - 1), edge);
                join(b, body(0, y - 1, z - 1), face);
                for (unsigned int x = 1; x < nx; ++x) {
                    b = make(origin + Vect{x * s, y * s, z * s});
                    join(b, body(x - 1, y, z), edge);
                    join(b, body(x - 1, y - 1, z), face);
                    join(b, body(x - 1, y, z - 1), face);
                    join(b, body(x - 1, y - 1, z - 1), space);
                    join(b, body(x, y - 1, z), edge);
                    join(b, body(x, y, z - 1), edge);
                    join(b, body(x, y - 1, z - 1), face);
                }
            }
        }
    }
    return list;
}

Obj* System::generatePendulum(Vect const& origin, double const& length, double const& mass, double const& size) {
    Obj* anchor = addObj(origin + Vect{length}, Vect(3u), 1.0, 0.0, false, 0.0, true);
    anchor->enableTranslationForce(false);
    Obj* bob = addObj(origin, Vect(3u), mass, size, false, 0.0, true);
    addSpring(*bob, *anchor, 500.0, length, 0, 0.0, 0.0, 0.0);
    return bob;
}

namespace {
// A rope of 10 x width x width bodies along the first axis, and how its bob
// hangs from it.
struct Rope {
    unsigned int width;
    double mass;     // of the whole rope
    Vect bobOffset;  // where the bob starts, from the origin
    double bobRest;  // of the bob's spring to rope body 0
};

// The rope (hidden, spacing s, constant 25) hangs from one edge of its far
// end, the bodies (9, y, 0); the bob is made after it.
std::vector<Obj*> hangFromRope(System& sys, Vect const& origin, double s, Rope const& rope, double mass, double size) {
    double const w = rope.width;
    std::vector<Obj*> list = sys.generate(origin, Vect{10, w, w}, s, rope.mass, 0, 25.0, false, 0.0, false, Vect(3u));
    Obj* bob = sys.addObj(origin + rope.bobOffset, Vect(3u), mass, size, false, 0.0, true);
    list.push_back(bob);
    for (unsigned int y = 0; y < rope.width; ++y) list[9 + 10 * y]->enableTranslationForce(false);
    sys.addSpring(*bob, *list[0], 25.0, rope.bobRest, 0, 0.0, 0.0, 0.0);
    return list;
}
}  // namespace

std::vector<Obj*> System::generatePendulum2(Vect const& origin, double const& length, double const& mass,
                                            double const& size) {
    double const s = length / 10;
    return hangFromRope(*this, origin, s, Rope{1, mass * 0.5, Vect{0, 0, 0}, 0.0}, mass, size);
}

// The bob starts in the middle of the rope's end face x = 0.
std::vector<Obj*> System::generatePendulum3(Vect const& origin, double const& length, double const& mass,
                                            double const& size) {
    double const s = length / 10;
    return hangFromRope(*this, origin, s, Rope{2, 50.0, Vect{0, s * 0.5, s * 0.5}, spaceDiagonal * s * 0.5}, mass,
                        size);
}

System* System::addSys(Vect const& position, double const& number) {
    // Truncated toward zero; NaN and out-of-range numbers (which cannot be
    // truncated to an int) become 0 or the nearest int.
    int scaleOf = 0;
    if (number >= static_cast<double>(INT_MAX))
        scaleOf = INT_MAX;
    else if (number <= static_cast<double>(INT_MIN))
        scaleOf = INT_MIN;
    else if (number == number)
        scaleOf = static_cast<int>(number);
    auto made = std::make_unique<System>(scaleOf, ownObjs_, ownObjCs_, position, Vect(3u));
    made->rules = rules;
    System* sys = made.get();
    ownedSystems_.push_back(std::move(made));
    systems.insert(sys);
    return sys;
}
