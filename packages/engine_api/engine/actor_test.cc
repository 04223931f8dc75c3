#include "engine/actor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "host/package_host.h"
#include "zadpawn/zadpawn.h"

namespace {

using engine_host::ScriptClass;

class ActorTest : public ::testing::Test {
 protected:
  template <typename T>
  T* Spawn(const char* Name, UClass* Class = T::StaticClass()) {
    return static_cast<T*>(Level->SpawnActor(Class, FName(Name, FNAME_Add), FVector()));
  }

  engine_host::PackageHost host;
  ULevel* Level = static_cast<ULevel*>(host.Create(ULevel::StaticClass()));
};

TEST_F(ActorTest, ProjectorDetachesAndAttachesAtTheCurrentDrawScale) {
  auto* Projector = Spawn<AProjector>("Projector1");
  Projector->DrawScale = 0.25f;
  Projector->Attach();
  EXPECT_TRUE(Projector->bProjected);
  EXPECT_EQ(Projector->ProjectedScale, 0.25f);
  Projector->Detach(1);
  EXPECT_FALSE(Projector->bProjected);
  EXPECT_EQ(Projector->ProjectedScale, 0.f);
  Projector->Detach(0);
  EXPECT_EQ(Projector->DetachCount, 1) << "nothing to detach without force";
  Projector->Detach(1);
  EXPECT_EQ(Projector->DetachCount, 2);
  Projector->DrawScale = 0.5f;
  Projector->Attach();
  EXPECT_EQ(Projector->ProjectedScale, 0.5f);
  EXPECT_EQ(Projector->AttachCount, 2);
}

TEST_F(ActorTest, PostBeginPlayRaisesTheScriptEventOfTheClass) {
  std::vector<std::string> Ran;
  ASSERT_TRUE(host.Declare(ScriptClass("Greeter", "Info")
                               .ScriptOnly()
                               .Event("PostBeginPlay",
                                      [&Ran](UObject* Self, void*, void*) {
                                        Ran.push_back(Self->GetName());
                                        static_cast<AActor*>(Self)->Level->MapKey = 26;
                                      }))
                  .ok());
  auto* Actor = Spawn<AActor>("Greeter1", host.FindClass("Greeter"));
  EXPECT_EQ(Ran, std::vector<std::string>{"Greeter1"});
  EXPECT_EQ(Actor->Level->MapKey, 26);
  Spawn<AInfo>("Silent1");  // no script event: nothing to raise
  EXPECT_EQ(Ran.size(), 1u);
}

TEST_F(ActorTest, ChangeAnimationRunsTheEnginesEmptyEventUnlessTheScriptReplacesIt) {
  auto* Plain = Spawn<APawn>("Plain1");
  EXPECT_NO_THROW(Plain->eventChangeAnimation());
  int Changes = 0;
  ASSERT_TRUE(
      host.Declare(ScriptClass("Dancer", "Pawn")
                       .ScriptOnly()
                       .Event("ChangeAnimation", [&Changes](UObject*, void*, void*) { Changes++; }))
          .ok());
  Spawn<APawn>("Dancer1", host.FindClass("Dancer"))->eventChangeAnimation();
  EXPECT_EQ(Changes, 1);
}

class AnimationTest : public ActorTest {
 protected:
  void SetUp() override {
    Mesh = static_cast<USkeletalMesh*>(host.Create(USkeletalMesh::StaticClass()));
    Mesh->AddSequence(Turn, 10.f);
    Soldier = Spawn<ABaseSoldier>("Soldier1");
    Soldier->Mesh = Mesh;
  }
  USkeletalMeshInstance* Instance() {
    return static_cast<USkeletalMeshInstance*>(Soldier->MeshInstance);
  }

  FName Turn{"TurnRight", FNAME_Add};
  USkeletalMesh* Mesh = nullptr;
  ABaseSoldier* Soldier = nullptr;
};

TEST_F(AnimationTest, TheMeshMakesTheActorsInstanceOnce) {
  EXPECT_EQ(Soldier->MeshInstance, nullptr);
  UMeshInstance* Made = Mesh->MeshGetInstance(Soldier);
  ASSERT_NE(Made, nullptr);
  EXPECT_EQ(Soldier->MeshInstance, Made);
  EXPECT_TRUE(Made->IsA(USkeletalMeshInstance::StaticClass()));
  EXPECT_EQ(Mesh->MeshGetInstance(Soldier), Made);

  auto* Plain = static_cast<UMesh*>(host.Create(UMesh::StaticClass()));
  auto* Statue = Spawn<AActor>("Statue1", AInfo::StaticClass());
  Statue->Mesh = Plain;
  Statue->PlayAnim(2, Turn, 1.f, 0.1f, 1);
  ASSERT_NE(Statue->MeshInstance, nullptr);
  EXPECT_FALSE(Statue->MeshInstance->IsA(USkeletalMeshInstance::StaticClass()));
}

TEST_F(AnimationTest, ChannelsPlayFadeAndReportTheirState) {
  Soldier->PlayAnim(2, Turn, 0.5f, 0.1f, 1);
  USkeletalMeshInstance* Channels = Instance();
  ASSERT_NE(Channels, nullptr);
  EXPECT_EQ(Channels->GetAnimSequence(2), Turn);
  EXPECT_EQ(Channels->GetAnimRate(2), 0.5f);
  EXPECT_EQ(Channels->GetTweenTime(2), 0.1f);
  EXPECT_TRUE(Channels->IsAnimLooping(2));
  EXPECT_EQ(Channels->GetBlendAlpha(2), 1.f);
  EXPECT_EQ(Channels->GetAnimSequence(3), FName(NAME_None));
  Level->Tick(0.2f);
  EXPECT_FLOAT_EQ(Channels->GetAnimFrame(2), 3.f) << "rate 0.5 at 30 frames a second";
  Level->Tick(0.6f);
  EXPECT_FLOAT_EQ(Channels->GetAnimFrame(2), 2.f) << "a looping sequence wraps";

  Soldier->ZeroMovementAlpha(2, 3, 0.4f);
  EXPECT_FLOAT_EQ(Channels->GetBlendAlpha(2), 0.6f);
  EXPECT_EQ(Channels->GetBlendAlpha(3), 0.f) << "never below zero";
  Channels->SetBlendAlpha(4, 0.7f);
  EXPECT_FLOAT_EQ(Channels->GetBlendAlpha(4), 0.7f);
  EXPECT_FALSE(Channels->PlayAnim(kMaxAnimChannels, Turn, 1.f, 0.f, 0));
  EXPECT_EQ(Channels->GetAnimSequence(-1), FName(NAME_None));
}

TEST_F(AnimationTest, ANotifyingChannelRaisesAnimEndWhenItsSequenceEnds) {
  std::vector<int32_t> Ended;
  ASSERT_TRUE(host.Declare(ScriptClass("BaseSoldier", "Pawn")
                               .Event("AnimEnd",
                                      [&Ended](UObject*, void* Parms, void*) {
                                        Ended.push_back(*static_cast<int32_t*>(Parms));
                                      }))
                  .ok());
  Soldier->PlayAnim(4, Turn, 1.f, 0.f, 0);
  Soldier->PlayAnim(5, Turn, 1.f, 0.f, 0);
  Instance()->EnableChannelNotify(4, 1);
  EXPECT_TRUE(Instance()->IsChannelNotifyEnabled(4));
  EXPECT_FALSE(Instance()->IsChannelNotifyEnabled(5));
  Level->Tick(0.2f);
  EXPECT_TRUE(Ended.empty());
  Level->Tick(0.2f);
  EXPECT_EQ(Ended, std::vector<int32_t>{4}) << "channel 5 ended without notification";
  EXPECT_EQ(Instance()->GetAnimFrame(4), 10.f);
  Level->Tick(0.2f);
  EXPECT_EQ(Ended.size(), 1u) << "an ended sequence stays ended";
}

TEST_F(AnimationTest, ACopiedActorDoesNotShareTheAnimationInstance) {
  Soldier->PlayAnim(2, Turn, 1.f, 0.f, 1);
  Soldier->DrawScale = 2.f;
  Soldier->TurnAnim = Turn;
  auto* Copy = static_cast<ABaseSoldier*>(UObject::StaticAllocateObject(
      ABaseSoldier::StaticClass(), nullptr, FName("SoldierCopy", FNAME_Add), 0, nullptr, GError,
      nullptr, nullptr));
  new (static_cast<EInternal*>(static_cast<void*>(Copy))) ABaseSoldier(*Soldier);
  EXPECT_STREQ(Copy->GetName(), "SoldierCopy");
  EXPECT_EQ(Copy->DrawScale, 2.f);
  EXPECT_EQ(Copy->TurnAnim, Turn);
  EXPECT_EQ(Copy->MeshInstance, nullptr);
  delete Copy;
  ASSERT_NE(Instance(), nullptr);
  EXPECT_EQ(Instance()->GetAnimSequence(2), Turn) << "the original keeps its instance";
}

}  // namespace
