#include "bodies/Painter.h"

namespace {
Painter nullPainter;
// The innermost live scope; each scope links to the one it was opened in.
PainterScope* innermost = nullptr;
}  // namespace

Painter& painter() { return innermost ? innermost->painter_ : nullPainter; }

PainterScope::PainterScope(Painter& p) : painter_(p), below_(innermost) { innermost = this; }

// Unlinks this scope wherever it sits in the chain; a scope ending before
// the ones opened inside it leaves them in effect, in their order.
PainterScope::~PainterScope() {
    PainterScope** link = &innermost;
    while (*link != this) link = &(*link)->below_;
    *link = below_;
}
