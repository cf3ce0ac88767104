#pragma once

class System;

// What a viewer shows: the canvas builds it once into its top-level system,
// steps it on every physics tick and draws it in every pass (twice per
// frame in stereo). The scene lives as long as the canvas.
class Scene {
public:
    virtual ~Scene() = default;
    // Fills mainSys (called once, at the end of the canvas's construction).
    virtual void build(System& mainSys) = 0;
    // One physics step of the scene.
    virtual void step(System& mainSys) = 0;
    // Draws the scene with the frame's matrices and the eye's colour mask
    // already set; needs a current GL context.
    virtual void pass(System& mainSys) = 0;

    // Time step of one physics tick, in seconds, whatever the timer's interval.
    static constexpr double timeStep = 0.045;
};
