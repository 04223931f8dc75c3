// FColor: an 8-bit-per-channel colour (4 bytes). The default constructor
// leaves the bytes as they are, like every plain script value.
#pragma once

#include <cstdint>

struct FColor {
  uint8_t R, G, B, A;
  FColor() {}  // NOLINT: deliberately leaves the bytes
  FColor(uint8_t InR, uint8_t InG, uint8_t InB, uint8_t InA = 255)
      : R(InR), G(InG), B(InB), A(InA) {}
  FColor(const FColor&) = default;
  FColor& operator=(const FColor&) = default;
  bool operator==(const FColor&) const = default;
};
