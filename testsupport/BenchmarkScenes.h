#pragma once

#include "systems/System.h"

// The scenes the benchmarks and the step tests run on.

// A 20 x 20 x 20 lattice (mode 0, spacing 1, total mass 8000, stiffness
// 100) above one acting body of mass 5.9e25 at (0, 0, -60000005), with
// damping 0.005. Meant to be stepped with dt 0.045.
void buildFallingLattice(System& sys);

// count acting point charges of mass 1 with charges alternating +1e-6 and
// -1e-6, at rest at positions in a 100 m cube drawn from a fixed-seed
// generator of its own (the same cloud on every run). Meant to be stepped
// with dt 0.001.
void buildChargeCloud(System& sys, unsigned int count);
