#include "bodies/Painter.h"

namespace {
Painter nullPainter;
Painter* installed = &nullPainter;
}  // namespace

Painter& painter() { return *installed; }

void setPainter(Painter* p) { installed = p ? p : &nullPainter; }
