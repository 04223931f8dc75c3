#include "engine/actor.h"

#include <cstring>

#include "core/class_definition.h"
#include "engine/engine_names.h"
#include "engine/level.h"
#include "engine/mesh.h"

DEFINE_ENGINE_CLASS(AActor, UObject, "Actor", "Engine")

AActor::AActor() {}  // NOLINT: fields keep what the allocation wrote

AActor::AActor(const AActor& Other) : UObject(Other) {
  CopyActorFields(Other);
  MeshInstance = nullptr;
}

AActor& AActor::operator=(const AActor& Other) {
  UObject::operator=(Other);
  UMeshInstance* OwnInstance = MeshInstance;
  CopyActorFields(Other);
  MeshInstance = OwnInstance;
  return *this;
}

void AActor::CopyActorFields(const AActor& Other) {
  Location = Other.Location;
  Rotation = Other.Rotation;
  Velocity = Other.Velocity;
  XLevel = Other.XLevel;
  Mesh = Other.Mesh;
  bBegunPlay = Other.bBegunPlay;
  std::memcpy(ReservedA, Other.ReservedA, sizeof(ReservedA));
  Level = Other.Level;
  std::memcpy(ReservedB, Other.ReservedB, sizeof(ReservedB));
  DrawScale = Other.DrawScale;
  std::memcpy(ReservedC, Other.ReservedC, sizeof(ReservedC));
}

AActor::~AActor() { ConditionalDestroy(); }

int32_t AActor::MyStaticSize() { return sizeof(AActor); }

void AActor::PostBeginPlay() {
  bBegunPlay = 1;
  if (UFunction* Event = FindFunction(EngineEventName("PostBeginPlay"))) {
    ProcessEvent(Event, nullptr);
  }
}

void AActor::PostEditChange() {
  UObject::PostEditChange();
  if (UFunction* Event = FindFunction(EngineEventName("PostEditChange"))) {
    ProcessEvent(Event, nullptr);
  }
}

void AActor::PlayAnim(int32_t Channel, FName Sequence, float Rate, float TweenTime, int32_t Loop) {
  if (!Mesh) return;
  Mesh->MeshGetInstance(this);
  if (MeshInstance && MeshInstance->IsA(USkeletalMeshInstance::StaticClass())) {
    static_cast<USkeletalMeshInstance*>(MeshInstance)
        ->PlayAnim(Channel, Sequence, Rate, TweenTime, Loop);
  }
}

void AActor::Tick(float DeltaSeconds) {
  if (MeshInstance) MeshInstance->Tick(DeltaSeconds);
}

void AActor::Destroy() {
  if (XLevel) XLevel->RemoveActor(this);
  if (MeshInstance) {
    UMeshInstance* Instance = MeshInstance;
    MeshInstance = nullptr;
    delete Instance;
  }
  UObject::Destroy();
}

void AActor::eventAnimEnd(int32_t Channel) {
  ProcessEvent(FindFunctionChecked(EngineEventName("AnimEnd")), &Channel);
}
