#pragma once

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "bodies/Ball.h"
#include "systems/System.h"

// The arithmetic of one System::update, written out as plain loops over flat
// arrays: the yardstick the engine is measured against. It copies the state
// of a top-level system under the current rules whose g, E and B are empty,
// whose forces are plain springs and acting bodies, and which has no
// subsystems (the three benchmark workloads). Every operation is the one the
// engine performs, in the same order, so both give the same bits.
class FlatStep {
public:
    explicit FlatStep(System& sys) {
        std::unordered_map<Obj*, int> index;
        for (Obj* o : sys.objs) {
            int const i = static_cast<int>(bodies.size());
            index[o] = i;
            bodies.push_back(o);
            auto* q = dynamic_cast<ObjC*>(o);
            for (int k = 0; k < 3; ++k) {
                X.push_back(o->getX().get(k));
                V.push_back(o->getdx().get(k));
                L.push_back(o->getMCin().get(k));
                A.push_back(o->getAng().get(k));
            }
            m.push_back(o->getM());
            c.push_back(q ? q->getC() : 0.0);
            T.push_back(o->getT());
            tf.push_back(o->translationForceEnabled());
            rf.push_back(o->rotationForceEnabled());
            auto* ball = dynamic_cast<Ball*>(o);
            double const diag = ball ? ((o->getM() + o->getM()) * ball->getR()) * ball->getR() / 5 : 1.0;
            Matrix const inv = Matrix(3, diag).getInv();
            for (unsigned r = 0; r < 3; ++r)
                for (unsigned s = 0; s < 3; ++s) Iinv.push_back(inv.get(r, s));
        }
        std::size_t const n = bodies.size();
        F.assign(3 * n, 0.0);
        Mf.assign(3 * n, 0.0);
        E.assign(3 * n, 0.0);
        B.assign(3 * n, 0.0);
        for (ObjC* q : sys.objCs) charged.push_back(index[dynamic_cast<Obj*>(q)]);
        for (Force* f : sys.forces) {
            if (auto* s = dynamic_cast<Spring*>(f))
                forces.push_back({false, index[s->getObj1()], index[s->getObj2()], s->getk1(), s->getL0()});
            else
                forces.push_back({true, index[dynamic_cast<Obj*>(f)], 0, 0.0, 0.0});
        }
        damping = sys.damping;
    }

    void step(double dt) {
        std::size_t const n = bodies.size();
        for (std::size_t i = 0; i < 3 * n; ++i) F[i] = Mf[i] = E[i] = B[i] = 0.0;
        // The weight g m with g empty: F unchanged, Mf gains a zero torque.
        for (std::size_t i = 0; i < n; ++i)
            if (rf[i])
                for (int k = 0; k < 3; ++k) Mf[3 * i + k] = Mf[3 * i + k] + 0.0;
        for (Entry const& e : forces) {
            if (e.body) {
                charge(e.a);
                gravity(e.a);
            } else {
                spring(e);
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            double const* v = &V[3 * i];
            double const f[3] = {v[0] * (-damping), v[1] * (-damping), v[2] * (-damping)};
            addF(i, f);
        }
        for (std::size_t i = 0; i < n; ++i) update(i, dt);
    }

    // Whether the engine's bodies hold exactly (bit for bit) these values.
    bool sameAs() const {
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            Obj const* o = bodies[i];
            if (!same(o->getX(), &X[3 * i]) || !same(o->getdx(), &V[3 * i]) || !same(o->getF(), &F[3 * i]) ||
                !same(o->getMf(), &Mf[3 * i]) || !same(o->getMCin(), &L[3 * i]) || !same(o->getAng(), &A[3 * i]))
                return false;
            if (auto const* q = dynamic_cast<ObjC const*>(o))
                if (!same(q->getElecF(), &E[3 * i]) || !same(q->getMagnF(), &B[3 * i])) return false;
        }
        return true;
    }

    std::size_t springCount() const {
        std::size_t s = 0;
        for (Entry const& e : forces) s += e.body ? 0 : 1;
        return s;
    }
    std::size_t pairVisits() const {
        std::size_t s = 0;
        for (Entry const& e : forces) s += e.body ? charged.size() + bodies.size() : 0;
        return s;
    }

private:
    struct Entry {
        bool body;  // an acting body (a), else a spring from a to b
        int a, b;
        double k1, L0;
    };

    static bool same(Vect const& v, double const* x) {
        if (v.getDim() != 3) return false;
        for (unsigned k = 0; k < 3; ++k) {
            double const a = v.get(k);
            if (std::memcmp(&a, &x[k], sizeof a) != 0) return false;
        }
        return true;
    }

    // addF(f, zero): F += f with translation forces, Mf += 0 ^ f with rotation.
    void addF(std::size_t i, double const f[3]) {
        double* Fi = &F[3 * i];
        double* Mi = &Mf[3 * i];
        if (tf[i])
            for (int k = 0; k < 3; ++k) Fi[k] = Fi[k] + f[k];
        if (rf[i]) {
            Mi[0] = Mi[0] + (0.0 * f[2] - 0.0 * f[1]);
            Mi[1] = Mi[1] + (0.0 * f[0] - 0.0 * f[2]);
            Mi[2] = Mi[2] + (0.0 * f[1] - 0.0 * f[0]);
        }
    }

    static double squaredNorm(double const d[3]) {
        double s = 0.0;
        for (int k = 0; k < 3; ++k) s += d[k] * d[k];
        return s;
    }

    void spring(Entry const& e) {
        double const* X1 = &X[3 * e.a];
        double const* X2 = &X[3 * e.b];
        double const ax[3] = {X2[0] - X1[0], X2[1] - X1[1], X2[2] - X1[2]};
        double len = std::sqrt(squaredNorm(ax));
        if (len == 0.0) len = 1e-65;
        bool const t1 = tf[e.a], t2 = tf[e.b];
        if (!t1 && !t2) return;
        double const inv = 1.0 / len;
        double const u[3] = {ax[0] * inv, ax[1] * inv, ax[2] * inv};
        double const* V1 = &V[3 * e.a];
        double const* V2 = &V[3 * e.b];
        double w = 0.0;
        for (int k = 0; k < 3; ++k) w += (V2[k] - V1[k]) * u[k];
        double const m1 = m[e.a], m2 = m[e.b];
        double const root = t1 && t2 ? std::sqrt(((e.k1 * m1) * m2) / (m2 + m1))
                            : t1     ? std::sqrt(e.k1 * m1)
                                     : std::sqrt(e.k1 * m2);
        double const magnitude = e.k1 * (len - e.L0) + root * (w + w);
        double const f[3] = {(ax[0] * magnitude) * inv, (ax[1] * magnitude) * inv, (ax[2] * magnitude) * inv};
        double const g[3] = {-f[0], -f[1], -f[2]};
        addF(e.a, f);
        addF(e.b, g);
    }

    void charge(int s) {
        double const* Xs = &X[3 * s];
        for (int t : charged) {
            double const* Xt = &X[3 * t];
            double const d[3] = {Xt[0] - Xs[0], Xt[1] - Xs[1], Xt[2] - Xs[2]};
            double const d2 = squaredNorm(d);
            double* Et = &E[3 * t];
            if (d2 != 0.0) {
                double const inv = 1.0 / std::sqrt(d2);
                double const scale = 1.0 / (d2 * 111.2626454195361);
                for (int k = 0; k < 3; ++k) Et[k] = Et[k] + (((d[k] * inv) * c[s]) * 1e12) * scale;
            }
            double* Bt = &B[3 * t];
            for (int k = 0; k < 3; ++k) Bt[k] = Bt[k] + 0.0;
        }
    }

    void gravity(int s) {
        double const* Xs = &X[3 * s];
        std::size_t const n = bodies.size();
        for (std::size_t t = 0; t < n; ++t) {
            double const* Xt = &X[3 * t];
            double const d[3] = {Xs[0] - Xt[0], Xs[1] - Xt[1], Xs[2] - Xt[2]};
            double const d2 = squaredNorm(d);
            if (d2 == 0.0) continue;
            double const sc = ((m[s] * 6.673e-11) / d2) * m[t];
            double const inv = 1.0 / std::sqrt(d2);
            double const f[3] = {(d[0] * inv) * sc, (d[1] * inv) * sc, (d[2] * inv) * sc};
            addF(t, f);
        }
    }

    static void draw(double amp, double r[3]) {
        for (int k = 0; k < 3; ++k) {
            double const x = std::rand();
            r[k] = (x / 2147483647.0) * (2 * amp) - amp;
        }
    }

    void update(std::size_t i, double dt) {
        double* Xi = &X[3 * i];
        double* Vi = &V[3 * i];
        double* Fi = &F[3 * i];
        double const ci = c[i];
        // Lorentz terms: (c v) ^ B, then c E.
        double const cv[3] = {Vi[0] * ci, Vi[1] * ci, Vi[2] * ci};
        double const* Bi = &B[3 * i];
        double const lorentz[3] = {cv[1] * Bi[2] - cv[2] * Bi[1], cv[2] * Bi[0] - cv[0] * Bi[2],
                                   cv[0] * Bi[1] - cv[1] * Bi[0]};
        addF(i, lorentz);
        double const* Ei = &E[3 * i];
        double const electric[3] = {Ei[0] * ci, Ei[1] * ci, Ei[2] * ci};
        addF(i, electric);
        double r[3];
        if (tf[i]) {
            double const inv = 1.0 / m[i];
            for (int k = 0; k < 3; ++k) Vi[k] = Vi[k] + (Fi[k] * dt) * inv;
            draw(T[i], r);
            for (int k = 0; k < 3; ++k) Xi[k] = (Xi[k] + Vi[k] * dt) + r[k];
            double const weight[3] = {0.0, 0.0, -0.0981 * m[i]};
            addF(i, weight);
        } else {
            for (int k = 0; k < 3; ++k) Xi[k] = Xi[k] + Vi[k] * dt;
        }
        double* Li = &L[3 * i];
        if (rf[i])
            for (int k = 0; k < 3; ++k) Li[k] = Li[k] + Mf[3 * i + k] * dt;
        draw(T[i], r);
        double const* Ii = &Iinv[9 * i];
        double* Ai = &A[3 * i];
        for (int j = 0; j < 3; ++j) {
            double s = 0.0;
            for (int k = 0; k < 3; ++k) s += (Ii[3 * j + k] * dt) * Li[k];
            Ai[j] = (Ai[j] + s) + r[j];
        }
    }

    std::vector<Obj*> bodies;
    std::vector<double> X, V, F, Mf, L, A, E, B;
    std::vector<double> m, c, T;
    std::vector<bool> tf, rf;
    std::vector<double> Iinv;
    std::vector<int> charged;
    std::vector<Entry> forces;
    double damping = 0.0;
};
