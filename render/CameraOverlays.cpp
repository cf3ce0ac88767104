#include <GL/gl.h>

#include <cmath>

#include "numerics/Constants.h"
#include "render/Camera.h"
#include "render/String3d.h"

namespace {

char const* const cameraBlock =
    "- camera - setting -\n"
    "-                  -\n"
    "--------------------\n"
    "-mouse control :   -\n"
    "-   ctrl+m(on-off) -\n"
    "-                  -\n"
    "--------------------\n"
    "-fullscreen :      -\n"
    "-   Ctrl+f         -\n"
    "-                  -\n"
    "--------------------\n"
    "-stereoscopy :     -\n"
    "-   ctrl+i(on-off) -\n"
    "-   ctrl+u,o(focus)-\n"
    "-                  -\n"
    "--------------------\n"
    "-perspective :     -\n"
    "-   ctrl+k,l       -\n"
    "-                  -\n"
    "--------------------\n"
    "-motion Blur :     -\n"
    "-   ctrl+b,n       -\n"
    "-                  -\n"
    "--------------------\n"
    "-Compass :         -\n"
    "-   ctrl+j         -\n"
    "-                  -\n"
    "--------------------";

char const* const keyBlock =
    "-otherKey - setting-\n"
    "--------------------\n"
    "-camera move :     -\n"
    "-   q w e     ^    -\n"
    "-   a s d   < v >  -\n"
    "-                  -\n"
    "--------------------\n"
    "-physic            -\n"
    "-   ctrl+p(on-off) -\n"
    "-                  -\n"
    "--------------------\n"
    "-enter-quit help   -\n"
    "-   ctrl+h         -\n"
    "-                  -\n"
    "--------------------";

char const* const title = "----------\n---HELP---\n----------";
char const* const hint = "---Tab:---\n---show---\n-terminal-";

void vertexOnRing(double a) { glVertex3d(0.1 * std::cos(a), 0.1 * std::sin(a), 0); }

// Four arcs of radius 0.1 with 30-degree gaps around the axes, and the
// letters N (-x), W (-y), E (+y) and S (+x) as seen from inside.
void drawRose() {
    glLineWidth(3);
    for (int quarter = 0; quarter < 4; ++quarter) {
        glBegin(GL_LINE_STRIP);
        for (int deg = 15; deg <= 75; deg += 15) vertexOnRing((90 * quarter + deg) * pi / 180);
        glEnd();
    }
    glBegin(GL_LINE_STRIP);
    glVertex3d(-0.1, 0, 0);
    glVertex3d(-0.1, 0, 0.004);
    glVertex3d(-0.1, 0.004, 0);
    glVertex3d(-0.1, 0.004, 0.004);
    glEnd();
    glBegin(GL_LINE_STRIP);
    glVertex3d(-0.004, -0.1, 0.004);
    glVertex3d(-0.002, -0.1, 0);
    glVertex3d(0, -0.1, 0.004);
    glVertex3d(0.002, -0.1, 0);
    glVertex3d(0.004, -0.1, 0.004);
    glEnd();
    glBegin(GL_LINE_STRIP);
    glVertex3d(0.004, 0.104, 0);
    glVertex3d(0, 0.104, 0);
    glVertex3d(0, 0.1, 0);
    glVertex3d(0.004, 0.1, 0);
    glVertex3d(0, 0.1, 0);
    glVertex3d(0, 0.096, 0);
    glVertex3d(0.004, 0.096, 0);
    glEnd();
    glBegin(GL_LINE_STRIP);
    glVertex3d(0.1, -0.002, 0.002);
    glVertex3d(0.1, 0.002, 0.002);
    glVertex3d(0.1, 0.002, 0);
    glVertex3d(0.1, -0.002, 0);
    glVertex3d(0.1, -0.002, -0.002);
    glVertex3d(0.1, 0.002, -0.002);
    glEnd();
}

// A ring of radius 0.1, open between -11.25 and 11.25 degrees around +x.
void drawRing() {
    glBegin(GL_LINE_STRIP);
    for (int i = 2; i <= 62; i += 2) vertexOnRing(i * pi / 32);
    glEnd();
}

}  // namespace

void Camera::dispRepere() {
    Vect const x = getX();
    glPushMatrix();
    glTranslated(0, 0, -0.05);
    glTranslated(-x.get(0), -x.get(1), -x.get(2));
    if (profile_.compassModes) {
        glColor4d(1, 1, 0.5, 0.1);
        if (compassMode == 1) drawRose();
        if (compassMode == 2) drawRing();
    } else {
        glColor4d(1, 1, 0, 1);
        drawRose();
    }
    glPopMatrix();
}

// Undoes the smoothed angles (heading, roll, then pitch) inside the camera
// rotation that look() applied, then lets each smoothed angle close a third
// of its lag: the panel swings behind the view and catches up.
void Camera::dispInterface() {
    if (!profile_.helpPanel) return;
    glPushMatrix();
    glRotated(-panelPhi, 0, 0, 1);
    glRotated(-panelRho, 1, 0, 0);
    glRotated(-panelTheta, 0, 1, 0);
    panelRho = (2 * panelRho + rho) / 3;
    panelTheta = (2 * panelTheta + theta) / 3;
    panelPhi = (2 * panelPhi + phi) / 3;
    glColor4d(1, 1, 0.5, 0.3);
    glLineWidth(1.5);
    if (helpShown) {
        String3d(cameraBlock, 0.2, 55, 0).disp();
        String3d(keyBlock, 0.2, -17.5, 0).disp();
        String3d(title, 0.15, 10, -0.3).disp();
    } else {
        String3d(hint, 0.15, 10, -0.3).disp();
    }
    glPopMatrix();
}
