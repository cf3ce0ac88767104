#pragma once

// pi to double precision, the value every angle and volume formula uses.
constexpr double pi = 3.141592653589793;
