#include "viewer/LatticeScene.h"

#include <cstdlib>
#include <ctime>

#include "bodies/Obj.h"
#include "systems/System.h"
#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"

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

void LatticeScene::build(System& mainSys) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    buildLatticeScene(mainSys);
}

void LatticeScene::step(System& mainSys) { mainSys.update(TracedScene::timeStep); }

void LatticeScene::pass(System& mainSys) { mainSys.disp(); }
