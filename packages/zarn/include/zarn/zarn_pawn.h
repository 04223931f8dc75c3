// AZARNPawn: the native mirror of the script class "ZARNPawn", the game's
// pawn of this package.
#pragma once

#include <cstdint>

#include "core/core.h"
#include "core/native_class.h"
#include "engine/engine.h"
#include "zarn/api.h"

class ZARN_API AZARNPawn : public APawn {
  DECLARE_NATIVE_CLASS(AZARNPawn, APawn)

  AZARNPawn(const AZARNPawn& Other);
  AZARNPawn& operator=(const AZARNPawn& Other);

  int32_t PawnValue1;
  int32_t PawnValue2;
  uint32_t bPawnFlag1 : 1;
  uint32_t bPawnFlag2 : 1;
  int32_t PawnValue3;
  int32_t PawnValue4;
  FName PawnName;
  int32_t PawnValue5;
  int32_t PawnValue6;

 protected:
  AZARNPawn();
};
