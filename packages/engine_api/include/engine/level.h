// ULevel: a world of simple geometry (axis-aligned blocking boxes) and the
// actors in it. The level owns its actors: they are spawned into it and
// destroyed with it. Tick moves the pawns and advances animations.
#pragma once

#include <cstdint>

#include "core/core.h"
#include "engine/api.h"

class AActor;
class ALevelInfo;
class UMaterial;
class UPrimitive;

// Trace flags of a line check. TRACE_World is what packages pass to trace
// against the world geometry.
enum ETraceFlags : uint32_t {
  TRACE_Movers = 0x02,
  TRACE_Level = 0x04,
  TRACE_LevelGeometry = 0x80,
  TRACE_World = TRACE_Movers | TRACE_Level | TRACE_LevelGeometry
};

// The result of a line check. A new record is in the initial state: no actor,
// location and normal (0, 0, 0), no primitive, time 1.0, item -1, no material.
struct FCheckResult {
  FCheckResult() = default;
  AActor* Actor = nullptr;
  FVector Location{};
  FVector Normal{};
  UPrimitive* Primitive = nullptr;
  // Fraction of the segment at the hit (1.0: nothing hit).
  float Time = 1.0f;
  int32_t Item = -1;
  UMaterial* Material = nullptr;
};

class ENGINE_API ULevel : public UObject {
 public:
  ULevel();
  ~ULevel() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);

  // Finds the first hit of the segment Start-End against the level geometry
  // (when TraceFlags has TRACE_Level or TRACE_LevelGeometry) and fills Hit
  // with it. Returns true when something was hit; Hit is left as it was
  // otherwise. Extent and Options are accepted for the engine's signature;
  // this engine traces zero-extent lines only (a non-zero Extent is traced as
  // a line).
  virtual bool SingleLineCheck(FCheckResult& Hit, AActor* SourceActor, const FVector& Start,
                               const FVector& End, uint32_t TraceFlags, const FVector& Extent,
                               int32_t Options);

  // Adds a solid box of world geometry.
  void AddBlockingBox(const FVector& Min, const FVector& Max);
  // Creates an actor of ActorClass (a subclass of AActor) in this level at the
  // given place, then runs its PostBeginPlay. Returns null when ActorClass is not
  // an actor class.
  AActor* SpawnActor(UClass* ActorClass, FName ActorName, const FVector& Location,
                     const FRotator& Rotation = FRotator());
  // Removes and deletes an actor of this level.
  void DestroyActor(AActor* Actor);
  // One step of the world: pawns accelerate, walk and stop at geometry;
  // every actor ticks; animations advance.
  void Tick(float DeltaSeconds);

  ALevelInfo* GetLevelInfo() const { return LevelInfo; }
  bool Contains(const AActor* Actor) const;
  const TArray<AActor*>& GetActors() const { return Actors; }
  // Called by an actor's destroy step.
  void RemoveActor(AActor* Actor);
  void Destroy() override;

 private:
  struct FBlockingBox {
    FVector Min, Max;
  };
  TArray<AActor*> Actors;
  TArray<FBlockingBox> Geometry;
  ALevelInfo* LevelInfo;
};
