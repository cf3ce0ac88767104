#include "viewer/Trajectory.h"

#include <GL/gl.h>

void Trajectory::draw() const {
    if (empty()) return;
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, xyz_.data());
    glDrawArrays(GL_LINE_STRIP, 0, static_cast<GLsizei>(size()));
    glPopClientAttrib();
}
