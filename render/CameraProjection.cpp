#include <GL/gl.h>
#include <GL/glu.h>

#include "render/Camera.h"

// Every transformation goes into the projection matrix: the modelview
// matrix stays the caller's identity. Eye frame: +x along the line of sight,
// +z up, +y to the left.

void Camera::rotateView() const {
    glRotated(rho, 1, 0, 0);
    glRotated(theta, 0, 1, 0);
    glRotated(phi, 0, 0, 1);
}

void Camera::look() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovy(), aspect, zNear, zFar);
    gluLookAt(0, 0, 0, 1, 0, 0, 0, 0, 1);

    if (profile_.helpPanel) {
        glPushMatrix();
        rotateView();
        dispInterface();
        glPopMatrix();
    }

    // Crosshair: five yellow points just in front of the eye.
    glColor4d(1, 1, 0, 1);
    glPointSize(2);
    glBegin(GL_POINTS);
    glVertex3d(0.01, 0.0005, 0);
    glVertex3d(0.01, -0.0005, 0);
    glVertex3d(0.01, 0, 0);
    glVertex3d(0.01, 0, 0.0005);
    glVertex3d(0.01, 0, -0.0005);
    glEnd();

    // Backdrop at distance 500: blended over the previous frame, it fades
    // the old picture towards the background colour (the motion blur) and
    // hides whatever lies farther along the line of sight.
    glColor4d(0.03, 0.16, 0.18, profile_.motionBlurAdjustable ? motionBlur : profile_.fixedBackdrop);
    glBegin(GL_QUADS);
    glVertex3d(500, -10000, -10000);
    glVertex3d(500, -10000, 10000);
    glVertex3d(500, 10000, 10000);
    glVertex3d(500, 10000, -10000);
    glEnd();

    // The view: the scene is shifted by +X, so the eye sits at -X.
    rotateView();
    Vect const x = getX();
    glTranslated(x.get(0), x.get(1), x.get(2));

    dispRepere();
}

// Undo the view, turn about the convergence point (focus, 0, 0) of the line
// of sight, redo the view.
void Camera::applyEyeTurn(double sign) {
    Vect const x = getX();
    glTranslated(-x.get(0), -x.get(1), -x.get(2));
    glRotated(-phi, 0, 0, 1);
    glRotated(-theta, 0, 1, 0);
    glRotated(-rho, 1, 0, 0);
    glTranslated(-focus, 0, 0);
    glRotated(sign * focus / stereoDivisor, 0, 0, 1);
    glTranslated(focus, 0, 0);
    rotateView();
    glTranslated(x.get(0), x.get(1), x.get(2));
}

void Camera::ApplyLeftFrustum() { applyEyeTurn(-1.0); }

void Camera::ApplyRightFrustum() { applyEyeTurn(1.0); }
