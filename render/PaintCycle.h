#pragma once

#include <functional>

#include "render/PictureKeeper.h"

class Camera;

// The largest drawable, in pixels, that the GL driver can paint and keep:
// its largest viewport (GL_MAX_VIEWPORT_DIMS), and no side beyond what the
// kept picture's texture can hold (GL_MAX_TEXTURE_SIZE).
struct DrawLimits {
    int maxWidth = 0;
    int maxHeight = 0;
    bool fits(int w, int h) const { return w <= maxWidth && h <= maxHeight; }
};

// The viewers' frame in the current GL context: the fixed GL state, the
// viewport, and each frame with the kept picture under it, the camera's
// set-up and the scene drawn once, or twice as a red/cyan anaglyph. A
// drawable beyond the driver's limits gets no GL call at all: some drivers
// crash on a first frame at such a size.
class PaintCycle {
public:
    // Depth test, blending by source alpha and the clear colour, for the
    // life of the context; reads the limits. Needs a current context.
    void setUp();
    // The driver's limits as read by setUp() or the first resize or paint;
    // nothing fits before.
    DrawLimits const& limits() const { return limits_; }
    // The viewport of a w × h drawable, when it fits the limits.
    void resize(int w, int h);
    // One frame into the w × h viewport (set on every frame), before the
    // buffer swap: the kept picture, a depth clear, camera.look(), then pass() once with all
    // channels or, in stereo, for the left eye in red and, after another
    // depth clear, for the right eye in green and blue; the picture is kept
    // and the commands flushed. Draws nothing beyond the limits.
    void paint(int w, int h, Camera& camera, bool stereo, std::function<void()> const& pass);
    PictureKeeper const& picture() const { return picture_; }

    // Mesa keeps buffers sized for the largest drawable a context has drawn
    // until the context goes. True when those of the largest drawable
    // painted since setUp() are worth giving back for a w × h one: more than
    // four times its area and more than 16 MB each (4M pixels).
    bool wantsFreshContext(int w, int h) const;
    // Frees what this cycle made in the current context (the kept picture)
    // before the context goes; setUp() again in the next one.
    void release();

private:
    // Reads the limits once (needs a current context; without one nothing
    // fits and they are read again next time).
    DrawLimits const& readLimits();

    PictureKeeper picture_;
    DrawLimits limits_;
    long long largestArea_ = 0;
};
