#pragma once

#include <cstddef>
#include <vector>

#include "render/Trajectory.h"
#include "viewer/Scene.h"

class Obj;

// A scene whose build picks out bodies to trace: every physics step records
// their positions, and every pass draws the system, the recorded paths and
// the welcome text. quorvex and quorvexlight differ only in the build.
class TracedScene : public Scene {
public:
    using BuildFn = std::vector<Obj*> (*)(System&);
    explicit TracedScene(BuildFn buildFn) : buildFn_(buildFn) {}

    // Runs the build function and starts one empty path per traced body.
    void build(System& mainSys) override;
    // mainSys.update(0.045), then one point appended to every path.
    void step(System& mainSys) override;
    // mainSys.disp(), every path as one line strip, the welcome text.
    void pass(System& mainSys) override;

    std::vector<Obj*> const& traced() const { return traced_; }
    std::vector<Trajectory> const& trajectories() const { return trajectories_; }

private:
    BuildFn buildFn_;
    std::vector<Obj*> traced_;
    std::vector<Trajectory> trajectories_;
};
