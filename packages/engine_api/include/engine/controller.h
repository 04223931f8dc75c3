// AController: the actor that drives a pawn (816 bytes on the 32-bit target).
#pragma once

#include <cstdint>

#include "engine/actor.h"
#include "engine/api.h"

class APawn;

class ENGINE_API AController : public AActor {
 public:
  AController();
  AController(const AController& Other);
  AController& operator=(const AController& Other);
  ~AController() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;

  // The controlled pawn, or null.
  APawn* Pawn;
  uint8_t ReservedC2[316];
};
