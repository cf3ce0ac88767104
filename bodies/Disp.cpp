#include "bodies/Disp.h"

std::ostream& operator<<(std::ostream& os, Disp& d) { return d.cdisp(os); }
