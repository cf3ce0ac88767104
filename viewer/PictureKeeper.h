#pragma once

#include <GL/gl.h>

// Keeps the finished picture of a frame so that the next frame can start
// from it. The motion-blur trails come from blending each frame over the
// previous one, but after a buffer swap the back buffer's content is
// undefined on many drivers (Mesa among them). The keeper copies the picture
// into a texture before the swap and paints it back at the start of the next
// frame, so the trails look the same everywhere.
class PictureKeeper {
public:
    PictureKeeper() = default;
    PictureKeeper(PictureKeeper const&) = delete;
    PictureKeeper& operator=(PictureKeeper const&) = delete;
    // The texture goes with its GL context; release() frees it earlier.
    ~PictureKeeper() = default;

    // Paints the kept picture over the viewport of w × h pixels, exactly,
    // with no blending and no depth write; nothing before the first keep or
    // when the size changed since. Leaves the GL state as it found it.
    void restore(int w, int h) const;
    // Copies the current w × h picture of the read buffer.
    void keep(int w, int h);
    // Frees the texture (needs the context current).
    void release();
    bool holdsPicture() const { return held_; }

private:
    GLuint texture_ = 0;
    int texW_ = 0, texH_ = 0;
    int w_ = 0, h_ = 0;
    bool held_ = false;
};
