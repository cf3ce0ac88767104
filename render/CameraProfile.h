#pragma once

// The two forms of the viewers' camera. The current form drives quorvex and
// quorvexlight; the earlier form drives quorvexview. Both are the same Camera
// class: the profile only changes the few rules in which they differ.
struct CameraProfile {
    // Angles above angleLimit lose angleStep until they are at most the
    // limit; angles below -angleLimit gain it until they are at least it.
    double angleLimit = 3600.0;
    double angleStep = 1800.0;
    // Near clipping distance given to the camera at construction.
    double zNear = 0.0001;
    // motionBlurMove sets the rate and the backdrop's opacity is motionBlur;
    // otherwise motionBlurMove does nothing and the opacity is fixedBackdrop.
    bool motionBlurAdjustable = true;
    double fixedBackdrop = 0.6;
    // look() draws the help panel (dispInterface); without it, dispInterface
    // draws nothing and keeps no smoothing.
    bool helpPanel = true;
    // The compass follows compassMode in a faint pale yellow; otherwise it is
    // always the rose, opaque yellow, with line width 3.
    bool compassModes = true;

    static constexpr CameraProfile current() { return CameraProfile{}; }
    static constexpr CameraProfile earlier() {
        CameraProfile p;
        p.angleLimit = 360.0;
        p.angleStep = 360.0;
        p.zNear = 0.01;
        p.motionBlurAdjustable = false;
        p.helpPanel = false;
        p.compassModes = false;
        return p;
    }
};
