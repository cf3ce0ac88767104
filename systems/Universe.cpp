#include "systems/Universe.h"

Universe::Universe() : sys(1, objs, objCs, Vect{0, 0, 0}, Vect(3u)) {}

void Universe::disp() { sys.disp(); }

std::ostream& Universe::cdisp(std::ostream& os) { return sys.cdisp(os); }
