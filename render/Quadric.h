#pragma once

#include <GL/glu.h>

#include <memory>

// A GLU quadric that is deleted when it goes out of scope. get() is null
// when GLU could not allocate one.
class Quadric {
public:
    Quadric() : q_(gluNewQuadric()) {}
    GLUquadric* get() const { return q_.get(); }
    explicit operator bool() const { return q_ != nullptr; }

private:
    struct Deleter {
        void operator()(GLUquadric* q) const { gluDeleteQuadric(q); }
    };
    std::unique_ptr<GLUquadric, Deleter> q_;
};
