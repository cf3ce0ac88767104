#pragma once

// Milliseconds of timer ticks gathered until the next scene step. Every tick
// adds its interval; once the sum passes 10 ms a step is due and the sum
// starts again from 0 (whether or not the physics then runs).
class TickAccumulator {
public:
    // Adds one tick of interval ms; true when a step is due.
    bool add(double interval) {
        value_ += interval;
        if (!(value_ > threshold)) return false;
        value_ = 0.0;
        return true;
    }
    double value() const { return value_; }

    static constexpr double threshold = 10.0;

private:
    double value_ = 0.0;
};
