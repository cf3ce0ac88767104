#include "viewer/PendulumScene.h"

#include "bodies/Obj.h"
#include "systems/Scenes.h"
#include "systems/System.h"

namespace {

Obj* launched(Obj* body, Vect const& v) {
    body->setdx(v);
    return body;
}

}  // namespace

void addAttractor(System& sys) {
    sys.addObj(Vect{0.0, 0.0, -60000005.0}, Vect{0.0, 0.0, 0.0}, 5.9e25, 0.0, true, 0.0, true);
}

std::vector<Obj*> tracedPendulumScene(System& sys) {
    Obj* picked[5] = {};
    buildPendulumScene(sys, picked);
    return {picked[0], picked[1], picked[2], picked[3]};
}

// Pendulum arguments: origin, length, bob mass, bob size (0 for a point).
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

std::string welcomeText() {
    std::string const call = "-->> press CTRL+P to activate physics ! <<--";
    std::string t = "bienvenue dans le test de balle !" + std::string(175, '-');
    t += "\n" + call + std::string(8, ' ') + call + std::string(7, ' ') + call + std::string(7, ' ') + call +
         std::string(8, ' ');
    t += "\nthen press SPACE for fun ! :-)" + std::string(173, ' ') + ":-D ";
    t += "\nmove with wasd and arrows" + std::string(182, '-');
    t += "\n\nchanger mainSys.disp() en mainSys.cdisp() dans plinvo dans la fonction dessine pour le terminal, "
         "la fenetre s'ouvre quand meme, regarder dans le terminal apres avoir active la simulation dans la "
         "fenetre!";
    t += "\n" + std::string(209, '-');
    return t;
}
