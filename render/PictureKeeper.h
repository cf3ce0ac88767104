#pragma once

// Keeps the finished picture of a frame so that the next frame can start
// from it. The motion-blur trails come from blending each frame over the
// previous one, but after a buffer swap the back buffer's content is
// undefined on many drivers (Mesa among them). The keeper copies the picture
// into a texture before the swap and paints it back at the start of the next
// frame, so the trails look the same everywhere.
//
// The texture's sides are powers of two that hold the picture's; it is made
// again, with the smallest such sides, when the picture outgrows it or when a
// side a quarter as long would do, so a window made small again gives the
// memory back without a new texture at every small size change.
class PictureKeeper {
public:
    // maxTextureSize: the largest texture side allowed; 0 takes the
    // driver's (GL_MAX_TEXTURE_SIZE), read at the first keep.
    explicit PictureKeeper(int maxTextureSize = 0) : maxSide_(maxTextureSize > 0 ? largestSide(maxTextureSize) : 0) {}
    PictureKeeper(PictureKeeper const&) = delete;
    PictureKeeper& operator=(PictureKeeper const&) = delete;
    // The texture goes with its GL context; release() frees it earlier.
    ~PictureKeeper() = default;

    // Paints the kept picture over the viewport of w × h pixels, exactly,
    // with no blending and no depth write; nothing before the first keep or
    // when the size changed since. Leaves the GL state as it found it.
    void restore(int w, int h) const;
    // Copies the current w × h picture of the read buffer. A picture whose
    // texture would pass the largest side is not kept (and the texture is
    // freed): the next frame starts from whatever the buffer holds.
    void keep(int w, int h);
    // Frees the texture (needs the context current).
    void release();
    bool holdsPicture() const { return held_; }
    // The texture's sides in texels, 0 when there is none.
    int textureWidth() const { return texW_; }
    int textureHeight() const { return texH_; }

    // The largest picture side that can be kept with textures of at most
    // maxTextureSize texels a side: the largest power of two not above it.
    static int largestSide(int maxTextureSize);

private:
    // GLuint, which <GL/gl.h> defines as unsigned int.
    unsigned texture_ = 0;
    // The largest picture side kept; 0 until the driver is asked.
    int maxSide_;
    int texW_ = 0, texH_ = 0;
    int w_ = 0, h_ = 0;
    bool held_ = false;
};
