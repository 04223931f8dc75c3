// AProjector: an actor that projects a texture onto the world (888 bytes on
// the 32-bit target). Attach builds the projection at the current draw scale;
// Detach removes it. The fields after the actor's make both observable.
#pragma once

#include <cstdint>

#include "engine/actor.h"
#include "engine/api.h"

class ENGINE_API AProjector : public AActor {
 public:
  AProjector();
  AProjector(const AProjector& Other);
  AProjector& operator=(const AProjector& Other);
  ~AProjector() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;

  // Removes the projection; Force also removes it when it is not attached
  // (the projection then counts as detached anyway).
  virtual void Detach(int32_t Force);
  // Builds the projection at the current DrawScale.
  virtual void Attach();

  uint32_t bProjected : 1;
  // The draw scale of the current projection (0 while detached).
  float ProjectedScale;
  int32_t AttachCount;
  int32_t DetachCount;
  uint8_t ReservedP[376];
};
