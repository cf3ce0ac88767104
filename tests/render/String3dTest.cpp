#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "render/Glyphs.h"
#include "render/String3d.h"
#include "tests/render/Feedback.h"
#include "testsupport/OffscreenGl.h"

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double s = 0.01;
constexpr double delta = 540 * s / pi;  // degrees between characters
// Feedback goes through single-precision window coordinates.
constexpr double tol = 2e-6;

// Where glyph point (u, v) lands for a glyph standing at azimuth az on the
// circle of radius 0.5 centred on (shift, 0, z).
Vect glyphPoint(double az, double z, double shift, double u, double v) {
    double const a = az * pi / 180;
    double const along = s * (1 - u);
    return Vect{shift + 0.5 * std::cos(a) - along * std::sin(a), 0.5 * std::sin(a) + along * std::cos(a), z + s * v};
}

void expectNear(Vect const& got, Vect const& want) {
    for (unsigned i = 0; i < 3; ++i) EXPECT_NEAR(got.get(i), want.get(i), tol) << "component " << i;
}

class String3dTest : public ::testing::Test {
protected:
    String3dTest() : gl(200, 200) {}

    std::vector<Feedback::Primitive> draw(String3d& t) {
        return Feedback::record([&] { t.disp(); });
    }

    OffscreenGl gl;
};

TEST_F(String3dTest, FirstGlyphStandsOneAdvanceAfterTheStartAzimuth) {
    String3d t("i", 0.2, 55, 0);  // i: one stroke from 2 (bottom middle) to 8 (top middle)
    auto const p = draw(t);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_FALSE(p[0].points);
    expectNear(p[0].at[0], glyphPoint(55 - delta, 0.2, 0, 0.5, 0));
    expectNear(p[0].at[1], glyphPoint(55 - delta, 0.2, 0, 0.5, 1));
}

TEST_F(String3dTest, CharactersStepClockwiseAndShiftMovesTheCircle) {
    String3d t("ii", 0, 0, -0.3);
    auto const p = draw(t);
    ASSERT_EQ(p.size(), 2u);
    expectNear(p[0].at[0], glyphPoint(-delta, 0, -0.3, 0.5, 0));
    expectNear(p[1].at[0], glyphPoint(-2 * delta, 0, -0.3, 0.5, 0));
    expectNear(p[1].at[1], glyphPoint(-2 * delta, 0, -0.3, 0.5, 1));
}

TEST_F(String3dTest, NewlineStartsTheNextLineAtTheSameAzimuthLower) {
    String3d t("ii\ni", 0.1, 20, 0);
    auto const p = draw(t);
    ASSERT_EQ(p.size(), 3u);
    expectNear(p[2].at[0], glyphPoint(20 - delta, 0.1 - 0.015, 0, 0.5, 0));
    expectNear(p[2].at[1], glyphPoint(20 - delta, 0.1 - 0.015, 0, 0.5, 1));
}

TEST_F(String3dTest, CharactersWithoutGlyphOnlyAdvance) {
    String3d t(" *\ti", 0, 0, 0);
    auto const p = draw(t);
    ASSERT_EQ(p.size(), 1u);
    expectNear(p[0].at[0], glyphPoint(-4 * delta, 0, 0, 0.5, 0));
}

TEST_F(String3dTest, UpperCaseIsDrawnAndKeptInLowerCase) {
    String3d t("I", 0, 0, 0);
    std::ostringstream before;
    t.cdisp(before);
    EXPECT_EQ(before.str(), "I\n");
    auto const p = draw(t);
    ASSERT_EQ(p.size(), 1u);
    expectNear(p[0].at[1], glyphPoint(-delta, 0, 0, 0.5, 1));
    std::ostringstream after;
    after << t;
    EXPECT_EQ(after.str(), "i\n");
    t.set("Ab");
    EXPECT_EQ(t.getText(), "Ab");
}

TEST_F(String3dTest, EmptyTextDrawsNothingAndEveryTextRestoresTheMatrix) {
    GLdouble before[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, before);
    int const depth = OffscreenGl::modelviewDepth();
    String3d empty("", 0.3, 40, 0.3);
    EXPECT_TRUE(draw(empty).empty());
    String3d text("line one\nline two?", 0.3, 40, 0.3);
    EXPECT_FALSE(draw(text).empty());
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    EXPECT_EQ(OffscreenGl::modelviewDepth(), depth);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(before[i], after[i]);
}

TEST_F(String3dTest, PointsAndOffGridStrokesOfTheTable) {
    String3d question("?", 0, 0, 0);  // L 7 9 6 5; P 2
    auto const q = draw(question);
    ASSERT_EQ(q.size(), 4u);
    expectNear(q[0].at[0], glyphPoint(-delta, 0, 0, 0, 1));
    expectNear(q[2].at[1], glyphPoint(-delta, 0, 0, 0.5, 0.5));
    EXPECT_TRUE(q[3].points);
    expectNear(q[3].at[0], glyphPoint(-delta, 0, 0, 0.5, 0));

    String3d comma(",", 0, 0, 0);  // L 2 (1/4, -1/4): below the baseline
    auto const c = draw(comma);
    ASSERT_EQ(c.size(), 1u);
    expectNear(c[0].at[1], glyphPoint(-delta, 0, 0, 0.25, -0.25));

    String3d ess("s", 0, 0, 0);  // L (0, 1/4) 1 3 6 4 7 9 (1, 3/4)
    auto const e = draw(ess);
    ASSERT_EQ(e.size(), 7u);
    expectNear(e[0].at[0], glyphPoint(-delta, 0, 0, 0, 0.25));
    expectNear(e[6].at[1], glyphPoint(-delta, 0, 0, 1, 0.75));
}

TEST_F(String3dTest, StrokesOfTheGridGlyphs) {
    // Each glyph as its line strips through the keypad points of its grid
    // (7 8 9 at the top, 1 2 3 at the bottom).
    char const* const table[] = {
        "a1793 46", "b1785 4631", "c3179",    "d178631",  "e3179 46", "f179 46",  "g971365",   "h17 39 46", "i28",
        "j128 79",  "k17 943",    "l317",     "m1793 85", "n178239",  "o17931",   "p17964",    "q39746",    "r17964 52",
        "t79 82",   "u7139",      "v719",     "w7139 25", "x19 37",   "y746 931", "z7913",     "017931 19", "1482",
        "2796413",  "3785 4631",  "47469 93", "5974631",  "69746314", "7791",     "817931 46", "91364796",  "-46",
        "+46 28",   "_13",        "/19",      "\\73",     "<349",     ">167",     "^486"};
    auto point = [](char key) {
        int const k = key - '1';
        return glyphPoint(-delta, 0, 0, 0.5 * (k % 3), 0.5 * (k / 3));
    };
    for (char const* row : table) {
        SCOPED_TRACE(row);
        String3d t(std::string(1, row[0]), 0, 0, 0);
        auto const p = draw(t);
        std::size_t n = 0;
        for (char const* c = row + 1; c[0] && c[1]; ++c) {
            if (c[0] == ' ' || c[1] == ' ') continue;
            ASSERT_LT(n, p.size());
            EXPECT_FALSE(p[n].points);
            expectNear(p[n].at[0], point(c[0]));
            expectNear(p[n].at[1], point(c[1]));
            ++n;
        }
        EXPECT_EQ(p.size(), n);
    }
}

TEST(Glyphs, TableCoversLowerCaseDigitsAndTheListedSigns) {
    std::string const covered = "abcdefghijklmnopqrstuvwxyz0123456789?!.,:-+_=()/\\<>^";
    for (int c = 0; c < 256; ++c) {
        char const ch = static_cast<char>(c);
        bool const want = covered.find(ch) != std::string::npos && ch != '\0';
        EXPECT_EQ(glyphFor(ch) != nullptr, want) << "character " << c;
    }
    EXPECT_EQ(glyphFor('h')->size(), 3u);
    EXPECT_EQ(glyphFor('6')->front().at.size(), 7u);
    EXPECT_EQ(String3d("", 0, 0, 0).advance(), 1.7188733853924698);
}

}  // namespace
