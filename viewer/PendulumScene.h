#pragma once

#include <string>
#include <vector>

class Obj;
class System;

// The scene of quorvex (buildPendulumScene: a field of pendulums hanging in
// the pull of one very heavy body far below). Fills sys and returns the four
// traced bodies in tracing order (a rope's free end, three single bobs).
std::vector<Obj*> tracedPendulumScene(System& sys);

// The scene of quorvexlight: four single pendulums and three rope pendulums
// over the same heavy body; returns the seven traced bodies in order, the
// last one in the middle of a rope.
std::vector<Obj*> buildLightScene(System& sys);

// The heavy body 60000005 m below the origin whose gravitation is the only
// gravity of the viewers' scenes.
void addAttractor(System& sys);

// The welcome text written in 3D strokes by quorvex and quorvexlight.
std::string welcomeText();
