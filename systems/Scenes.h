#pragma once

#include <vector>

#include "systems/System.h"

// Scenes built by code on a given system, shared by the viewers, the tests
// and the benchmarks. None of them touches the random generator's seed. The
// viewers' traced scenes return the bodies whose paths are drawn, in
// tracing order.

// The pendulum field of quorvex: four single pendulums and one rope
// pendulum launched with given velocities, a row of 30 equal pendulums
// launched vertically, a row of 30 of growing length at rest, a row of 15
// rope pendulums, the heavy attracting body 60000005 m below, and damping
// 0.005. Returns the four traced bodies: a rope's free end, then three
// single bobs. The viewer seeds the generator before calling this.
std::vector<Obj*> buildPendulumScene(System& sys);

// The scene of quorvexlight: four single pendulums and three rope pendulums
// over the heavy body; returns the seven traced bodies in order, the last
// one in the middle of a rope.
std::vector<Obj*> buildLightScene(System& sys);

// The scene of quorvexview: a 5 x 5 x 2 lattice of balls on springs, the
// heavy body far below and a ball launched upward at 10 m/s with no noise.
// Returns the launched ball. No random draw.
Obj* buildLatticeScene(System& sys);

// The heavy body 60000005 m below the origin (mass 5.9e25, acting) whose
// gravitation is the only gravity of the viewers' scenes.
void addAttractor(System& sys);
