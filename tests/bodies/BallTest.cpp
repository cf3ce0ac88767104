#include "bodies/Ball.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "bodies/Painter.h"
#include "bodies/Portal.h"

namespace {

constexpr double pi = 3.141592653589793;

struct Recorder : Painter {
    std::vector<std::string> calls;
    void point(Vect const& X) override { calls.push_back("point " + str(X)); }
    void ball(Vect const& X, Vect const& ang, double r) override {
        std::ostringstream os;
        os << "ball " << str(X) << "| " << str(ang) << "| " << r;
        calls.push_back(os.str());
    }
    static std::string str(Vect const& v) {
        std::ostringstream os;
        for (unsigned i = 0; i < v.getDim(); ++i) os << v.get(i) << ' ';
        return os.str();
    }
};

TEST(Ball, VolumeDensityAndSolidSphereInertia) {
    Ball b(Vect{1, 2, 3}, 1.0, pi * 4 / 3, Vect(3));
    EXPECT_DOUBLE_EQ(b.getVol(), 4.0 * pi / 3.0);
    EXPECT_EQ(b.getMv(), 1.0);
    // Inertia ((m + m) r) r / 5 on the diagonal: the angular velocity of a
    // unit angular momentum is its reciprocal.
    Ball small(Vect(3), 0.5, 3.0, Vect(3));
    small.setMCin(Vect{0, 0, 0.3});
    EXPECT_DOUBLE_EQ(small.getVitAng().get(2), 1.0);
    EXPECT_EQ(small.getAng(), Vect(3));
}

TEST(Ball, ArgumentOrdersDifferBetweenBallAndBallCG) {
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    BallCG cg(objs, objCs, Vect(3), 3.0, 0.5, 0.0, Vect(3));
    Ball plain(Vect(3), 3.0, 0.5, Vect(3));
    EXPECT_EQ(cg.getM(), 3.0);
    EXPECT_EQ(cg.getR(), 0.5);
    EXPECT_EQ(plain.getR(), 3.0);
    EXPECT_EQ(plain.getM(), 0.5);
}

TEST(Ball, SetRadiusAndMassWithAndWithoutKeepingTheDensity) {
    Ball b(Vect(3), 1.0, 1.0, Vect(3));
    b.setR(2.0, true);
    EXPECT_DOUBLE_EQ(b.getM(), 8.0);
    EXPECT_EQ(b.getR(), 2.0);
    Ball c(Vect(3), 1.0, 1.0, Vect(3));
    c.setR(2.0, false);
    EXPECT_EQ(c.getM(), 1.0);
    c.setM(8.0, true);
    EXPECT_DOUBLE_EQ(c.getR(), 4.0);
    EXPECT_EQ(c.getM(), 8.0);
    c.setM(2.0, false);
    EXPECT_EQ(c.getR(), 4.0);
    c.setM(5.0);  // the body's own setter stays reachable
    EXPECT_EQ(c.getM(), 5.0);
}

TEST(Ball, ZeroRadiusHasInfiniteDensity) {
    Ball b(Vect(3), 0.0, 1.0, Vect(3));
    EXPECT_EQ(b.getVol(), 0.0);
    EXPECT_EQ(b.getMv(), std::numeric_limits<double>::infinity());
    Ball massless(Vect(3), 0.0, 0.0, Vect(3));
    EXPECT_TRUE(std::isnan(massless.getMv()));
}

TEST(Ball, MergeAndCollideChangeNothing) {
    Ball a(Vect{1, 0, 0}, 1.0, 2.0, Vect{0, 1, 0});
    Ball b(Vect{1, 0, 0}, 3.0, 4.0, Vect{0, 0, 1});
    Obj o(Vect(3), 1.0, Vect(3), Vect(3), Vect(3));
    Portal p(p, Vect(3), Vect(3), 0.0);
    a.merge(b);
    a.collide(b);
    a.collide(o);
    a.collide(p);
    EXPECT_EQ(a.getX(), (Vect{1, 0, 0}));
    EXPECT_EQ(a.getdx(), (Vect{0, 1, 0}));
    EXPECT_EQ(a.getM(), 2.0);
    EXPECT_EQ(a.getR(), 1.0);
    EXPECT_EQ(b.getM(), 4.0);
}

TEST(BallDump, BallBlockAndTheEarlierChargedBlockWithItsRadius) {
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    BallCG b(objs, objCs, Vect{0, 0, 1}, pi * 4 / 3 / 8, 0.5, 2.0, Vect(3));
    b.init();
    std::ostringstream current;
    current << b;
    EXPECT_EQ(current.str(),
              "-----BALL-----\n--------------\nx    : 0 0 1 \ndx/dt: 0 0 0 \nF    : 0 0 0 \nmass : 0.523599\n"
              "ang  : 0 0 0 \nmcin : 0 0 0 \nang' : 0 0 0 \n--------------\nr    : 0.5\nmv   : 1\n--------------\n");
    b.setRules(EngineRules::earlier());
    std::ostringstream earlier;
    earlier << b;
    EXPECT_EQ(earlier.str(),
              "--------------\nx    : 0 0 1 \ndx/dt: 0 0 0 \nF    : 0 0 0 \nmass : 0.523599\n"
              "ang  : 0 0 0 \nmcin : 0 0 0 \nang' : 0 0 0 \n--------------\nCharg : 2\nElecF : 0 0 0 \n"
              "MagnF : 0 0 0 \nRayon : 0.5\n");
}

TEST(BallCG, StepsWithTheLorentzForceAndActsAsAChargedBody) {
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    BallCG b(objs, objCs, Vect(3), 2.0, 0.5, 3.0, Vect(3));
    Obj& asBody = b;
    asBody.init();
    b.addElecF(Vect{1, 0, 0});
    asBody.update(1.0);
    EXPECT_EQ(b.getdx(), (Vect{1.5, 0, 0}));  // c E / m
    BallCG other(objs, objCs, Vect{0, 0, 1}, 2.0, 0.5, 3.0, Vect(3));
    objs.insert(&other);
    objCs.insert(&other);
    other.init();
    Force& f = b;
    f.force();
    EXPECT_GT(other.getElecF().get(2), 0.0);
    EXPECT_LT(other.getF().get(2), 0.0);
}

TEST(BodyDrawing, PointsAndBallsGoThroughThePainter) {
    Recorder rec;
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    ObjCG point(objs, objCs, Vect{1, 2, 3}, 1.0, 0.0, Vect(3), Vect(3), Vect(3));
    BallCG ball(objs, objCs, Vect{4, 5, 6}, 1.0, 0.25, 0.0, Vect(3));
    ball.setAng(Vect{0, 0, 1});
    Disp& p = point;
    Disp& b = ball;
    {
        PainterScope const recording(rec);
        p.disp();
        b.disp();
    }
    ASSERT_EQ(rec.calls.size(), 2u);
    EXPECT_EQ(rec.calls[0], "point 1 2 3 ");
    EXPECT_EQ(rec.calls[1], "ball 4 5 6 | 0 0 1 | 0.25");
    ball.disp();  // back on the do-nothing painter
    EXPECT_EQ(rec.calls.size(), 2u);
}

TEST(BodyDrawing, PainterScopesNestAndMayEndInAnyOrder) {
    Recorder outer, inner;
    Obj body(Vect{1, 0, 0}, 1.0, Vect(3), Vect(3), Vect(3));
    {
        PainterScope const a(outer);
        {
            PainterScope const b(inner);
            body.disp();
        }
        body.disp();  // the outer painter again
    }
    body.disp();  // none
    EXPECT_EQ(inner.calls.size(), 1u);
    EXPECT_EQ(outer.calls.size(), 1u);
    // A scope that ends before one opened inside it leaves that one in
    // effect, and nothing dangles once both have ended.
    auto first = std::make_unique<PainterScope>(outer);
    {
        PainterScope const second(inner);
        first.reset();
        body.disp();
    }
    body.disp();
    EXPECT_EQ(inner.calls.size(), 2u);
    EXPECT_EQ(outer.calls.size(), 1u);
}

}  // namespace
