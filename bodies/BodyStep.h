#pragma once

// The body step, Obj::update, as one law over the vector type; included by
// the bodies that run it.

#include "bodies/Obj.h"
#include "numerics/OnVect3.h"
#include "numerics/Rand.h"

namespace bodyStepDetail {
// randVect(amp, 3) as a V. For amp 0 its value, (0, 0, 0), is known and its
// draws are only counted in skipped: stepWith makes them (randStream::skip)
// once the step is done, which nothing else draws in between. A call in the
// middle of the step would make the compiler keep every vector of the step
// in memory across it (together about 5% of the instructions of a pendulum
// scene step).
template <class V>
V noise(double amp, unsigned& skipped) {
    if (amp != 0.0) return V(randVect(amp, 3));
    skipped += 3;
    return V{0.0, 0.0, 0.0};
}
}  // namespace bodyStepDetail

// One explicit step, in this order (the order fixes every bit of the result):
//   dx <- dx + (dt F) / m                 (only with translation forces)
//   X  <- (X + dt dx) + R1,  R1 = randVect(T, 3)
//   F  += (0, 0, -0.0981 m)               (the weight, after the move)
//   mcin <- mcin + dt Mf                  (only with rotation forces)
//   ang  <- (ang + (dt I^-1) mcin) + R2,  R2 = randVect(T, 3)
// Without translation forces the current engine moves X by dt dx alone, with
// neither noise nor weight; the earlier engine always takes the full step.
// a = (a + b) + c is written a += b, a += c: the same sums, in place.
// The translation (move) and the rotation (turn) run one after the other,
// each on the vectors it reads and writes.
template <class V>
inline void Obj::move(double dt, V& X_, V& dx_, V& F_, V& Mf_, unsigned& skipped) {
    if (translationForce) {
        dx_ += (dt * F_) / m;
        V const r1 = bodyStepDetail::noise<V>(T, skipped);
        X_ += dt * dx_;
        X_ += r1;
        if (rules->weightAfterMove) addTo(F_, Mf_, V{0.0, 0.0, -0.0981 * m}, V{0.0, 0.0, 0.0});
    } else if (rules->positionStepAlways) {
        V const r1 = bodyStepDetail::noise<V>(T, skipped);
        X_ += dt * dx_;
        X_ += r1;
    } else {
        X_ += dt * dx_;
    }
}

template <class V, class M>
inline void Obj::turn(double dt, V const& Mf_, V& mcin_, V& ang_, M const& dtInv, unsigned& skipped) {
    if (rotationForce) mcin_ += dt * Mf_;
    V const r2 = bodyStepDetail::noise<V>(T, skipped);
    ang_ += dtInv * mcin_;
    ang_ += r2;
}

// dt I^-1 is a 3 x 3 value whenever the inverse is 3 x 3 (always, once one
// was computed); the inverse is refreshed once, as getInv() would.
template <class FieldForces, class... Fields>
inline void Obj::stepWith(double dt, FieldForces const& fieldForces, Fields const&... fields) {
    unsigned skipped = 0;
    onVect3(
        [&](auto& X_, auto& dx_, auto& F_, auto& Mf_, auto const&... fields_) {
            fieldForces(F_, Mf_, dx_, fields_...);
            move(dt, X_, dx_, F_, Mf_, skipped);
        },
        X, dx, F, Mf, fields...);
    if (!I.invValid) I.updateInv();
    auto const rotation = [&](auto const& Mf_, auto& mcin_, auto& ang_, auto const& dtInv) {
        turn(dt, Mf_, mcin_, ang_, dtInv, skipped);
    };
    Mat3 inv;
    if (I.lastInv3(inv))
        onVect3(rotation, static_cast<Vect const&>(Mf), mcin, ang, dt * inv);
    else
        rotation(Mf, mcin, ang, dt * I.lastInv());
    if (skipped != 0) randStream::skip(skipped);
}
