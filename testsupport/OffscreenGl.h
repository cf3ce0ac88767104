#pragma once

#include <GL/osmesa.h>

#include <array>
#include <stdexcept>
#include <vector>

// A GL context that renders into memory (Mesa's OSMesa), current for the
// lifetime of the object, with an RGBA colour buffer and a 24-bit depth
// buffer of width x height pixels. Pixel (0, 0) is the bottom-left corner,
// as in glViewport. The projection and modelview matrices start as identity.
class OffscreenGl {
public:
    using Rgba = std::array<int, 4>;

    OffscreenGl(int width, int height) : w_(width), h_(height), pixels_(std::size_t(width) * height * 4) {
        ctx_ = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
        if (!ctx_) throw std::runtime_error("OSMesa: no context");
        if (!OSMesaMakeCurrent(ctx_, pixels_.data(), GL_UNSIGNED_BYTE, w_, h_)) {
            OSMesaDestroyContext(ctx_);
            throw std::runtime_error("OSMesa: cannot make the context current");
        }
        glViewport(0, 0, w_, h_);
    }
    ~OffscreenGl() { OSMesaDestroyContext(ctx_); }
    OffscreenGl(OffscreenGl const&) = delete;
    OffscreenGl& operator=(OffscreenGl const&) = delete;

    int width() const { return w_; }
    int height() const { return h_; }

    // The fixed state the viewers draw with: depth test, and blending by
    // source alpha.
    static void viewerState() {
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    // Clears colour (to the given colour) and depth.
    void clear(float r = 0, float g = 0, float b = 0, float a = 0) {
        glClearColor(r, g, b, a);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // Finishes drawing and returns pixel (x, y), each channel 0..255.
    Rgba pixel(int x, int y) {
        glFinish();
        unsigned char const* p = &pixels_[(std::size_t(y) * w_ + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }

    // Finishes drawing and counts the pixels for which keep(rgba) holds.
    template <class Pred>
    int count(Pred keep) {
        glFinish();
        int n = 0;
        for (std::size_t i = 0; i < pixels_.size(); i += 4)
            if (keep(Rgba{pixels_[i], pixels_[i + 1], pixels_[i + 2], pixels_[i + 3]})) ++n;
        return n;
    }

    // Depths of the projection and modelview matrix stacks.
    static int projectionDepth() { return intState(GL_PROJECTION_STACK_DEPTH); }
    static int modelviewDepth() { return intState(GL_MODELVIEW_STACK_DEPTH); }

private:
    static int intState(GLenum what) {
        GLint v = 0;
        glGetIntegerv(what, &v);
        return v;
    }

    int w_;
    int h_;
    std::vector<unsigned char> pixels_;
    OSMesaContext ctx_ = nullptr;
};
