#pragma once

#include <functional>
#include <memory>
#include <string>

#include "viewer/FrontEnd.h"
#include "viewer/Scene.h"

// What a viewer program hands to the shared application: its name (for
// messages), its front end and the scene its canvas builds.
struct ViewerSetup {
    std::string programName;
    FrontEnd frontEnd;
    std::function<std::unique_ptr<Scene>()> makeScene;
};

// The window title of every viewer.
inline constexpr char const* viewerTitle = "Projet Informatique Zarn 2011-2012";

// Runs a viewer: the application, its window and the event loop. Without a
// display it writes one line on standard error and returns 1; otherwise it
// returns the event loop's status (0 when the window is closed).
int runViewer(int argc, char** argv, ViewerSetup const& setup);
