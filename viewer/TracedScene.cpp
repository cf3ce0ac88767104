#include "viewer/TracedScene.h"

#include "bodies/Obj.h"
#include "render/TracedPaths.h"
#include "systems/System.h"
#include "viewer/PendulumScene.h"

void TracedScene::build(System& mainSys) {
    traced_ = buildFn_(mainSys);
    trajectories_.assign(traced_.size(), Trajectory{});
}

void TracedScene::step(System& mainSys) {
    mainSys.update(timeStep);
    for (std::size_t i = 0; i < traced_.size(); ++i) trajectories_[i].append(traced_[i]->getX());
}

void TracedScene::pass(System& mainSys) {
    mainSys.disp();
    drawTracedPaths(trajectories_, welcomeText());
}
