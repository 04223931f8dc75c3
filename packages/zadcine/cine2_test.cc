// Turning on the spot and the editor hook of the cinematic pawn, run from the
// built library.
#include <string>
#include <vector>

#include "zadcine_fixture.h"

namespace {

using engine_host::LogRecorder;

class Cine2Test : public ZADCineTest {
 protected:
  void SetUp() override {
    ZADCineTest::SetUp();
    mesh_ = static_cast<USkeletalMesh*>(host_.Create(USkeletalMesh::StaticClass()));
    for (const char* sequence : {"Turn", "TurnStep", "Idle", "Wave"}) {
      mesh_->AddSequence(FName(sequence, FNAME_Add), 30.f);
    }
  }

  // A pawn with the skeletal mesh, its turn animations named.
  ACine2* NewTurningPawn() {
    ACine2* pawn = NewPawn(FVector());
    pawn->Mesh = mesh_;
    pawn->TurnAnim = FName("Turn", FNAME_Find);
    pawn->TurnCompanionAnim = FName("TurnStep", FNAME_Find);
    return pawn;
  }
  static USkeletalMeshInstance* Instance(ACine2* pawn) {
    return static_cast<USkeletalMeshInstance*>(pawn->MeshInstance);
  }
  static void Rotate(ACine2* pawn) {
    engine_host::ScriptCall call;
    call.Call(pawn, "OnTheSpotRotation");
  }

  USkeletalMesh* mesh_ = nullptr;
};

TEST_F(Cine2Test, FirstCallSetsUpTheTurnChannelsOnce) {
  ACine2* pawn = NewTurningPawn();
  Rotate(pawn);
  ASSERT_NE(pawn->MeshInstance, nullptr);
  USkeletalMeshInstance* instance = Instance(pawn);
  EXPECT_EQ(pawn->bTurnChannelsSetUp, 1u);
  EXPECT_EQ(instance->GetAnimSequence(2), FName("Turn", FNAME_Find));
  EXPECT_EQ(instance->GetAnimSequence(3), FName("TurnStep", FNAME_Find));
  for (int32_t channel : {2, 3}) {
    EXPECT_EQ(instance->GetAnimRate(channel), 1.f);
    EXPECT_EQ(instance->GetTweenTime(channel), 0.1f);
    EXPECT_TRUE(instance->IsAnimLooping(channel));
  }
  for (int32_t channel = 2; channel <= 13; channel++) {
    EXPECT_EQ(instance->GetBlendAlpha(channel), 0.f) << channel;
    EXPECT_EQ(instance->IsChannelNotifyEnabled(channel), channel == 4) << channel;
  }

  // A second call plays nothing on channel 3 and leaves channels 4 to 13.
  instance->PlayAnim(3, FName("Wave", FNAME_Find), 2.f, 0.f, 0);
  instance->SetBlendAlpha(5, 0.7f);
  instance->EnableChannelNotify(5, 1);
  Rotate(pawn);
  EXPECT_EQ(instance->GetAnimSequence(3), FName("Wave", FNAME_Find));
  EXPECT_EQ(instance->GetBlendAlpha(5), 0.7f);
  EXPECT_TRUE(instance->IsChannelNotifyEnabled(5));
  EXPECT_TRUE(instance->IsChannelNotifyEnabled(4));
}

TEST_F(Cine2Test, YawChangesStartTheTurnOrFadeTheChannels) {
  struct Case {
    int32_t last_yaw, yaw;
    bool already_turning;
    float rate;  // 0: the channels fade
  };
  const Case cases[] = {
      {0, 40, false, 0.5859375f},     {0, 40, true, 0.f},
      {1000, 1033, false, 0.f},       {1000, 900, false, 0.f},
      {65000, 200, false, 10.78125f}, {0, -32000, false, 0.f},
      {0, -40000, false, 374.0625f},  {0, 65536 + 40, false, 0.5859375f},
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.last_yaw) + " -> " + std::to_string(c.yaw);
    ACine2* pawn = NewTurningPawn();
    Rotate(pawn);
    USkeletalMeshInstance* instance = Instance(pawn);
    if (!c.already_turning) instance->PlayAnim(2, FName("Idle", FNAME_Find), 1.f, 0.f, 1);
    instance->SetBlendAlpha(2, 0.5f);
    instance->SetBlendAlpha(3, 0.5f);
    pawn->LastYaw = c.last_yaw;
    pawn->Rotation.Yaw = c.yaw;

    LogRecorder log;
    Rotate(pawn);
    EXPECT_EQ(pawn->LastYaw, c.yaw) << what;
    if (c.rate > 0.f) {
      ASSERT_EQ(log.lines.size(), 1u) << what;
      EXPECT_EQ(log.lines[0], "TURN RIGHT " + std::string(pawn->GetName()) + " " +
                                  std::to_string(c.rate) + " Turn 0.000000")
          << what;
      EXPECT_EQ(instance->GetAnimSequence(2), FName("Turn", FNAME_Find)) << what;
      EXPECT_EQ(instance->GetAnimRate(2), c.rate) << what;
      EXPECT_EQ(instance->GetTweenTime(2), 0.1f) << what;
      EXPECT_TRUE(instance->IsAnimLooping(2)) << what;
    } else if (c.already_turning) {
      EXPECT_TRUE(log.lines.empty()) << what;
      EXPECT_EQ(instance->GetAnimRate(2), 1.f) << what;
      EXPECT_EQ(instance->GetBlendAlpha(2), 0.5f) << what;
    } else {
      EXPECT_TRUE(log.lines.empty()) << what;
      EXPECT_FLOAT_EQ(instance->GetBlendAlpha(2), 0.4f) << what;
      EXPECT_FLOAT_EQ(instance->GetBlendAlpha(3), 0.4f) << what;
      EXPECT_EQ(instance->GetAnimSequence(2), FName("Idle", FNAME_Find)) << what;
    }
  }
}

TEST_F(Cine2Test, PawnWithoutSkeletalInstanceIsLeftAlone) {
  UMesh* plain_mesh = static_cast<UMesh*>(host_.Create(UMesh::StaticClass()));
  struct Case {
    const char* what;
    UMesh* mesh;
  };
  const Case cases[] = {{"plain mesh", plain_mesh}, {"no mesh", nullptr}};
  for (const Case& c : cases) {
    ACine2* pawn = NewTurningPawn();
    pawn->Mesh = c.mesh;
    pawn->LastYaw = 100;
    pawn->Rotation.Yaw = 5000;
    LogRecorder log;
    Rotate(pawn);
    EXPECT_EQ(pawn->LastYaw, 100) << c.what;
    EXPECT_EQ(pawn->bTurnChannelsSetUp, 0u) << c.what;
    EXPECT_TRUE(log.lines.empty()) << c.what;
  }
}

TEST_F(Cine2Test, PostEditChangeRunsTheEngineStepThenLogs) {
  ACine2* pawn = NewTurningPawn();
  LogRecorder log;
  pawn->PostEditChange();
  ASSERT_EQ(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[0], "script PostEditChange");
  EXPECT_EQ(log.lines[1], "ACine2::PostEditChange()");
}

}  // namespace
