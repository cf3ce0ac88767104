#pragma once

#include <string>
#include <vector>

#include "render/Trajectory.h"

// What the traced scenes draw after their system, into the current matrix
// (needs a current GL context): every path as a line strip, then text in 3D
// strokes (String3d at the origin), both in pale cyan (0.5, 1, 1) with lines
// and points 2 pixels wide.
void drawTracedPaths(std::vector<Trajectory> const& paths, std::string const& text);
