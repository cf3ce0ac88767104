#include "viewer/LatticeScene.h"

#include "systems/System.h"

void LatticeScene::build(System& mainSys) { buildLatticeScene(mainSys); }

void LatticeScene::step(System& mainSys) { mainSys.update(timeStep); }

void LatticeScene::pass(System& mainSys) { mainSys.disp(); }
