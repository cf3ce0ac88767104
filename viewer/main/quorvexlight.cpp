#include <memory>

#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"
#include "viewer/ViewerSetup.h"

// The interactive viewer with the lighter scene and seven traced paths.
int main(int argc, char** argv) {
    ViewerSetup setup{"quorvexlight", FrontEnd::current(),
                      [] { return std::make_unique<TracedScene>(buildLightScene); }};
    return runViewer(argc, argv, setup);
}
