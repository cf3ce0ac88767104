#pragma once

#include <iosfwd>
#include <set>

#include "bodies/Force.h"
#include "bodies/Obj.h"

// A homogeneous solid sphere: a rigid body with a radius, whose inertia
// follows from its mass and radius.
class Ball : public virtual Obj {
public:
    // Note the order radius before mass. Angle and angular momentum start
    // at zero; the inertia is the solid sphere's ((m + m) r) r / 5 on the
    // diagonal.
    Ball(Vect const& X, double const& r, double const& m, Vect const& dx);

    double getR() const { return r; }
    // r^3 pi 4 / 3, in m^3.
    double getVol() const;
    // Density m / volume, in kg/m^3.
    double getMv() const;
    // New radius r2; with keepDensity the mass first scales with the
    // volume. The inertia matrix is left as it was.
    void setR(double const& r2, bool const& keepDensity);
    // New mass m2; with keepDensity the radius follows so that the density
    // stays (a massless ball keeps its radius). The inertia matrix stays.
    void setM(double const& m2, bool const& keepDensity);
    using Obj::setM;

    // Collision handling does not exist: these leave every state unchanged.
    void merge(Ball const&) {}
    void collide(Obj&) {}
    void collide(Ball&) {}
    void collide(Parallelepiped&) {}
    void collide(Portal&) {}
    void collide(Button&) {}

    void disp() override;
    // "-----BALL-----", the body block, the radius and density lines, and
    // a closing line of dashes.
    std::ostream& cdisp(std::ostream& os) override;
    void update(double const& dt) override;

protected:
    // Writes the ball block of cdisp.
    std::ostream& writeBallBlock(std::ostream& os);

    double r;
};

// A ball that also gravitates and carries a charge: what System::addObj
// creates for a body of non-zero size.
class BallCG : public Ball, public ObjCG {
public:
    // Note the order mass before radius, unlike Ball.
    BallCG(std::set<Obj*>& gravSet, std::set<ObjC*>& chargeSet, Vect const& X, double const& m, double const& r,
           double const& c, Vect const& dx);

    using Ball::collide;
    using Ball::setM;

    // Drawn as a ball.
    void disp() override;
    // The ball block; under the earlier rules the charged-body block
    // followed by "Rayon : " and the radius.
    std::ostream& cdisp(std::ostream& os) override;
    // Lorentz forces, then the body step (ObjC::update).
    void update(double const& dt) override;
};
