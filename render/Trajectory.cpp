#include "render/Trajectory.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Mesa splits one very long draw slowly (a 200,000-point strip costs twice
// as much as the same points sent vertex by vertex); strips of at most this
// many points, each starting on the last point of the one before, draw the
// same line strip at full speed.
std::size_t const piece = 65536;

}  // namespace

void Trajectory::draw() const {
    std::size_t const n = size();
    if (n == 0) return;
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, xyz_.data());
    std::size_t first = 0;
    do {
        std::size_t const count = std::min(piece, n - first);
        glDrawArrays(GL_LINE_STRIP, static_cast<GLint>(first), static_cast<GLsizei>(count));
        first += piece - 1;
    } while (first + 1 < n);
    glPopClientAttrib();
}
