#include "systems/Scenes.h"

namespace {
Obj* launched(Obj* body, Vect const& v) {
    body->setdx(v);
    return body;
}
}  // namespace

void addAttractor(System& sys) {
    sys.addObj(Vect{0.0, 0.0, -60000005.0}, Vect{0.0, 0.0, 0.0}, 5.9e25, 0.0, true, 0.0, true);
}

// Pendulum arguments: origin, length, bob mass, bob size (0 for a point).
std::vector<Obj*> buildPendulumScene(System& sys) {
    Obj* ptr002 = launched(sys.generatePendulum(Vect{50, 20, 0}, 10.0, 10.0, 1.0), Vect{0, 1, 0});
    Obj* ptr001 = launched(sys.generatePendulum2(Vect{50, 0, 0}, 10.0, 10.0, 1.0)[0], Vect{0, 50, 0});
    Obj* ptr003 = launched(sys.generatePendulum(Vect{50, -20, 0}, 10.0, 8.0, 1.0), Vect{-30, -20, -50});
    Obj* ptr004 = launched(sys.generatePendulum(Vect{50, -20, 0}, 10.0, 10.0, 1.0), Vect{0, 10, 10});
    for (int i = 0; i < 30; ++i)
        launched(sys.generatePendulum(Vect{30, -50.0 - i, 0}, 10.0, 10.0, 0.0), Vect{0, 0, 5.0 - i});
    for (int i = 0; i < 30; ++i) sys.generatePendulum(Vect{60, -50.0 - i, 0}, 0.5 * i, 10.0, 0.0);
    for (int j = 0; j < 15; ++j) sys.generatePendulum2(Vect{80, -60.0 - j, 0}, 5.0 + 0.5 * j, 10.0, 0.0);
    // Launched, not traced.
    launched(sys.generatePendulum(Vect{50, -40, 0}, 10.0, 10.0, 1.0), Vect{0, 0, -100});
    addAttractor(sys);
    sys.damping = 0.005;
    return {ptr001, ptr002, ptr003, ptr004};
}

std::vector<Obj*> buildLightScene(System& sys) {
    Obj* ptr002 = launched(sys.generatePendulum(Vect{50, 20, 0}, 10.0, 10.0, 1.0), Vect{0, 1, 0});
    Obj* ptr006 = launched(sys.generatePendulum2(Vect{50, 0, 0}, 10.0, 10.0, 1.0)[0], Vect{0, 50, 0});
    Obj* ptr001 = launched(sys.generatePendulum2(Vect{70, 0, 0}, 10.0, 10.0, 1.0)[0], Vect{0, 30, 30});
    // Entry 5: a body in the middle of the rope.
    Obj* ptr007 = launched(sys.generatePendulum2(Vect{90, 0, 0}, 10.0, 10.0, 1.0)[5], Vect{0, 30, 30});
    Obj* ptr003 = launched(sys.generatePendulum(Vect{50, -20, 0}, 10.0, 8.0, 1.0), Vect{-30, -20, -50});
    Obj* ptr004 = launched(sys.generatePendulum(Vect{50, -20, 0}, 10.0, 10.0, 1.0), Vect{0, 10, 10});
    Obj* ptr005 = launched(sys.generatePendulum(Vect{50, -40, 0}, 10.0, 10.0, 1.0), Vect{0, 3, 4});
    addAttractor(sys);
    sys.damping = 0.005;
    return {ptr001, ptr002, ptr003, ptr004, ptr005, ptr006, ptr007};
}

Obj* buildLatticeScene(System& sys) {
    Vect const zero{0.0, 0.0, 0.0};
    // 50 balls of mass 2 and diameter 0.5 at unit spacing, springs of 100 at
    // rest length (mode 0), all shown.
    sys.generate(zero, Vect{5, 5, 2}, 1.0, 100.0, 0, 100.0, false, 0.0, true, zero);
    addAttractor(sys);
    Obj* ball = sys.addObj(Vect{-10, -10, -10}, Vect{0, 0, 10}, 10.0, 1.0, false, 0.0, true);
    ball->setT(0.0);
    return ball;
}
