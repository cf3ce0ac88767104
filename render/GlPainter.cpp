#include "render/GlPainter.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "render/Quadric.h"

namespace {
void vertex(Vect const& v) { glVertex3d(v.get(0), v.get(1), v.get(2)); }
void translate(Vect const& v) { glTranslated(v.get(0), v.get(1), v.get(2)); }
}  // namespace

void GlPainter::point(Vect const& X) {
    glPushMatrix();
    translate(X);
    glColor4d(1, 1, 1, 1);
    glPointSize(2);
    glBegin(GL_POINTS);
    glVertex3d(0, 0, 0);
    glEnd();
    glPopMatrix();
}

// The angle argument is the length of the rotation vector as it stands. A
// zero vector turns nothing; it is not handed to OpenGL, which leaves the
// rotation about a zero axis undefined (some drivers fill the matrix with NaN
// and the ball vanishes).
void GlPainter::ball(Vect const& X, Vect const& ang, double r) {
    glPushMatrix();
    translate(X);
    double const angle = ang.norme();
    if (angle != 0.0) glRotated(angle, ang.get(0), ang.get(1), ang.get(2));
    glLineWidth(2);
    Quadric const quadric;
    if (quadric) {
        glColor4d(0.7, 0.7, 0, 1);
        gluSphere(quadric.get(), 2 * r * 0.999, 10, 10);
        gluQuadricDrawStyle(quadric.get(), GLU_LINE);
        glColor4d(0.2, 0.2, 0, 0.5);
        gluSphere(quadric.get(), 2 * r, 10, 10);
    }
    glPopMatrix();
}

// d = (L - L0) k1 is the signed tension; f = |d / sqrt(d^2 + 1)| in [0, 1)
// grows with it whichever its sign.
void GlPainter::spring(Vect const& X1, Vect const& X2, double k1, double L0) {
    double const L = (X2 - X1).norme();
    double const d = (L - L0) * k1;
    double const f = std::fabs(d / std::sqrt(d * d + 1));
    glColor4d(1, 1, 1 - f, f + 0.05);
    glLineWidth(2);
    glBegin(GL_LINE_STRIP);
    vertex(X1);
    vertex(X2);
    glEnd();
}

void GlPainter::systemFrame(Vect const& X, int scale) {
    translate(X);
    double const s = scale;
    glScaled(s, s, s);
}
