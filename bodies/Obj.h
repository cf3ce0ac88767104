#pragma once

#include <iosfwd>

#include "bodies/Disp.h"
#include "bodies/EngineRules.h"
#include "numerics/Matrix.h"
#include "numerics/OnVect3.h"
#include "numerics/Vect.h"
#include "numerics/Vect3.h"

class Ball;
class Portal;
// Parameter types of the collision hooks; no such body exists.
class Parallelepiped;
class Button;

// The rigid body and virtual base of every body kind: a mass with position
// and velocity, an orientation (rotation vector) with angular momentum and
// an inertia matrix. Force laws push into it with addF; update(dt) then
// advances it by one explicit step. Units are SI.
class Obj : public virtual Disp {
public:
    Obj(Vect const& X, double const& m, Vect const& dx, Vect const& ang, Vect const& mcin);

    // Position and velocity are read in every force law's inner loop, so
    // these two give read-only views rather than copies.
    Vect const& getX() const { return X; }
    void setX(Vect const& v) { X = v; }
    Vect const& getdx() const { return dx; }
    void setdx(Vect const& v) { dx = v; }
    Vect getF() const { return F; }
    void setF(Vect const& v) { F = v; }
    double getM() const { return m; }
    // Changes the mass only; the inertia matrix stays.
    void setM(double const& v) { m = v; }
    double getT() const { return T; }
    void setT(double const& v) { T = v; }
    Vect getAng() const { return ang; }
    void setAng(Vect const& v) { ang = v; }
    Vect getMCin() const { return mcin; }
    void setMCin(Vect const& v) { mcin = v; }
    Vect getMf() const { return Mf; }
    void setMf(Vect const& v) { Mf = v; }

    void enableTranslationForce(bool on) { translationForce = on; }
    void enableRotationForce(bool on) { rotationForce = on; }
    bool translationForceEnabled() const { return translationForce; }
    bool rotationForceEnabled() const { return rotationForce; }

    // The engine form this body follows (see EngineRules). A body refers
    // to its rules, which must outlive it: a system gives its members its
    // own, and the two forms of EngineRules live as long as the program.
    EngineRules const& getRules() const { return *rules; }
    virtual void setRules(EngineRules const& r) { rules = &r; }
    void setRules(EngineRules&&) = delete;

    // Force f applied at point p (relative to the centre): F += f when
    // translation forces are on, then Mf += p ^ f when rotation forces are.
    void addF(Vect const& f, Vect const& p) { addFAt(f, p); }
    void addF(Vect3 const& f, Vect3 const& p) { addFAt(f, p); }
    // Torque p ^ f, whatever the switches.
    void addM(Vect const& f, Vect const& p) { Mf += p ^ f; }

    // addF(f, zero 3-vector): a force at the centre, as every force law of
    // the engine applies it. The zero torque 0 ^ f is still added, as it
    // can turn a -0 into +0 or carry a NaN.
    void addCentralF(Vect const& f) { addFAt(f, Vect3{0.0, 0.0, 0.0}); }
    void addCentralF(Vect3 const& f) { addFAt(f, Vect3{0.0, 0.0, 0.0}); }

    void disp() override;
    std::ostream& cdisp(std::ostream& os) override;
    // Clears the force (and, in the current engine, the torque).
    virtual void init() {
        clearToZero3(F);
        if (rules->initClearsTorque) clearToZero3(Mf);
    }
    // One explicit step of dt seconds.
    virtual void update(double const& dt);

    // Angular velocity I^-1 mcin.
    Vect getVitAng();
    // Rotation matrix of ang, or of the opposite angle when inverse is true.
    Matrix rotateMatrix(bool const& inverse) const;
    // A point of the body's frame in the world frame.
    Vect convertRefRel(Vect const& v) const;
    // The rotated point minus X (the position is subtracted after turning).
    Vect convertRefAbs(Vect const& v) const;

    // Collision hooks: no collision handling exists, they do nothing.
    void collide(Obj&) {}
    void collide(Ball&) {}
    void collide(Parallelepiped&) {}
    void collide(Portal&) {}
    void collide(Button&) {}

protected:
    // The law of addF, on a force sum F and a torque sum Mf of either
    // vector type.
    template <class V>
    void addTo(V& F_, V& Mf_, V const& f, V const& p) const {
        if (translationForce) F_ += f;
        if (rotationForce) Mf_ += p ^ f;
    }
    // addF of a force and a point, each a Vect or a Vect3.
    template <class A, class B>
    void addFAt(A const& f, B const& p) {
        onVect3([this](auto& F_, auto& Mf_, auto const& f_, auto const& p_) { addTo(F_, Mf_, f_, p_); }, F, Mf, f, p);
    }
    // Writes the nine-line body block shared by the derived dumps.
    std::ostream& writeObjBlock(std::ostream& os);
    // v becomes the zero 3-vector (in place when it has three components).
    static void clearToZero3(Vect& v) {
        if (v.getDim() == 3)
            v.set0();
        else
            v = Vect(3u);
    }

    bool translationForce = true;
    bool rotationForce = true;
    Vect X;
    Vect dx;
    Vect F;
    double m;
    double T = 0.0;
    Matrix I = Matrix(3, 1.0);
    Vect ang;
    Vect mcin;
    Vect Mf;
    EngineRules const* rules = &EngineRules::current();

    // update(dt) after fieldForces(F, Mf, dx, fields...) has added the
    // forces the body feels from the fields it carries (the Lorentz terms
    // of ObjC), run as one law on the body's vectors (see BodyStep.h).
    template <class FieldForces, class... Fields>
    void stepWith(double dt, FieldForces const& fieldForces, Fields const&... fields);

private:
    // The translation and the rotation of update, on the body's vectors of
    // either type; dtInv is dt I^-1 (a Mat3 or a Matrix). Draws of a zero
    // amplitude are counted in skipped, to be made once the step is done.
    template <class V>
    void move(double dt, V& X_, V& dx_, V& F_, V& Mf_, unsigned& skipped);
    template <class V, class M>
    void turn(double dt, V const& Mf_, V& mcin_, V& ang_, M const& dtInv, unsigned& skipped);
};
