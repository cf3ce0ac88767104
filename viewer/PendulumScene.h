#pragma once

#include <string>
#include <vector>

#include "systems/Scenes.h"

// The scene of quorvex (buildPendulumScene: a field of pendulums hanging in
// the pull of one very heavy body far below). Fills sys and returns the four
// traced bodies in tracing order (a rope's free end, three single bobs).
std::vector<Obj*> tracedPendulumScene(System& sys);

// The welcome text written in 3D strokes by quorvex and quorvexlight.
std::string welcomeText();
