#include <benchmark/benchmark.h>

#include <memory>

#include "render/GlPainter.h"
#include "testsupport/OffscreenGl.h"
#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"
#include "viewer/ViewerCore.h"

// The quorvex scene in three states: as built, after 20 presses of Space
// (1500 more bodies), and with 200,000 recorded points per trajectory. One
// physics step (the tick's scene step) and one frame, mono and stereo, at
// the full-screen size of the end-to-end tests, drawn offscreen by Mesa.

namespace {

int const width = 1024, height = 768;

enum Stage { AtStart = 0, After20Spaces = 1, LongPaths = 2 };

// Builds the viewer state of a stage; the paths are recorded by real
// physics steps (200,000 of them take a while, once).
std::unique_ptr<ViewerCore> makeCore(Stage stage) {
    auto core = std::make_unique<ViewerCore>(FrontEnd::current(), std::make_unique<TracedScene>(buildPendulumScene));
    if (stage == After20Spaces)
        for (int i = 0; i < 20; ++i) core->keyDown(keys::Space, false, false);
    if (stage == LongPaths) {
        auto& scene = dynamic_cast<TracedScene&>(*core->scene);
        for (int i = 0; i < 200000; ++i) scene.step(core->mainSys);
    }
    return core;
}

ViewerCore& core(Stage stage) {
    static std::unique_ptr<ViewerCore> cores[3];
    if (!cores[stage]) cores[stage] = makeCore(stage);
    return *cores[stage];
}

void BM_PhysicsStep(benchmark::State& state) {
    // A fresh copy of the stage's scene for stepping, so the paint
    // benchmarks keep theirs.
    auto c = makeCore(Stage(state.range(0)));
    auto& scene = dynamic_cast<TracedScene&>(*c->scene);
    for (auto _ : state) scene.step(c->mainSys);
    state.counters["bodies"] = double(c->mainSys.objs.size());
    state.counters["points"] = double(scene.trajectories()[0].size());
}

void paintFrames(benchmark::State& state, bool stereo) {
    OffscreenGl gl(width, height);
    GlPainter glPainter;
    PainterScope const drawWithGl(glPainter);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.clear(0.03f, 0.16f, 0.18f, 0.0f);
    ViewerCore& c = core(Stage(state.range(0)));
    c.stereoOn = stereo;
    for (auto _ : state) {
        c.paint(width, height);
        glFinish();
    }
    c.stereoOn = false;
    c.frame.release();
}

void BM_FrameMono(benchmark::State& state) { paintFrames(state, false); }
void BM_FrameStereo(benchmark::State& state) { paintFrames(state, true); }

BENCHMARK(BM_PhysicsStep)
    ->Arg(AtStart)
    ->Arg(After20Spaces)
    ->Arg(LongPaths)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_FrameMono)->Arg(AtStart)->Arg(After20Spaces)->Arg(LongPaths)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FrameStereo)
    ->Arg(AtStart)
    ->Arg(After20Spaces)
    ->Arg(LongPaths)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
