// FGuid: a 128-bit identifier of four 32-bit words.
#pragma once

#include <cstdint>

struct FGuid {
  uint32_t A = 0, B = 0, C = 0, D = 0;
  FGuid() = default;
  FGuid(uint32_t InA, uint32_t InB, uint32_t InC, uint32_t InD) : A(InA), B(InB), C(InC), D(InD) {}
  bool operator==(const FGuid&) const = default;
};
