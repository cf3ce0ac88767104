#pragma once

#include "viewer/Scene.h"

class Obj;

// The scene of quorvexview: a 5 × 5 × 2 lattice of balls on springs, the
// heavy body far below and a ball launched upward at 10 m/s with no noise.
// Returns the launched ball. No random draw.
Obj* buildLatticeScene(System& sys);

// quorvexview's scene hooks: no trajectories, no text.
class LatticeScene : public Scene {
public:
    // Seeds the C generator from the clock, then buildLatticeScene.
    void build(System& mainSys) override;
    // mainSys.update(0.045).
    void step(System& mainSys) override;
    // mainSys.disp().
    void pass(System& mainSys) override;
};
