#include "systems/System.h"

#include <ostream>

#include "bodies/Ball.h"
#include "bodies/Painter.h"

System::System(int const& scale_, std::set<Obj*>& parentObjs, std::set<ObjC*>& parentObjCs, Vect const& X_,
               Vect const& /*V*/)
    : Obj(X_, 0.0, Vect(3u), Vect(3u), Vect(3u)),
      ObjCG(parentObjs, parentObjCs, X_, 0.0, 0.0, Vect(3u), Vect(3u), Vect(3u)),
      scale(scale_) {}

System::~System() = default;

ObjCG* System::addObj(Vect const& X_, Vect const& dx_, double const& m_, double const& size, bool const& acting,
                      double const& c_, bool const& shown) {
    std::unique_ptr<ObjCG> made;
    // A NaN size is "not 0" and gives a ball of NaN radius.
    if (size != 0.0)
        made = std::make_unique<BallCG>(objs, objCs, X_, m_, size * 0.5, c_, dx_);
    else
        made = std::make_unique<ObjCG>(objs, objCs, X_, m_, c_, dx_, Vect(3u), Vect(3u));
    ObjCG* body = made.get();
    body->setRules(rules);
    ownedObjs_.push_back(std::move(made));
    objs.insert(body);
    if (shown) disps.insert(body);
    bool const charged = c_ != 0.0;
    if (acting || charged) forces.insert(body);
    if (charged) objCs.insert(body);
    return body;
}

Spring* System::addSpring(Obj& a, Obj& b, double const& k, double const& L0, int const& kind, double const& p6,
                          double const& p7, double const& p8) {
    std::unique_ptr<Spring> made;
    switch (kind) {
    case 0:
        made = std::make_unique<Spring>(a, b, k, L0);
        break;
    case 1:
        made = std::make_unique<SpringDeform>(*this, a, b, k, p6, L0, p7, p8);
        break;
    case 2:
        made = std::make_unique<SpringBreak>(*this, a, b, k, L0, p8);
        break;
    default:
        return nullptr;
    }
    Spring* spring = made.get();
    spring->setRules(rules);
    ownedSprings_.push_back(std::move(made));
    forces.insert(spring);
    disps.insert(spring);
    return spring;
}

void System::delF(Force* f) { forces.erase(f); }

void System::init() {
    g = Vect(3u);
    E = Vect(3u);
    B = Vect(3u);
}

// In this order: B then E into every charged member and every subsystem;
// the weight g m into every body (at its centre) and g into every
// subsystem; every force(); then -damping v into every body.
void System::force() {
    for (ObjC* o : objCs) {
        o->addMagnF(B);
        o->addElecF(E);
    }
    for (System* s : systems) {
        s->B += B;
        s->E += E;
    }
    for (Obj* o : objs) o->addCentralF(g * o->getM());
    for (System* s : systems) s->g += g;
    for (Force* f : forces) f->force();
    if (rules.dampingStep) {
        double const k = -damping;
        for (Obj* o : objs) o->addCentralF(k * o->getdx());
    }
}

void System::update(double const& dt) {
    for (Obj* o : objs) o->init();
    for (System* s : systems) s->init();
    force();
    for (Obj* o : objs) o->update(dt);
    if (rules.subsystemSteps)
        for (System* s : systems) s->update(dt);
}

std::ostream& System::cdisp(std::ostream& os) {
    os << "SYSTEM ---" << std::endl;
    for (Disp* d : disps) os << *d;
    os << "--------" << std::endl << std::endl;
    return os;
}

void System::disp() {
    painter().systemFrame(X, scale);
    for (Disp* d : disps) d->disp();
    for (System* s : systems) s->disp();
}

void System::setRules(EngineRules const& r) {
    Obj::setRules(r);
    for (auto const& o : ownedObjs_) o->setRules(r);
    for (auto const& s : ownedSprings_) s->setRules(r);
    for (auto const& s : ownedSystems_) s->setRules(r);
}
