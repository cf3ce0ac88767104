#include "systems/Universe.h"

#include <gtest/gtest.h>

#include <sstream>

#include "bodies/Painter.h"

namespace {

TEST(Universe, HoldsOneEmptySystemAtTheOriginAndShowsIt) {
    Universe u;
    System* s = u.get();
    EXPECT_EQ(s, u.get());
    EXPECT_EQ(s->scale, 1);
    EXPECT_EQ(s->getX(), (Vect{0, 0, 0}));
    std::ostringstream os;
    os << u;
    EXPECT_EQ(os.str(), "SYSTEM ---\n--------\n\n");

    struct Recorder : Painter {
        int frames = 0, points = 0;
        void systemFrame(Vect const&, int) override { ++frames; }
        void point(Vect const&) override { ++points; }
    } rec;
    s->addObj(Vect(3), Vect(3), 1.0, 0.0, false, 0.0, true);
    s->update(0.1);
    {
        PainterScope const recording(rec);
        u.disp();
    }
    EXPECT_EQ(rec.frames, 1);
    EXPECT_EQ(rec.points, 1);
}

}  // namespace
