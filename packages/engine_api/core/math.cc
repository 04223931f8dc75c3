#include "core/math.h"

#include <cmath>

float appSqrt(float Value) { return std::sqrt(Value); }

float appRSqrt(float Value) { return 1.0f / std::sqrt(Value); }
