#include "engine/pawn.h"

#include <algorithm>

#include "core/class_definition.h"
#include "engine/engine_names.h"
#include "engine/mesh.h"

DEFINE_ENGINE_CLASS(APawn, AActor, "Pawn", "Engine")

APawn::APawn() {}  // NOLINT: fields keep what the allocation wrote
APawn::APawn(const APawn& Other) = default;
APawn& APawn::operator=(const APawn& Other) = default;
APawn::~APawn() { ConditionalDestroy(); }
int32_t APawn::MyStaticSize() { return sizeof(APawn); }

void APawn::ZeroMovementAlpha(int32_t First, int32_t Last, float Step) {
  if (!MeshInstance || !MeshInstance->IsA(USkeletalMeshInstance::StaticClass())) return;
  auto* Instance = static_cast<USkeletalMeshInstance*>(MeshInstance);
  for (int32_t Channel = First; Channel <= Last; Channel++) {
    Instance->SetBlendAlpha(Channel, std::max(0.f, Instance->GetBlendAlpha(Channel) - Step));
  }
}

void APawn::eventChangeAnimation() {
  ProcessEvent(FindFunctionChecked(EngineEventName("ChangeAnimation")), nullptr);
}
