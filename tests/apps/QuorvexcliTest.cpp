#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"

namespace {

// The run's expected text, worked out from the laws in plain doubles.
//
// Two charges of 1 C and 1 kg at x = +1 and x = -1, thirty uncharged balls
// of 100/30 kg and radius 0.25 at (0, 0, z), z = 0..29, on springs of rest
// length 1 (so the springs pull nothing). Only the charges act: each gives
// the other its field 1e12 / (4 * 111.2626454195361) V/m (distance 2) and
// pulls every body by gravitation. One step of dt = 0.001 s, no weight, no
// damping: dx = dt F / m, then X += dt dx.
constexpr double G = 6.673e-11;
constexpr double dt = 0.001;
constexpr double ballMass = 100.0 / 30;

std::string vect(double x, double y, double z) {
    std::ostringstream os;
    os << x << ' ' << y << ' ' << z << ' ' << '\n';
    return os.str();
}

struct Body {
    double x[3];
    double dx[3];
    double f[3];
    double m;
    double c;
    double elecX;
    bool ball;
};

std::string block(Body const& b) {
    std::ostringstream os;
    os << "--------------\n";
    os << "x    : " << vect(b.x[0], b.x[1], b.x[2]);
    os << "dx/dt: " << vect(b.dx[0], b.dx[1], b.dx[2]);
    os << "F    : " << vect(b.f[0], b.f[1], b.f[2]);
    os << "mass : " << b.m << '\n';
    os << "ang  : 0 0 0 \n";
    os << "mcin : 0 0 0 \n";
    os << "ang' : 0 0 0 \n";
    os << "--------------\n";
    os << "Charg : " << b.c << '\n';
    os << "ElecF : " << vect(b.elecX, 0, 0);
    os << "MagnF : 0 0 0 \n";
    if (b.ball) os << "Rayon : 0.25\n";
    return os.str();
}

// The charge at x = side (+1 or -1): pulled toward the other by gravitation,
// pushed away by the other's field.
Body charge(double side) {
    double const field = side * (1e12 * (1.0 / (4.0 * 111.2626454195361)));
    double const pull = -side * ((G / 4.0) * 1.0);
    double const f = pull + field;
    double const dx = dt * f;
    return Body{{side + dt * dx, 0, 0}, {dx, 0, 0}, {f, 0, 0}, 1.0, 1.0, field, false};
}

// The ball at height z: the pulls of the two charges cancel along x and add
// along -z, 2 * (G * 1 * m / (1 + z^2)) * z / sqrt(1 + z^2).
Body ball(int z) {
    double const d2 = 1.0 + z * z;
    double const towardCharge = (0.0 - z) * (1.0 / std::sqrt(d2));
    double const each = ((G / d2) * ballMass) * towardCharge;
    double const f = (0.0 + each) + each;
    double const dx = (dt * f) * (1.0 / ballMass);
    return Body{{0, 0, z + dt * dx}, {0, 0, dx}, {0, 0, f}, ballMass, 0.0, 0.0, true};
}

std::string expectedRun() {
    std::string s = "GENERATED\nSYSTEM ---\n" + block(charge(1.0)) + block(charge(-1.0));
    for (int z = 0; z < 30; ++z) s += block(ball(z));
    return s + "--------\n\n---EXIT---\n";
}

std::vector<std::string> linesOf(std::string const& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

ProgramRun runQuorvexcli() {
    ScratchDir dir;
    return runIn(QUORVEXCLI_PROGRAM, dir.path());
}

TEST(Quorvexcli, PrintsTheWholeSystemAfterOneStepAndExitsZero) {
    ProgramRun const run = runQuorvexcli();
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expectedRun());
}

TEST(Quorvexcli, FramesThirtyTwoBodyBlocksChargesFirstThenTheBallsUpward) {
    std::vector<std::string> const lines = linesOf(runQuorvexcli().out);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines.front(), "GENERATED");
    EXPECT_EQ(lines[1], "SYSTEM ---");
    EXPECT_EQ(lines[lines.size() - 3], "--------");
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(), "---EXIT---");

    // 12 lines a charge, 13 a ball; the springs write nothing.
    ASSERT_EQ(lines.size(), 2 + 2 * 12 + 30 * 13 + 3u);
    int blocks = 0, radii = 0, generated = 0, exits = 0;
    std::vector<std::string> heights;
    for (std::string const& l : lines) {
        if (l == "GENERATED") ++generated;
        if (l == "---EXIT---") ++exits;
        if (l.rfind("Charg : ", 0) == 0) ++blocks;
        if (l.rfind("Rayon : ", 0) == 0) {
            ++radii;
            EXPECT_EQ(l, "Rayon : 0.25");
        }
        if (l.rfind("x    : ", 0) == 0) heights.push_back(l);
    }
    EXPECT_EQ(generated, 1);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(blocks, 32);
    EXPECT_EQ(radii, 30);
    ASSERT_EQ(heights.size(), 32u);
    EXPECT_EQ(heights[0], "x    : 2247.94 0 0 ");
    EXPECT_EQ(heights[1], "x    : -2247.94 0 0 ");
    for (int z = 0; z < 30; ++z) EXPECT_EQ(heights[2 + z], "x    : 0 0 " + std::to_string(z) + " ");
}

// The figures of the worked example, as they print.
TEST(Quorvexcli, ChargesFlyApartAndOnlyTheChargesGravitationMovesTheBalls) {
    std::vector<std::string> const lines = linesOf(runQuorvexcli().out);
    ASSERT_EQ(lines.size(), 419u);
    auto blockAt = [&lines](int body) {
        std::size_t const start = 2 + (body < 2 ? body * 12 : 24 + (body - 2) * 13);
        return std::vector<std::string>(lines.begin() + start, lines.begin() + start + (body < 2 ? 12 : 13));
    };
    std::vector<std::string> const plus = blockAt(0);
    EXPECT_EQ(plus[1], "x    : 2247.94 0 0 ");
    EXPECT_EQ(plus[2], "dx/dt: 2.24694e+06 0 0 ");
    EXPECT_EQ(plus[3], "F    : 2.24694e+09 0 0 ");
    EXPECT_EQ(plus[4], "mass : 1");
    EXPECT_EQ(plus[9], "Charg : 1");
    EXPECT_EQ(plus[10], "ElecF : 2.24694e+09 0 0 ");
    std::vector<std::string> const minus = blockAt(1);
    EXPECT_EQ(minus[1], "x    : -2247.94 0 0 ");
    EXPECT_EQ(minus[2], "dx/dt: -2.24694e+06 0 0 ");
    EXPECT_EQ(minus[3], "F    : -2.24694e+09 0 0 ");
    EXPECT_EQ(minus[10], "ElecF : -2.24694e+09 0 0 ");

    // The bottom ball lies level with both charges: their pulls cancel.
    std::vector<std::string> const bottom = blockAt(2);
    EXPECT_EQ(bottom[1], "x    : 0 0 0 ");
    EXPECT_EQ(bottom[2], "dx/dt: 0 0 0 ");
    EXPECT_EQ(bottom[3], "F    : 0 0 0 ");
    EXPECT_EQ(bottom[4], "mass : 3.33333");
    EXPECT_EQ(bottom[9], "Charg : 0");
    EXPECT_EQ(bottom[10], "ElecF : 0 0 0 ");
    // Higher up, a pull down of 2 G m z / (1 + z^2)^1.5.
    std::vector<std::string> const second = blockAt(3);
    EXPECT_EQ(second[2], "dx/dt: 0 0 -4.71852e-14 ");
    EXPECT_EQ(second[3], "F    : 0 0 -1.57284e-10 ");
    std::vector<std::string> const top = blockAt(31);
    EXPECT_EQ(top[1], "x    : 0 0 29 ");
    EXPECT_EQ(top[2], "dx/dt: 0 0 -1.58409e-16 ");
    EXPECT_EQ(top[3], "F    : 0 0 -5.28031e-13 ");
    EXPECT_EQ(top[12], "Rayon : 0.25");
}

TEST(Quorvexcli, EveryRunPrintsTheSameBytes) {
    ProgramRun const first = runQuorvexcli();
    ProgramRun const second = runQuorvexcli();
    EXPECT_FALSE(first.out.empty());
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(second.exitStatus, 0);
}

}  // namespace
