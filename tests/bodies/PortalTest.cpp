#include <gtest/gtest.h>

#include <sstream>

#include "bodies/Portal.h"

namespace {

TEST(Portal, LinksToItselfAndNoForceMovesIt) {
    Portal p(p, Vect{1, 2, 3}, Vect{0, 0, 1}, 7.0);
    EXPECT_EQ(p.getLink(), &p);
    EXPECT_EQ(p.getValue(), 7.0);
    Portal q(p, Vect(3), Vect(3), 0.0);
    EXPECT_EQ(q.getLink(), &p);
    p.init();
    p.addF(Vect{1, 1, 1}, Vect{1, 0, 0});
    EXPECT_EQ(p.getF(), Vect(3));
    EXPECT_EQ(p.getMf(), Vect(3));
    EXPECT_EQ(p.getM(), 0.0);
    std::ostringstream os;
    os << p;
    EXPECT_EQ(os.str(),
              "--------------\nx    : 1 2 3 \ndx/dt: 0 0 0 \nF    : 0 0 0 \nmass : 0\nang  : 0 0 1 \n"
              "mcin : 0 0 0 \nang' : 0 0 0 \n--------------\n");
}

}  // namespace
