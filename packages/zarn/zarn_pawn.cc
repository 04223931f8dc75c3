#include "zarn/zarn_pawn.h"

IMPLEMENT_NATIVE_CLASS(AZARNPawn)

AZARNPawn::AZARNPawn() = default;

AZARNPawn::AZARNPawn(const AZARNPawn& Other)
    : APawn(Other),
      PawnValue1(Other.PawnValue1),
      PawnValue2(Other.PawnValue2),
      bPawnFlag1(Other.bPawnFlag1),
      bPawnFlag2(Other.bPawnFlag2),
      PawnValue3(Other.PawnValue3),
      PawnValue4(Other.PawnValue4),
      PawnName(Other.PawnName),
      PawnValue5(Other.PawnValue5),
      PawnValue6(Other.PawnValue6) {}

AZARNPawn& AZARNPawn::operator=(const AZARNPawn& Other) {
  APawn::operator=(Other);
  PawnValue1 = Other.PawnValue1;
  PawnValue2 = Other.PawnValue2;
  bPawnFlag1 = Other.bPawnFlag1;
  bPawnFlag2 = Other.bPawnFlag2;
  PawnValue3 = Other.PawnValue3;
  PawnValue4 = Other.PawnValue4;
  PawnName = Other.PawnName;
  PawnValue5 = Other.PawnValue5;
  PawnValue6 = Other.PawnValue6;
  return *this;
}
