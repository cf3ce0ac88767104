#include "viewer/MouseTurn.h"

MouseTurn joystickTurn(int x, int y, int w, int h) {
    int const cx = w / 2, cy = h / 2;
    MouseTurn t;
    if ((x == cx && y == cy) || w == 0 || h == 0) return t;
    t.theta = (4 * (cy - y)) / double(h);
    t.phi = (4 * (x - cx)) / double(w);
    t.rho = -(4 * (x - cx)) / double(w);
    return t;
}

MouseTurn mouseLookTurn(int x, int y, int w, int h) {
    MouseTurn t;
    if (w == 0 || h == 0) return t;
    t.theta = ((y - h / 2) * 2) / double(h);
    t.phi = ((x - w / 2) * 2) / double(w);
    return t;
}

MouseTurn MouseLookSum::move(int x, int y, int w, int h) {
    moved_ = true;
    if (x == w / 2 && y == h / 2) {
        sum_ = MouseTurn{};
    } else {
        MouseTurn const t = mouseLookTurn(x, y, w, h);
        sum_.theta += t.theta;
        sum_.phi += t.phi;
    }
    return sum_;
}

bool MouseLookSum::tickDone() {
    sum_ = MouseTurn{};
    bool const moved = moved_;
    moved_ = false;
    return moved;
}
