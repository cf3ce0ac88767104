#include "viewer/TracedScene.h"

#include <GL/gl.h>

#include "bodies/Obj.h"
#include "render/String3d.h"
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
    glLineWidth(2.0f);
    glPointSize(2.0f);
    glColor4d(0.5, 1.0, 1.0, 1.0);
    for (Trajectory const& t : trajectories_) t.draw();
    glLineWidth(2.0f);
    glPointSize(2.0f);
    glColor4d(0.5, 1.0, 1.0, 1.0);
    String3d(welcomeText(), 0.0, 0.0, 0.0).disp();
}
