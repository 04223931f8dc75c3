// Field types of script classes that carry the engine's copy rules
// themselves, so that a native class's constructors and assignment can be the
// language's member-by-member ones (core/native_class.h). Header only.
// - Plain structures have no constructor: a default constructor leaves them
//   as the engine's allocation wrote them, and a copy takes them as a unit.
// - A word of booleans takes only its class's own bits from a source; the
//   other bits of the word keep their values.
#pragma once

#include <cstdint>

struct FThreeValues {
  int32_t Values[3];
};

struct FFourValues {
  int32_t Values[4];
};

// A 32-bit word whose bits in OwnBits are the class's booleans (first
// declared boolean in bit 0), for a word the script declares as a whole.
template <uint32_t OwnBits>
struct TBoolWord {
  static constexpr uint32_t kOwnBits = OwnBits;

  TBoolWord() {}  // NOLINT: leaves the word as the allocation wrote it
  TBoolWord(const TBoolWord& Other) { TakeOwnBits(Other); }
  TBoolWord& operator=(const TBoolWord& Other) {
    TakeOwnBits(Other);
    return *this;
  }
  bool Test(uint32_t Bit) const { return (Bits & Bit) != 0; }

  uint32_t Bits;

 private:
  void TakeOwnBits(const TBoolWord& Other) { Bits = (Bits & ~OwnBits) | (Other.Bits & OwnBits); }
};
