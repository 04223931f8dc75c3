#include "engine/level.h"

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "host/package_host.h"

namespace {

class LevelTest : public ::testing::Test {
 protected:
  engine_host::PackageHost host;
  ULevel* Level = static_cast<ULevel*>(host.Create(ULevel::StaticClass()));
};

TEST_F(LevelTest, LineCheckFindsTheFirstSurfaceAlongTheSegment) {
  Level->AddBlockingBox(FVector(-1000, -1000, -100), FVector(1000, 1000, 0));     // floor
  Level->AddBlockingBox(FVector(-1000, -1000, -300), FVector(1000, 1000, -200));  // below it
  FCheckResult Hit;
  const FVector Start(10, 20, 250);
  EXPECT_TRUE(Level->SingleLineCheck(Hit, nullptr, Start, Start - FVector(0, 0, 1000), TRACE_World,
                                     FVector(), 0));
  EXPECT_EQ(Hit.Location, FVector(10, 20, 0));
  EXPECT_EQ(Hit.Normal, FVector(0, 0, 1));
  EXPECT_FLOAT_EQ(Hit.Time, 0.25f);
  EXPECT_EQ(Hit.Actor, Level->GetLevelInfo());
}

TEST_F(LevelTest, LineCheckThatHitsNothingLeavesTheRecordInItsInitialState) {
  Level->AddBlockingBox(FVector(-10, -10, -10), FVector(10, 10, 0));
  struct Case {
    const char* What;
    FVector Start, End;
    uint32_t Flags;
  } Cases[] = {
      {"too short", FVector(0, 0, 500), FVector(0, 0, 100), TRACE_World},
      {"beside", FVector(50, 0, 100), FVector(50, 0, -100), TRACE_World},
      {"not tracing the world", FVector(0, 0, 100), FVector(0, 0, -100), 0x01},
      {"starting inside", FVector(0, 0, -5), FVector(0, 0, -100), TRACE_World},
  };
  for (const Case& C : Cases) {
    FCheckResult Hit;
    EXPECT_FALSE(Level->SingleLineCheck(Hit, nullptr, C.Start, C.End, C.Flags, FVector(), 0))
        << C.What;
    EXPECT_EQ(Hit.Actor, nullptr);
    EXPECT_EQ(Hit.Location, FVector(0, 0, 0));
    EXPECT_EQ(Hit.Normal, FVector(0, 0, 0));
    EXPECT_EQ(Hit.Primitive, nullptr);
    EXPECT_EQ(Hit.Time, 1.0f);
    EXPECT_EQ(Hit.Item, -1);
    EXPECT_EQ(Hit.Material, nullptr);
  }
}

TEST_F(LevelTest, SpawnedActorsKnowTheirLevelAndItsInformation) {
  AActor* Actor = Level->SpawnActor(AInfo::StaticClass(), FName("Spawned1", FNAME_Add),
                                    FVector(1, 2, 3), FRotator(0, 100, 0));
  ASSERT_NE(Actor, nullptr);
  EXPECT_EQ(Actor->GetLevel(), Level);
  EXPECT_EQ(Actor->Level, Level->GetLevelInfo());
  EXPECT_EQ(Actor->Location, FVector(1, 2, 3));
  EXPECT_EQ(Actor->Rotation.Yaw, 100);
  EXPECT_TRUE(Actor->bBegunPlay);
  EXPECT_TRUE(Level->Contains(Actor));
  EXPECT_EQ(Level->SpawnActor(ULevel::StaticClass(), NAME_None, FVector()), nullptr)
      << "only actors are spawned";
  Level->DestroyActor(Actor);
  EXPECT_FALSE(Level->Contains(Actor));
}

TEST_F(LevelTest, ASteeredPawnWalksAtItsGroundSpeedAndStopsAtAWall) {
  Level->AddBlockingBox(FVector(500, -100, -100), FVector(600, 100, 100));  // a wall ahead
  auto* Pawn = static_cast<APawn*>(
      Level->SpawnActor(APawn::StaticClass(), FName("Walker1", FNAME_Add), FVector(0, 0, 0)));
  Pawn->GroundSpeed = 200.f;
  Pawn->Acceleration = FVector(1000, 0, 0);
  Level->Tick(0.1f);
  EXPECT_FLOAT_EQ(Pawn->Velocity.X, 100.f) << "accelerating";
  EXPECT_FLOAT_EQ(Pawn->Location.X, 10.f);
  for (int Step = 0; Step < 10; Step++) Level->Tick(0.1f);
  EXPECT_FLOAT_EQ(Pawn->Velocity.Size(), 200.f) << "held at the ground speed";
  for (int Step = 0; Step < 30; Step++) Level->Tick(0.1f);
  EXPECT_LT(Pawn->Location.X, 500.f) << "the wall stops it";
  EXPECT_GT(Pawn->Location.X, 499.f);
  Pawn->Acceleration = FVector(-1000, 0, 0);
  Level->Tick(0.1f);
  EXPECT_LT(Pawn->Location.X, 499.f) << "and it can walk away";
  Pawn->Acceleration = FVector();
  const FVector Stopped = Pawn->Location;
  Level->Tick(0.1f);
  EXPECT_EQ(Pawn->Location, Stopped) << "no acceleration, no walking";
}

}  // namespace
