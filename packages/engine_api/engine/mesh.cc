#include "engine/mesh.h"

#include <cmath>

#include "core/class_definition.h"
#include "engine/actor.h"

DEFINE_ENGINE_CLASS(UMeshInstance, UObject, "MeshInstance", "Engine")
DEFINE_ENGINE_CLASS(UMesh, UObject, "Mesh", "Engine")
DEFINE_ENGINE_CLASS(USkeletalMesh, UMesh, "SkeletalMesh", "Engine")
DEFINE_ENGINE_CLASS(USkeletalMeshInstance, UMeshInstance, "SkeletalMeshInstance", "Engine")

namespace {
// Frames per second of a sequence played at rate 1.
constexpr float kFramesPerSecond = 30.f;
}  // namespace

UMeshInstance::UMeshInstance() { Owner = nullptr; }

UMeshInstance::~UMeshInstance() { ConditionalDestroy(); }

void UMeshInstance::Tick(float) {}

void UMeshInstance::Destroy() {
  if (Owner && Owner->MeshInstance == this) Owner->MeshInstance = nullptr;
  Owner = nullptr;
  UObject::Destroy();
}

UMesh::UMesh() = default;

UMeshInstance* UMesh::MeshGetInstance(AActor* Owner) {
  if (!Owner) return nullptr;
  if (Owner->MeshInstance) return Owner->MeshInstance;
  auto* Instance =
      static_cast<UMeshInstance*>(StaticConstructObject(InstanceClass(), Owner, NAME_None));
  Instance->Owner = Owner;
  Owner->MeshInstance = Instance;
  return Instance;
}

UClass* UMesh::InstanceClass() { return UMeshInstance::StaticClass(); }

USkeletalMesh::USkeletalMesh() = default;

USkeletalMesh::~USkeletalMesh() { ConditionalDestroy(); }

void USkeletalMesh::AddSequence(FName Sequence, float NumFrames) {
  Sequences.AddItem(FSequence{Sequence, NumFrames});
}

float USkeletalMesh::GetSequenceLength(FName Sequence) const {
  for (const FSequence& Known : Sequences) {
    if (Known.Name == Sequence) return Known.NumFrames;
  }
  return 0.f;
}

UClass* USkeletalMesh::InstanceClass() { return USkeletalMeshInstance::StaticClass(); }

USkeletalMeshInstance::USkeletalMeshInstance() = default;

const USkeletalMeshInstance::FChannel* USkeletalMeshInstance::Find(int32_t Channel) const {
  return Channel >= 0 && Channel < kMaxAnimChannels ? &Channels[Channel] : nullptr;
}

bool USkeletalMeshInstance::PlayAnim(int32_t Channel, FName Sequence, float Rate, float TweenTime,
                                     int32_t Loop) {
  if (!Find(Channel)) return false;
  FChannel& Played = Channels[Channel];
  Played.Sequence = Sequence;
  Played.Rate = Rate;
  Played.Frame = 0.f;
  Played.BlendAlpha = 1.f;
  Played.TweenTime = TweenTime;
  Played.bLoop = Loop != 0;
  return true;
}

void USkeletalMeshInstance::EnableChannelNotify(int32_t Channel, int32_t Switch) {
  if (Find(Channel)) Channels[Channel].bNotifyEnd = Switch != 0;
}

void USkeletalMeshInstance::SetBlendAlpha(int32_t Channel, float Alpha) {
  if (Find(Channel)) Channels[Channel].BlendAlpha = Alpha;
}

FName USkeletalMeshInstance::GetAnimSequence(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found ? Found->Sequence : FName(NAME_None);
}

float USkeletalMeshInstance::GetAnimFrame(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found ? Found->Frame : 0.f;
}

float USkeletalMeshInstance::GetAnimRate(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found ? Found->Rate : 0.f;
}

float USkeletalMeshInstance::GetBlendAlpha(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found ? Found->BlendAlpha : 0.f;
}

float USkeletalMeshInstance::GetTweenTime(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found ? Found->TweenTime : 0.f;
}

bool USkeletalMeshInstance::IsAnimLooping(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found && Found->bLoop;
}

bool USkeletalMeshInstance::IsChannelNotifyEnabled(int32_t Channel) const {
  const FChannel* Found = Find(Channel);
  return Found && Found->bNotifyEnd;
}

void USkeletalMeshInstance::Tick(float DeltaSeconds) {
  const auto* Mesh = Owner && Owner->Mesh && Owner->Mesh->IsA(USkeletalMesh::StaticClass())
                         ? static_cast<const USkeletalMesh*>(Owner->Mesh)
                         : nullptr;
  for (int32_t Channel = 0; Channel < kMaxAnimChannels; Channel++) {
    FChannel& Playing = Channels[Channel];
    if (Playing.Sequence == NAME_None || Playing.Rate <= 0.f) continue;
    const float Length = Mesh ? Mesh->GetSequenceLength(Playing.Sequence) : 0.f;
    Playing.Frame += Playing.Rate * DeltaSeconds * kFramesPerSecond;
    if (Length <= 0.f || Playing.Frame < Length) continue;
    if (Playing.bLoop) {
      Playing.Frame = std::fmod(Playing.Frame, Length);
    } else {
      Playing.Frame = Length;
      Playing.Rate = 0.f;
      if (Playing.bNotifyEnd) Owner->eventAnimEnd(Channel);
    }
  }
}
