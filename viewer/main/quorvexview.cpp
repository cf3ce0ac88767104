#include <memory>

#include "viewer/LatticeScene.h"
#include "viewer/ViewerSetup.h"

// The earlier viewer: plain-letter keys, a lattice of balls on springs.
int main(int argc, char** argv) {
    ViewerSetup setup{"quorvexview", FrontEnd::earlier(), [] { return std::make_unique<LatticeScene>(); }};
    return runViewer(argc, argv, setup);
}
