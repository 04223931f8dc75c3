#include "zarn/zarn_pawn.h"

IMPLEMENT_NATIVE_CLASS(AZARNPawn)

// Every own field's type carries the engine's construction and copy rules.
AZARNPawn::AZARNPawn() = default;
AZARNPawn::AZARNPawn(const AZARNPawn& Other) = default;
AZARNPawn& AZARNPawn::operator=(const AZARNPawn& Other) = default;
