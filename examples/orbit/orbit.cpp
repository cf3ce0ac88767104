// orbit: a small body with a negative charge circling a heavy, positively
// charged one, pulled in by gravitation and by the electric attraction.
// Steps the system by 1 ms and prints one line of state per simulated
// second.
#include <cmath>
#include <cstdio>
#include <set>

#include "numerics/Vect.h"
#include "systems/System.h"

int main() {
    double const G = 6.673e-11;                    // the engine's gravitational constant
    double const k = 1e12 / 111.2626454195361;     // and its electric factor
    double const heavyMass = 1e12, charge = 5e-5;  // kg, C
    double const mass = 1.0, radius = 10.0;        // kg, m
    double const pull = (G * heavyMass * mass + k * charge * charge) / (radius * radius);
    double const speed = std::sqrt(pull * radius / mass);  // of a circular orbit

    // A top-level system: nothing outside it, so its parent sets stay empty.
    std::set<Obj*> outsideBodies;
    std::set<ObjC*> outsideCharges;
    System space(1, outsideBodies, outsideCharges, Vect{0, 0, 0}, Vect(3));
    // addObj(position, velocity, mass, diameter (0: a point), acting, charge, shown)
    space.addObj(Vect{0, 0, 0}, Vect(3), heavyMass, 0.0, true, charge, false);
    ObjCG* moon = space.addObj(Vect{radius, 0, 0}, Vect{0, speed, 0}, mass, 0.0, true, -charge, false);

    double const dt = 0.001;
    int const stepsPerSecond = 1000;
    for (int second = 1; second <= 25; ++second) {
        for (int i = 0; i < stepsPerSecond; ++i) space.update(dt);
        Vect const x = moon->getX();
        Vect const v = moon->getdx();
        std::printf("t = %2d s   x = %7.3f  y = %7.3f   r = %6.3f m   speed = %5.3f m/s\n", second, x.get(0), x.get(1),
                    x.norme(), v.norme());
    }
    return 0;
}
