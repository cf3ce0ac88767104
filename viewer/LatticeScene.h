#pragma once

#include "systems/Scenes.h"
#include "viewer/Scene.h"

// quorvexview's scene hooks: no trajectories, no text.
class LatticeScene : public Scene {
public:
    // buildLatticeScene.
    void build(System& mainSys) override;
    // mainSys.update(0.045).
    void step(System& mainSys) override;
    // mainSys.disp().
    void pass(System& mainSys) override;
};
