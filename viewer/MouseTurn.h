#pragma once

// Turn inputs the mouse gives the camera for a pointer at (x, y) in a
// canvas of w × h pixels. The centre is (w/2, h/2), halves rounded toward
// zero; offsets are integers, divided as doubles.
struct MouseTurn {
    double theta = 0.0;  // pitch input
    double phi = 0.0;    // heading input
    double rho = 0.0;    // roll input
};

// Joystick of the current viewers: the offset from the centre steers, from
// -2 at one edge to 2 at the other; above the centre pitches up, right of it
// turns right and banks. All zero at the centre.
MouseTurn joystickTurn(int x, int y, int w, int h);

// Mouse look of the earlier viewer (pointer warped back to the centre after
// every move): ±1 at the edges, below the centre pitches with a positive
// input, no roll.
MouseTurn mouseLookTurn(int x, int y, int w, int h);

// The mouse look of one tick. The pointer goes back to the centre after
// every move, so each move's offset is new turn: the offsets of all the moves
// a tick receives add up, and a fast drag that sends several of them in one
// tick turns by all of them. A move reported at the centre is the pointer
// back where the warp put it: nothing is left to turn.
class MouseLookSum {
public:
    // A move to (x, y) in a w × h canvas; returns the turn gathered so far.
    MouseTurn move(int x, int y, int w, int h);
    // The tick has used the gathered turn: start again from nothing. True
    // when a move came since the last tick (the turn inputs are to go back
    // to 0).
    bool tickDone();

private:
    MouseTurn sum_;
    bool moved_ = false;
};
