#pragma once

#include "bodies/Obj.h"

// A fixed body linked to another portal. Neither translation nor rotation
// forces move it; nothing reads its link or its value yet.
class Portal : public Obj {
public:
    // Mass 0, at rest, with angle ang; link may be the portal itself and
    // is not owned.
    Portal(Portal& link, Vect const& X, Vect const& ang, double value);

    Portal* getLink() const { return link; }
    double getValue() const { return value; }

private:
    Portal* link;
    double value;
};
