#include "systems/System.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "testsupport/Top.h"

namespace {

constexpr double root2 = 1.4142135623730951;
constexpr double root3 = 1.7320508075688772;

// A spring as (index of obj1, index of obj2, rest length), indices into list.
struct Joint {
    int newer, older;
    double rest;
    bool operator==(Joint const& o) const { return newer == o.newer && older == o.older && rest == o.rest; }
};

std::vector<Joint> joints(System const& s, std::vector<Obj*> const& list) {
    auto indexOf = [&list](Obj* o) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == o) return static_cast<int>(i);
        return -1;
    };
    std::vector<Joint> out;
    for (Force* f : s.forces)
        if (auto* sp = dynamic_cast<Spring*>(f))
            out.push_back({indexOf(sp->getObj1()), indexOf(sp->getObj2()), sp->getL0()});
    return out;
}

std::vector<Obj*> lattice(System& s, Vect const& counts, int mode = 0, double spacing = 2.0, double mass = 12.0) {
    return s.generate(Vect{1, 1, 1}, counts, spacing, mass, mode, 50.0, true, 0.0, true, Vect{0, 0, 3});
}

TEST(Generate, RowOfThree) {
    Top t;
    std::vector<Obj*> list = lattice(t.sys, Vect{3});
    ASSERT_EQ(list.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(list[i]->getX(), (Vect{1.0 + 2.0 * i, 1, 1}));
        EXPECT_EQ(list[i]->getM(), 4.0);
        EXPECT_EQ(list[i]->getdx(), (Vect{0, 0, 3}));
        EXPECT_TRUE(t.sys.disps.contains(list[i]));
        EXPECT_FALSE(t.sys.forces.contains(dynamic_cast<Force*>(list[i])));
    }
    EXPECT_EQ(joints(t.sys, list), (std::vector<Joint>{{1, 0, 2.0}, {2, 1, 2.0}}));
}

TEST(Generate, SquareInBothModes) {
    for (int mode : {0, 1}) {
        Top t;
        std::vector<Obj*> list = lattice(t.sys, Vect{2, 2}, mode);
        ASSERT_EQ(list.size(), 4u);
        EXPECT_EQ(list[3]->getX(), (Vect{3, 3, 1}));
        double const diagonal = mode == 0 ? root2 * 2.0 : 2.0;
        EXPECT_EQ(joints(t.sys, list),
                  (std::vector<Joint>{{1, 0, 2.0}, {2, 0, 2.0}, {3, 2, 2.0}, {3, 1, 2.0}, {3, 0, diagonal}}));
    }
}

TEST(Generate, CubeJoinsEveryBackwardNeighbourInOrder) {
    Top t;
    std::vector<Obj*> list = lattice(t.sys, Vect{2, 2, 2});
    ASSERT_EQ(list.size(), 8u);
    std::vector<Joint> const all = joints(t.sys, list);
    EXPECT_EQ(all.size(), 19u);
    std::vector<Joint> last;
    for (Joint const& j : all)
        if (j.newer == 7) last.push_back(j);
    double const s = 2.0, f = root2 * 2.0;
    EXPECT_EQ(last, (std::vector<Joint>{
                        {7, 6, s}, {7, 4, f}, {7, 2, f}, {7, 0, root3 * 2.0}, {7, 5, s}, {7, 3, s}, {7, 1, f}}));
    EXPECT_EQ(list[5]->getX(), (Vect{3, 1, 3}));  // (1, 0, 1): index 1 + 2 * 2
}

TEST(Generate, SpringCountOfALargerLatticeAndItsRestInMode0) {
    Top t;
    std::vector<Obj*> list = lattice(t.sys, Vect{3, 4, 5}, 0, 1.0, 60.0);
    EXPECT_EQ(list.size(), 60u);
    EXPECT_EQ(joints(t.sys, list).size(), std::size_t(5 * 7 * 9 - 60));
    // Every spring starts at its rest length: a lattice at rest stays so.
    std::vector<Vect> before;
    for (Obj* o : list) {
        o->setdx(Vect(3));
        before.push_back(o->getX());
    }
    for (int step = 0; step < 3; ++step) t.sys.update(0.01);
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i]->getX(), before[i]) << i;
}

TEST(Generate, StretchedDiagonalsOfMode1PullTheLatticeOutOfShape) {
    Top t;
    std::vector<Obj*> list = lattice(t.sys, Vect{2, 2, 2}, 1, 1.0, 8.0);
    for (Obj* o : list) o->setdx(Vect(3));
    t.sys.update(0.01);
    EXPECT_NE(list[7]->getX(), (Vect{2, 2, 2}));
}

TEST(Generate, EquivalentAndTruncatedCounts) {
    Top a, b, c, d;
    std::vector<Obj*> row = lattice(a.sys, Vect{4});
    std::vector<Obj*> box = lattice(b.sys, Vect{4, 1, 1});
    ASSERT_EQ(row.size(), box.size());
    for (std::size_t i = 0; i < row.size(); ++i) EXPECT_EQ(row[i]->getX(), box[i]->getX());
    EXPECT_EQ(joints(a.sys, row), joints(b.sys, box));
    EXPECT_EQ(lattice(c.sys, Vect{2.9, 2}).size(), 4u);
    // The counts are truncated before they divide the mass: 12 / 4, not 12 / 5.8.
    Top e;
    std::vector<Obj*> const truncated = lattice(e.sys, Vect{2.9, 2, 1});
    ASSERT_EQ(truncated.size(), 4u);
    for (Obj* o : truncated) EXPECT_EQ(o->getM(), 3.0);
    // A fourth count places nothing but divides the mass.
    std::vector<Obj*> four = lattice(d.sys, Vect{2, 2, 2, 2}, 0, 1.0, 16.0);
    EXPECT_EQ(four.size(), 8u);
    EXPECT_EQ(four[0]->getM(), 1.0);
}

TEST(Generate, DegenerateRequests) {
    Top t;
    std::vector<Obj*> one = lattice(t.sys, Vect());
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0]->getM(), 12.0);
    EXPECT_EQ(one[0]->getX(), (Vect{1, 1, 1}));
    std::size_t const bodies = t.sys.objs.size();
    for (Vect const& counts : {Vect{2, -1, 2}, Vect{-3}, Vect{2, std::nan("")}, Vect{1e30}}) {
        EXPECT_TRUE(lattice(t.sys, counts).empty());
        EXPECT_EQ(t.sys.objs.size(), bodies);
    }
    EXPECT_TRUE(lattice(t.sys, Vect{2, 2}, 2).empty());
    EXPECT_TRUE(lattice(t.sys, Vect{2, 2}, -1).empty());
    EXPECT_EQ(t.sys.objs.size(), bodies);
    EXPECT_TRUE(t.sys.forces.empty());
    // A zero count leaves one body per row and joins along the other axes.
    Top z;
    std::vector<Obj*> column = lattice(z.sys, Vect{0, 3});
    ASSERT_EQ(column.size(), 3u);
    EXPECT_EQ(joints(z.sys, column), (std::vector<Joint>{{1, 0, 2.0}, {2, 1, 2.0}}));
}

TEST(Pendulums, SingleBobOnAFixedAnchor) {
    Top t;
    Obj* bob = t.sys.generatePendulum(Vect{50, 20, 0}, 10.0, 8.0, 1.0);
    ASSERT_EQ(t.sys.objs.size(), 2u);
    Obj* anchor = nullptr;
    for (Obj* o : t.sys.objs)
        if (o != bob) anchor = o;
    EXPECT_EQ(anchor->getX(), (Vect{60, 20, 0}));
    EXPECT_EQ(anchor->getM(), 1.0);
    EXPECT_FALSE(anchor->translationForceEnabled());
    EXPECT_EQ(bob->getX(), (Vect{50, 20, 0}));
    EXPECT_EQ(bob->getM(), 8.0);
    EXPECT_EQ(t.sys.disps.size(), 3u);
    EXPECT_EQ(joints(t.sys, {bob, anchor}), (std::vector<Joint>{{0, 1, 10.0}}));
    auto* spring = dynamic_cast<Spring*>(*t.sys.forces.begin());
    EXPECT_EQ(spring->getk1(), 500.0);
}

TEST(Pendulums, RopeOfTenWithTheBobOnItsFreeEnd) {
    Top t;
    std::vector<Obj*> list = t.sys.generatePendulum2(Vect{80, -60, 0}, 5.0, 10.0, 0.0);
    ASSERT_EQ(list.size(), 11u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_FALSE(t.sys.disps.contains(list[i])) << i;
        EXPECT_EQ(list[i]->getM(), 0.5);
        EXPECT_EQ(list[i]->translationForceEnabled(), i != 9) << i;
        EXPECT_DOUBLE_EQ(list[i]->getX().get(0), 80 + 0.5 * i);
    }
    EXPECT_TRUE(t.sys.disps.contains(list[10]));
    EXPECT_EQ(list[10]->getX(), (Vect{80, -60, 0}));
    EXPECT_EQ(list[10]->getM(), 10.0);
    std::vector<Joint> all = joints(t.sys, list);
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all.back(), (Joint{10, 0, 0.0}));
    EXPECT_EQ(t.sys.disps.size(), 11u);  // the bob and the ten springs
}

TEST(Pendulums, ThickRopeOfFortyHangingFromOneEdge) {
    Top t;
    std::vector<Obj*> list = t.sys.generatePendulum3(Vect{0, 0, 0}, 10.0, 3.0, 0.5);
    ASSERT_EQ(list.size(), 41u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(list[i]->getM(), 1.25);
        EXPECT_EQ(list[i]->translationForceEnabled(), i != 9 && i != 19) << i;
    }
    EXPECT_EQ(list[40]->getX(), (Vect{0, 0.5, 0.5}));
    EXPECT_EQ(list[40]->getM(), 3.0);
    std::vector<Joint> all = joints(t.sys, list);
    EXPECT_EQ(all.size(), std::size_t(19 * 3 * 3 - 40 + 1));
    EXPECT_EQ(all.back(), (Joint{40, 0, root3 * 1.0 * 0.5}));
}

}  // namespace
