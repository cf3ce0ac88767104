#pragma once

// The rules that distinguish the two forms of the engine. The current form
// drives quorvex and quorvexlight; the earlier form drives quorvexcli and
// quorvexview. A system hands its rules to every body and spring it creates.
struct EngineRules {
    // Obj::update adds the weight (0, 0, -0.0981 m) after the move.
    bool weightAfterMove = true;
    // Obj::update takes the position step (with its noise draw) even when
    // translation forces are off.
    bool positionStepAlways = false;
    // Obj::init clears the torque as well as the force.
    bool initClearsTorque = true;
    // The plain spring is the undamped saturating law instead of the
    // critically damped linear one.
    bool saturatingSpring = false;
    // The force pass ends with the viscous damping step.
    bool dampingStep = true;
    // System::update steps the subsystems after the bodies.
    bool subsystemSteps = true;
    // A BallCG dumps the charged-body block and its radius instead of the
    // ball block.
    bool ballDumpsChargeBlock = false;

    static constexpr EngineRules current() { return EngineRules{}; }
    static constexpr EngineRules earlier() {
        EngineRules r;
        r.weightAfterMove = false;
        r.positionStepAlways = true;
        r.initClearsTorque = false;
        r.saturatingSpring = true;
        r.dampingStep = false;
        r.subsystemSteps = false;
        r.ballDumpsChargeBlock = true;
        return r;
    }
};
