#include "systems/System.h"

#include <ostream>
#include <typeinfo>

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
    ObjCG* body;
    // A NaN size is "not 0" and gives a ball of NaN radius.
    if (size != 0.0)
        body = bodyArena_.make<BallCG>(ownObjs_, ownObjCs_, X_, m_, size * 0.5, c_, dx_);
    else
        body = bodyArena_.make<ObjCG>(ownObjs_, ownObjCs_, X_, m_, c_, dx_, Vect(3u), Vect(3u));
    body->setRules(rules);
    Obj* const asObj = body;
    ObjC* const asCharge = body;
    Force* const asForce = static_cast<ObjC*>(body);
    bool const charged = c_ != 0.0;
    bool const inForces = acting || charged;
    Acting const entry{asForce, Kind::MadeBody, nullptr, body};
    if (inForces) madeForces_.emplace(asForce, entry);

    // The step's arrays first, in creation order, then the sets.
    bodyList_.push_back(asObj);
    bodies_.push_back(Body{asObj, body, charged ? asCharge : nullptr});
    if (charged) chargeList_.push_back(asCharge);
    layoutStale_ = true;
    ownObjs_.insert(asObj);
    if (shown) disps.insert(body);
    if (charged) ownObjCs_.insert(asCharge);
    if (inForces) {
        bool const actingInLine = forces.version() == actingVersion_;
        forces.insert(asForce);
        if (actingInLine) {
            acting_.push_back(entry);
            actingVersion_ = forces.version();
        }
    }
    return body;
}

Spring* System::addSpring(Obj& a, Obj& b, double const& k, double const& L0, int const& kind, double const& p6,
                          double const& p7, double const& p8) {
    Spring* spring;
    switch (kind) {
    case 0:
        spring = springArena_.make<Spring>(a, b, k, L0);
        break;
    case 1:
        spring = springArena_.make<SpringDeform>(*this, a, b, k, p6, L0, p7, p8);
        break;
    case 2:
        spring = springArena_.make<SpringBreak>(*this, a, b, k, L0, p8);
        break;
    default:
        return nullptr;
    }
    spring->setRules(rules);
    springs_.push_back(spring);
    Acting const entry{spring, kind == 0 ? Kind::PlainSpring : Kind::Other, spring, nullptr};
    if (kind == 0) madeForces_.emplace(spring, entry);
    bool const actingInLine = forces.version() == actingVersion_;
    forces.insert(spring);
    disps.insert(spring);
    if (actingInLine) {
        acting_.push_back(entry);
        actingVersion_ = forces.version();
    }
    return spring;
}

void System::delF(Force* f) { forces.erase(f); }

void System::init() {
    g = Vect(3u);
    E = Vect(3u);
    B = Vect(3u);
}

void System::syncMembers() {
    if (layoutStale_) updateChargeLayout();
    if (forces.version() != actingVersion_) {
        forces.compact();
        rebuildActing();
    }
}

void System::updateChargeLayout() {
    bool same = chargeList_.size() == bodies_.size();
    for (std::size_t i = 0; same && i < bodies_.size(); ++i) same = bodies_[i].charge == chargeList_[i];
    chargesAreBodies_ = same;
    layoutStale_ = false;
}

void System::rebuildActing() {
    acting_.clear();
    for (std::size_t i = 0; i < forces.slotCount(); ++i) {
        Force* const f = forces.slot(i);
        auto const found = madeForces_.find(f);
        acting_.push_back(found != madeForces_.end() ? found->second : Acting{f, Kind::Other, nullptr, nullptr});
    }
    actingVersion_ = forces.version();
}

void System::runForce(Acting const& a) {
    switch (a.kind) {
    case Kind::PlainSpring:
        a.spring->Spring::force();
        break;
    case Kind::MadeBody:
        a.body->forceOn(bodyList_, chargeList_, chargesAreBodies_);
        break;
    case Kind::Other:
        if (a.force) a.force->force();
        break;
    }
}

void System::runForces() {
    std::size_t const version = forces.version();
    for (std::size_t i = 0; i < forces.slotCount(); ++i) {
        if (forces.version() == version)
            runForce(acting_[i]);
        else if (Force* f = forces.slot(i))
            f->force();
    }
    if (forces.version() != version) {
        forces.compact();
        rebuildActing();
    }
}

namespace {
// init() and update(dt) of a body made by addObj: ObjC's, called directly.
inline void initBody(ObjCG* b) { b->ObjC::init(); }
inline void stepBody(ObjCG* b, double dt) { b->ObjC::update(dt); }
}  // namespace

// In this order: B then E into every charged member and every subsystem;
// the weight g m into every body (at its centre) and g into every
// subsystem; every force(); then -damping v into every body.
void System::force() {
    syncMembers();
    for (ObjC* o : chargeList_) {
        o->addMagnF(B);
        o->addElecF(E);
    }
    for (System* s : systems) {
        s->B += B;
        s->E += E;
    }
    for (Body const& b : bodies_) b.obj->addCentralF(g * b.obj->getM());
    for (System* s : systems) s->g += g;
    runForces();
    if (rules.dampingStep) {
        double const k = -damping;
        for (Body const& b : bodies_) b.obj->addCentralF(k * b.obj->getdx());
    }
}

// Every stage touches each body or subsystem on its own, so when force()
// is this class's own (every charged member is a body), the stages that
// follow each other over the same bodies run in one walk: clearing with
// the ambient fields and weight, and damping with the body step. The
// results are those of the stages one after the other.
void System::update(double const& dt) {
    syncMembers();
    if (typeid(*this) == typeid(System)) {
        for (Body const& b : bodies_) {
            initBody(b.made);
            if (b.charge) {
                b.charge->addMagnF(B);
                b.charge->addElecF(E);
            }
            b.obj->addCentralF(g * b.obj->getM());
        }
        for (System* s : systems) {
            s->init();
            s->B += B;
            s->E += E;
            s->g += g;
        }
        runForces();
        bool const damp = rules.dampingStep;
        double const k = -damping;
        for (Body const& b : bodies_) {
            if (damp) b.obj->addCentralF(k * b.obj->getdx());
            stepBody(b.made, dt);
        }
    } else {
        for (Body const& b : bodies_) initBody(b.made);
        for (System* s : systems) s->init();
        force();
        for (Body const& b : bodies_) stepBody(b.made, dt);
    }
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
    for (Body const& b : bodies_) b.made->setRules(r);
    for (Spring* s : springs_) s->setRules(r);
    for (auto const& s : ownedSystems_) s->setRules(r);
}
