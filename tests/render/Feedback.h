#pragma once

#include <GL/gl.h>

#include <vector>

#include "numerics/Vect.h"

// Records what a drawing call sends to GL, in GL's feedback mode, as
// primitives with their vertices back in the coordinates of the frame that
// was current (identity projection and modelview, a viewport covering
// [-1, 1]^3). Needs a current context whose viewport is the whole buffer.
class Feedback {
public:
    struct Primitive {
        bool points;  // a point, else one segment of a line strip
        std::vector<Vect> at;
    };

    template <class Draw>
    static std::vector<Primitive> record(Draw draw) {
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        std::vector<GLfloat> buffer(1 << 20);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        GLint const n = glRenderMode(GL_RENDER);
        std::vector<Primitive> out;
        auto vertex = [&](GLint& i) {
            double const x = 2.0 * (buffer[i] - viewport[0]) / viewport[2] - 1;
            double const y = 2.0 * (buffer[i + 1] - viewport[1]) / viewport[3] - 1;
            double const z = 2.0 * buffer[i + 2] - 1;
            i += 3;
            return Vect{x, y, z};
        };
        for (GLint i = 0; i < n;) {
            GLfloat const token = buffer[i++];
            if (token == GL_POINT_TOKEN) {
                out.push_back({true, {vertex(i)}});
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                Primitive p{false, {}};
                p.at.push_back(vertex(i));
                p.at.push_back(vertex(i));
                out.push_back(p);
            } else if (token == GL_POLYGON_TOKEN) {
                GLint const count = static_cast<GLint>(buffer[i++]);
                i += 3 * count;
            }
        }
        return out;
    }
};
