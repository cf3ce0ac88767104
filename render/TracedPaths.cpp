#include "render/TracedPaths.h"

#include <GL/gl.h>

#include "render/String3d.h"

namespace {

void tracedLook() {
    glLineWidth(2.0f);
    glPointSize(2.0f);
    glColor4d(0.5, 1.0, 1.0, 1.0);
}

}  // namespace

void drawTracedPaths(std::vector<Trajectory> const& paths, std::string const& text) {
    tracedLook();
    for (Trajectory const& t : paths) t.draw();
    // Set again for the text, so that it never depends on what the paths
    // left.
    tracedLook();
    String3d(text, 0.0, 0.0, 0.0).disp();
}
