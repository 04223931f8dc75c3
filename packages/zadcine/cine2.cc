#include "zadcine/cine2.h"

#include "core/script_args.h"

namespace {

constexpr int32_t kTurnChannel = 2;
constexpr int32_t kCompanionChannel = 3;
constexpr int32_t kLastTurnChannel = 13;
constexpr int32_t kNotifyChannel = 4;
constexpr int32_t kTurnScale = 30;
constexpr int32_t kTurnThreshold = 1000;
// 1 / 2048: from turn units per call to animation rate.
constexpr float kTurnToRate = 0.00048828125f;
constexpr float kTweenTime = 0.1f;
constexpr float kFadeStep = 0.1f;

}  // namespace

IMPLEMENT_NATIVE_CLASS(ACine2)

// Every own field's type carries the engine's construction and copy rules.
ACine2::ACine2() = default;
ACine2::ACine2(const ACine2& Other) = default;
ACine2& ACine2::operator=(const ACine2& Other) = default;

void ACine2::execOnTheSpotRotation(FFrame& Stack, void* /*Result*/) {
  Guarded("ACine2::execOnTheSpotRotation", [&] {
    FinishParms(Stack);
    // Without a mesh there is nothing to animate.
    if (!Mesh) return;
    Mesh->MeshGetInstance(this);
    if (!MeshInstance || !MeshInstance->IsA(USkeletalMeshInstance::StaticClass())) return;
    auto* Instance = static_cast<USkeletalMeshInstance*>(MeshInstance);

    if (!bTurnChannelsSetUp) {
      bTurnChannelsSetUp = 1;
      PlayAnim(kTurnChannel, TurnAnim, 1.f, kTweenTime, 1);
      PlayAnim(kCompanionChannel, TurnCompanionAnim, 1.f, kTweenTime, 1);
      for (int32_t Channel = kTurnChannel; Channel <= kLastTurnChannel; Channel++) {
        Instance->EnableChannelNotify(Channel, 0);
        Instance->SetBlendAlpha(Channel, 0.f);
      }
      Instance->EnableChannelNotify(kNotifyChannel, 1);
    }

    // The yaw change since the last call, wrapped into -32768..32767 (in
    // unsigned arithmetic, which cannot overflow).
    const uint32_t Raw = static_cast<uint32_t>(Rotation.Yaw) - static_cast<uint32_t>(LastYaw);
    const int32_t YawDelta = static_cast<int32_t>((Raw - 32768u) & 0xFFFFu) - 32768;
    const int32_t Turn = YawDelta * kTurnScale;
    if (Turn > kTurnThreshold) {
      if (Instance->GetAnimSequence(kTurnChannel) != TurnAnim) {
        const float Rate = static_cast<float>(Turn) * kTurnToRate;
        GLog->Logf("TURN RIGHT %s %f %s %f", GetName(), static_cast<double>(Rate), *TurnAnim,
                   static_cast<double>(Instance->GetAnimFrame(kTurnChannel)));
        PlayAnim(kTurnChannel, TurnAnim, Rate, kTweenTime, 1);
      }
    } else {
      ZeroMovementAlpha(kTurnChannel, kCompanionChannel, kFadeStep);
    }
    LastYaw = Rotation.Yaw;
  });
}

void ACine2::PostEditChange() {
  Guarded("ACine2::PostEditChange", [&] {
    ABaseSoldier::PostEditChange();
    GLog->Logf("ACine2::PostEditChange()");
  });
}
