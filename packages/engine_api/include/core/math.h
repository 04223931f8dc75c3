// The engine's vectors, rotations and square roots. FVector is three 32-bit
// floats (12 bytes); FRotator three 32-bit integer angles, 65536 to the turn.
#pragma once

#include <cstdint>

#include "core/api.h"

CORE_API float appSqrt(float Value);
// 1 / sqrt(Value).
CORE_API float appRSqrt(float Value);

// The default constructors leave the components as they are, like every plain
// script value; FVector() and FRotator() are zero.
struct FVector {
  float X, Y, Z;
  FVector() = default;
  FVector(float InX, float InY, float InZ) : X(InX), Y(InY), Z(InZ) {}

  FVector operator+(const FVector& V) const { return FVector(X + V.X, Y + V.Y, Z + V.Z); }
  FVector operator-(const FVector& V) const { return FVector(X - V.X, Y - V.Y, Z - V.Z); }
  FVector operator*(float Scale) const { return FVector(X * Scale, Y * Scale, Z * Scale); }
  FVector& operator+=(const FVector& V) {
    X += V.X, Y += V.Y, Z += V.Z;
    return *this;
  }
  bool operator==(const FVector&) const = default;
  float SizeSquared() const { return X * X + Y * Y + Z * Z; }
  float Size() const { return appSqrt(SizeSquared()); }
};

struct FRotator {
  int32_t Pitch, Yaw, Roll;
  FRotator() = default;
  FRotator(int32_t InPitch, int32_t InYaw, int32_t InRoll)
      : Pitch(InPitch), Yaw(InYaw), Roll(InRoll) {}
  bool operator==(const FRotator&) const = default;
};
