#pragma once

// The rules that distinguish the two forms of the engine. The current form
// drives quorvex and quorvexlight; the earlier form drives quorvexcli and
// quorvexview. A system keeps them once for itself and everything it holds
// (see System): its bodies, springs and subsystems refer to them.
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

    // The two forms, as objects that live as long as the program.
    static EngineRules const& current();
    static EngineRules const& earlier();
};

namespace engineRulesDetail {
constexpr EngineRules earlierForm() {
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
inline constexpr EngineRules current{};
inline constexpr EngineRules earlier = earlierForm();
}  // namespace engineRulesDetail

inline EngineRules const& EngineRules::current() { return engineRulesDetail::current; }
inline EngineRules const& EngineRules::earlier() { return engineRulesDetail::earlier; }
