// AActor: an engine object placed in a level, with a location, a rotation, a
// velocity, a draw scale, a mesh and its animation instance.
//
// Layout: on the 32-bit target every engine actor class has the size of its
// script class (AActor 496 bytes), the draw scale at byte offset 328 and the
// level information reference at byte offset 124; the Reserved blocks stand
// for the engine's script properties that this engine does not use. Other
// targets keep the natural layout of the same fields.
#pragma once

#include <cstdint>

#include "core/core.h"
#include "engine/api.h"

class ALevelInfo;
class ULevel;
class UMesh;
class UMeshInstance;

class ENGINE_API AActor : public UObject {
 public:
  AActor();
  AActor(const AActor& Other);
  AActor& operator=(const AActor& Other);
  ~AActor() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;

  // The engine's step after the actor entered play (overrides call it
  // first): marks the actor as playing and raises the script event
  // PostBeginPlay when the script class has one.
  virtual void PostBeginPlay();
  // Raises the script event PostEditChange when the script class has one.
  void PostEditChange() override;
  // Starts Sequence on the channel of the actor's skeletal animation instance
  // (created from the mesh when missing). Does nothing without a mesh or when
  // the instance is not skeletal.
  virtual void PlayAnim(int32_t Channel, FName Sequence, float Rate, float TweenTime, int32_t Loop);
  // One step of the actor's own update; the level calls it every tick.
  virtual void Tick(float DeltaSeconds);
  // Leaves the level.
  void Destroy() override;

  ULevel* GetLevel() const { return XLevel; }
  // Raises the script event AnimEnd(Channel) (parameter block: the 32-bit
  // channel).
  void eventAnimEnd(int32_t Channel);

  FVector Location;
  FRotator Rotation;
  FVector Velocity;
  ULevel* XLevel;
  UMesh* Mesh;
  // Owned by the actor: a copy of an actor starts without one.
  UMeshInstance* MeshInstance;
  uint32_t bBegunPlay : 1;
  uint8_t ReservedA[44];
  ALevelInfo* Level;
  uint8_t ReservedB[200];
  float DrawScale;
  uint8_t ReservedC[164];

 private:
  void CopyActorFields(const AActor& Other);
};
