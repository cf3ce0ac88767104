#include "systems/System.h"

#include <ostream>

#include "bodies/Ball.h"
#include "bodies/Painter.h"
#include "systems/Arena.h"

struct System::Members {
    // The members of objs in creation order, each with its part in objCs
    // when it is charged. The step and the acting bodies' walks go through
    // this array rather than the sets: it is faster to walk, and its order
    // does not depend on where the allocator put the members (it decides
    // which body draws which noise values, when their amplitude is not 0).
    std::vector<ActedOn> list;
    // Declared last: the members are freed before the array goes.
    Arena bodyArena;
    Arena springArena;
};

System::System(int const& scale_, std::set<Obj*>& parentObjs, std::set<ObjC*>& parentObjCs, Vect const& X_,
               Vect const& /*V*/)
    : Obj(X_, 0.0, Vect(3u), Vect(3u), Vect(3u)),
      ObjCG(parentObjs, parentObjCs, X_, 0.0, 0.0, Vect(3u), Vect(3u), Vect(3u)),
      scale(scale_),
      members_(std::make_unique<Members>()) {
    rules = &ownRules_;
}

System::~System() = default;

ObjCG* System::addObj(Vect const& X_, Vect const& dx_, double const& m_, double const& size, bool const& acting,
                      double const& c_, bool const& shown) {
    ObjCG* body;
    // A NaN size is "not 0" and gives a ball of NaN radius.
    if (size != 0.0)
        body = members_->bodyArena.make<BallCG>(ownObjs_, ownObjCs_, X_, m_, size * 0.5, c_, dx_);
    else
        body = members_->bodyArena.make<ObjCG>(ownObjs_, ownObjCs_, X_, m_, c_, dx_, Vect(3u), Vect(3u));
    body->setRules(*rules);
    body->setMembers(members_->list);
    bool const charged = c_ != 0.0;
    members_->list.push_back(ActedOn{body, charged ? body : nullptr});
    ownObjs_.insert(body);
    if (shown) disps.insert(body);
    if (charged) ownObjCs_.insert(body);
    if (acting || charged) forces.insert(body);
    return body;
}

Spring* System::addSpring(Obj& a, Obj& b, double const& k, double const& L0, int const& kind, double const& p6,
                          double const& p7, double const& p8) {
    Spring* spring;
    switch (kind) {
    case 0:
        spring = members_->springArena.make<Spring>(a, b, k, L0);
        break;
    case 1:
        spring = members_->springArena.make<SpringDeform>(*this, a, b, k, p6, L0, p7, p8);
        break;
    case 2:
        spring = members_->springArena.make<SpringBreak>(*this, a, b, k, L0, p8);
        break;
    default:
        return nullptr;
    }
    spring->setRules(*rules);
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
[[gnu::flatten]] void System::force() {
    for (ActedOn const& a : members_->list)
        if (a.charge) {
            a.charge->addMagnF(B);
            a.charge->addElecF(E);
        }
    for (System* s : systems) {
        s->B += B;
        s->E += E;
    }
    onVect3(
        [this](auto const& g_) {
            for (ActedOn const& a : members_->list) a.body->addCentralF(g_ * a.body->getM());
        },
        g);
    for (System* s : systems) s->g += g;
    // A member may leave forces (a breaking spring) or join it during the
    // walk; the holes left are squeezed out after it.
    for (Force* f : forces) f->force();
    forces.compact();
    if (rules->dampingStep) {
        double const k = -damping;
        for (ActedOn const& a : members_->list)
            onVect3([o = a.body, k](auto const& v) { o->addCentralF(k * v); }, a.body->getdx());
    }
}

void System::update(double const& dt) {
    for (ActedOn const& a : members_->list) a.body->init();
    for (System* s : systems) s->init();
    force();
    for (ActedOn const& a : members_->list) a.body->update(dt);
    if (rules->subsystemSteps)
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

// rules always points at the ownRules_ of the outermost system of the tree
// (a subsystem takes its parent's pointer, and no setRules repoints a
// system's), a modifiable object.
void System::setRules(EngineRules const& r) { const_cast<EngineRules&>(*rules) = r; }
