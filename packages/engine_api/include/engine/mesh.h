// Meshes and their per-actor instances. A mesh creates an actor's instance
// (MeshGetInstance); a skeletal mesh's instance plays animation sequences on
// numbered channels, each with a rate, a frame, a blend weight, looping and an
// end notification (the owner's AnimEnd event when a non-looping sequence
// reaches its end). Instances belong to the engine and are destroyed with
// their actor.
#pragma once

#include <cstdint>

#include "core/core.h"
#include "engine/api.h"

class AActor;

class ENGINE_API UMeshInstance : public UObject {
 public:
  UMeshInstance();
  ~UMeshInstance() override;
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  // Advances the instance by DeltaSeconds; a plain instance has nothing to do.
  virtual void Tick(float DeltaSeconds);
  // Leaves its owner without an instance.
  void Destroy() override;

  AActor* Owner;
};

class ENGINE_API UMesh : public UObject {
 public:
  UMesh();
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  // The actor's instance of this mesh: creates it and stores it in
  // Owner->MeshInstance when the actor has none, otherwise returns the one it
  // has. A plain mesh makes a plain (not skeletal) instance.
  virtual UMeshInstance* MeshGetInstance(AActor* Owner);

 protected:
  virtual UClass* InstanceClass();
};

class ENGINE_API USkeletalMesh : public UMesh {
 public:
  USkeletalMesh();
  ~USkeletalMesh() override;
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);

  // Makes Sequence known, NumFrames frames long.
  void AddSequence(FName Sequence, float NumFrames);
  // Frames of a known sequence; 0 for an unknown one.
  float GetSequenceLength(FName Sequence) const;

 protected:
  UClass* InstanceClass() override;

 private:
  struct FSequence {
    FName Name;
    float NumFrames;
  };
  TArray<FSequence> Sequences;
};

constexpr int32_t kMaxAnimChannels = 16;

class ENGINE_API USkeletalMeshInstance : public UMeshInstance {
 public:
  USkeletalMeshInstance();
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);

  // Starts Sequence on Channel at frame 0 with full blend weight. Returns
  // false for a channel outside 0..kMaxAnimChannels-1.
  bool PlayAnim(int32_t Channel, FName Sequence, float Rate, float TweenTime, int32_t Loop);
  // Switch != 0 turns the channel's end notification on.
  void EnableChannelNotify(int32_t Channel, int32_t Switch);
  void SetBlendAlpha(int32_t Channel, float Alpha);
  // The sequence playing on the channel (none when idle or out of range).
  FName GetAnimSequence(int32_t Channel) const;
  float GetAnimFrame(int32_t Channel) const;
  float GetAnimRate(int32_t Channel) const;
  float GetBlendAlpha(int32_t Channel) const;
  float GetTweenTime(int32_t Channel) const;
  bool IsAnimLooping(int32_t Channel) const;
  bool IsChannelNotifyEnabled(int32_t Channel) const;
  // Frames advance by Rate x DeltaSeconds x 30 (frames per second at rate 1).
  void Tick(float DeltaSeconds) override;

 private:
  struct FChannel {
    FName Sequence;
    float Rate = 0.f, Frame = 0.f, BlendAlpha = 0.f, TweenTime = 0.f;
    bool bLoop = false, bNotifyEnd = false;
  };
  const FChannel* Find(int32_t Channel) const;
  FChannel Channels[kMaxAnimChannels];
};
