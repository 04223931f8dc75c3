// ATriggers: the engine's base of trigger actors (496 bytes on the 32-bit
// target).
#pragma once

#include <cstdint>

#include "engine/actor.h"
#include "engine/api.h"

class ENGINE_API ATriggers : public AActor {
 public:
  ATriggers();
  ATriggers(const ATriggers& Other);
  ATriggers& operator=(const ATriggers& Other);
  ~ATriggers() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;
};
