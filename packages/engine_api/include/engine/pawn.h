// APawn: an actor that walks (1232 bytes on the 32-bit target). The level's
// tick accelerates it by Acceleration up to its maximum ground speed; with no
// acceleration it stops.
#pragma once

#include <cstdint>

#include "engine/actor.h"
#include "engine/api.h"

class AController;

class ENGINE_API APawn : public AActor {
 public:
  APawn();
  APawn(const APawn& Other);
  APawn& operator=(const APawn& Other);
  ~APawn() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;

  // Fades the blend weights of channels First..Last of the skeletal
  // animation instance by Step towards 0 (never below 0).
  void ZeroMovementAlpha(int32_t First, int32_t Last, float Step);
  // Raises the script event ChangeAnimation.
  void eventChangeAnimation();

  AController* Controller;
  FVector Acceleration;
  float GroundSpeed;
  float AirSpeed;
  uint8_t ReservedP[712];
};
