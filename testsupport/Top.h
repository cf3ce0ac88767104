#pragma once

#include "systems/System.h"
#include "systems/Universe.h"

// A universe and its top-level system, into which a test or a benchmark
// builds its scene.
struct Top {
    Universe universe;
    System& sys = *universe.get();
};
