#include <memory>

#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"
#include "viewer/ViewerSetup.h"

// The interactive viewer: a field of pendulums and four traced paths.
int main(int argc, char** argv) {
    ViewerSetup setup{"quorvex", FrontEnd::current(), [] { return std::make_unique<TracedScene>(buildPendulumScene); }};
    return runViewer(argc, argv, setup);
}
