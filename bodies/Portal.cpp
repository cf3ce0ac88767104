#include "bodies/Portal.h"

Portal::Portal(Portal& link_, Vect const& X_, Vect const& ang_, double value_)
    : Obj(X_, 0.0, Vect(3u), ang_, Vect(3u)), link(&link_), value(value_) {
    enableRotationForce(false);
    enableTranslationForce(false);
}
