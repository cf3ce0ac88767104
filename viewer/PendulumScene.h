#pragma once

#include <string>

#include "systems/Scenes.h"

// quorvex traces the bodies buildPendulumScene returns, quorvexlight those of
// buildLightScene; both write this welcome text in 3D strokes.
std::string welcomeText();
