#pragma once

#include <iosfwd>

#include "bodies/Disp.h"
#include "bodies/EngineRules.h"
#include "bodies/Force.h"
#include "bodies/Obj.h"

class System;

// A spring joining two bodies along the line between their centres. The
// force F of a law is applied as obj1->addF(F) then obj2->addF(-F), both at
// the centre, so a positive magnitude pulls the bodies together.
//
// The plain spring is linear with critical damping:
//   magnitude = k1 (len - L0) + 2 sqrt(k1 m_eff) w,
// w = (V2 - V1) . u the rate of lengthening and m_eff the reduced mass of
// the ends that accept translation forces (the mass of the one that does, or
// no force when neither does). Under the earlier rules it is undamped and
// saturating: e = k1 (len - L0), f = k1 (L0 + 1)^4, magnitude e f / sqrt(e^2 + f^2).
class Spring : public virtual Disp, public Force {
public:
    // Neither body is owned; both must outlive the spring's use.
    Spring(Obj& obj1, Obj& obj2, double const& k1, double const& L0);

    void force() override;
    void disp() override;
    // Springs write nothing.
    std::ostream& cdisp(std::ostream& os) override;

    void setk1(double const& v) { k1 = v; }
    void setL0(double const& v) { L0 = v; }
    void setObj1(Obj& o) { obj1 = &o; }
    void setObj2(Obj& o) { obj2 = &o; }
    double getk1() const { return k1; }
    double getL0() const { return L0; }
    Obj* getObj1() const { return obj1; }
    Obj* getObj2() const { return obj2; }

    // The engine form the law follows. A spring refers to its rules, which
    // must outlive it: a system gives its springs its own.
    EngineRules const& getRules() const { return *rules; }
    void setRules(EngineRules const& r) { rules = &r; }
    void setRules(EngineRules&&) = delete;

protected:
    // F at both centres: obj1 gets F, obj2 gets -F.
    template <class V>
    void apply(V const& F) {
        obj1->addCentralF(F);
        obj2->addCentralF(-F);
    }

    Obj* obj1;
    Obj* obj2;
    double k1;
    double L0;
    EngineRules const* rules = &EngineRules::current();

private:
    // The magnitude at length len and lengthening rate w (unused by the
    // earlier rules); false when neither end accepts translation forces.
    bool magnitudeAt(double len, double w, double& magnitude) const;
};

// An undamped linear spring that breaks when its tension (len - L0) k1
// exceeds fMax (or is NaN): it then leaves its system's force set for good
// and stays drawn. With coincident ends it applies nothing.
class SpringBreak : public Spring {
public:
    // sys is the system whose force set holds the spring; not owned.
    SpringBreak(System& sys, Obj& obj1, Obj& obj2, double const& k1, double const& L0, double const& fMax);

    void force() override;
    // Removes the spring from its system's force set.
    void breakMe();
    double getfMax() const { return fMax; }

protected:
    // The undamped linear law shared by the breaking and deforming springs:
    // F = (((len - L0) k1) axis) / len, axis = X2 - X1 of length len.
    template <class V>
    void applyTension(V const& axis, double len) {
        apply((((len - L0) * k1) * axis) / len);
    }

    System* sys;
    double fMax;
};

// An undamped linear spring that stops pushing while it is being compressed
// below L0 - dL; as soon as it lengthens again it acts with its rest length
// unchanged. fMax and spare are stored and never read. With coincident ends
// it applies nothing.
class SpringDeform : public SpringBreak {
public:
    // Note the order: spare before L0. The last length starts at L0.
    SpringDeform(System& sys, Obj& obj1, Obj& obj2, double const& k1, double const& spare, double const& L0,
                 double const& dL, double const& fMax);

    void force() override;
    double getdL() const { return dL; }
    double getLastL() const { return lastL; }

protected:
    double dL;
    double spare;
    double lastL;
};
