// Steering, the arrival test and the obstacle-avoidance hook of the cinematic
// controller, run from the built library through script frames.
#include <cmath>
#include <functional>
#include <string>

#include "zadcine_fixture.h"

namespace {

class SteeringTest : public ZADCineTest {
 protected:
  void SetUp() override {
    ZADCineTest::SetUp();
    controller_ = NewController();
    pawn_ = NewPawn(FVector(), controller_);
    controller_->MoveDirection = FVector(1.f, 0.f, 0.f);
  }

  ACineController2* controller_ = nullptr;
  ACine2* pawn_ = nullptr;
};

TEST_F(SteeringTest, IsTargetReachedWhenPassedOrWithinRadius) {
  struct Case {
    const char* what;
    FVector target;
    float radius;
    FVector direction;
    int32_t expected;
  };
  const Case cases[] = {
      {"behind, far", FVector(-5000.f, 0.f, 0.f), 1.f, FVector(1.f, 0.f, 0.f), 1},
      {"beside", FVector(0.f, 50.f, 0.f), 1.f, FVector(1.f, 0.f, 0.f), 1},
      {"ahead, outside", FVector(50.f, 0.f, 0.f), 10.f, FVector(1.f, 0.f, 0.f), 0},
      {"ahead, inside", FVector(5.f, 0.f, 0.f), 10.f, FVector(1.f, 0.f, 0.f), 1},
      {"ahead, on the radius", FVector(10.f, 0.f, 0.f), 10.f, FVector(1.f, 0.f, 0.f), 0},
      {"on the point, radius 0", FVector(0.f, 0.f, 0.f), 0.f, FVector(1.f, 0.f, 0.f), 0},
      {"on the point, radius 1", FVector(0.f, 0.f, 0.f), 1.f, FVector(1.f, 0.f, 0.f), 1},
      {"on the point, radius -1", FVector(0.f, 0.f, 0.f), -1.f, FVector(1.f, 0.f, 0.f), 1},
      {"height ignored", FVector(5.f, 0.f, 5000.f), 10.f, FVector(1.f, 0.f, 0.f), 1},
      {"height of direction ignored", FVector(50.f, 0.f, 0.f), 1.f, FVector(1.f, 0.f, -900.f), 0},
      {"up the height, not ahead", FVector(0.f, 0.f, 50.f), 0.f, FVector(0.f, 0.f, 1.f), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(controller_->IsTargetReached(c.target, c.radius, c.direction), c.expected) << c.what;
  }
}

TEST_F(SteeringTest, SpeedFollowsCruiseAndSlowsDownOnTheApproach) {
  struct Case {
    float move_speed, speed_scale, distance;
    bool slow_down;
    float expected;
  };
  const Case cases[] = {
      {300.f, 1.f, 100.f, true, std::sqrt(30000.f)},
      {2.f, 150.f, 100.f, true, std::sqrt(30000.f)},
      {300.f, 1.f, 10.f, true, 100.f},
      {300.f, 1.f, 300.f, true, 300.f},
      {300.f, 1.f, 400.f, true, 300.f},
      {300.f, 1.f, 10.f, false, 300.f},
      {0.f, 5.f, 100.f, true, 0.f},
  };
  for (const Case& c : cases) {
    controller_->MoveSpeed = c.move_speed;
    controller_->SpeedScale = c.speed_scale;
    Steer(controller_, FVector(c.distance, 0.f, 0.f), 1.f, true, c.slow_down);
    EXPECT_FLOAT_EQ(pawn_->GroundSpeed, c.expected) << c.distance << " left";
    EXPECT_EQ(pawn_->AirSpeed, pawn_->GroundSpeed);
  }
}

TEST_F(SteeringTest, SlowDownMeasuresHeightUnlessFlat) {
  controller_->MoveSpeed = 300.f;
  Steer(controller_, FVector(60.f, 80.f, 0.f), 1.f, true, true);
  EXPECT_FLOAT_EQ(pawn_->GroundSpeed, 173.20508f);
  Steer(controller_, FVector(60.f, 80.f, 1000.f), 1.f, true, true);
  EXPECT_FLOAT_EQ(pawn_->GroundSpeed, 300.f);
  controller_->CtrlFlags.Bits = ACineController2::kFlatMove;
  Steer(controller_, FVector(60.f, 80.f, 1000.f), 1.f, true, true);
  EXPECT_FLOAT_EQ(pawn_->GroundSpeed, 173.20508f);
}

TEST_F(SteeringTest, AccelerationPointsAtTheTarget) {
  struct Case {
    const char* what;
    FVector target;
    float radius;
    uint32_t flags;
    FVector expected;
  };
  const Case cases[] = {
      {"level", FVector(30.f, 40.f, 0.f), 1.f, 0, FVector(240.f, 320.f, 0.f)},
      {"climbing", FVector(0.f, 30.f, 40.f), 0.f, 0, FVector(0.f, 240.f, 320.f)},
      {"climbing, flat", FVector(30.f, 40.f, 77.f), 1.f, ACineController2::kFlatMove,
       FVector(240.f, 320.f, 0.f)},
      {"on the point", FVector(0.f, 0.f, 0.f), 0.f, 0, FVector(0.f, 0.f, 0.f)},
      {"under the point", FVector(0.f, 0.f, 10.f), 0.f, 0, FVector(0.f, 0.f, 400.f)},
      {"under the point, flat", FVector(0.f, 0.f, 10.f), 0.f, ACineController2::kFlatMove,
       FVector(0.f, 0.f, 0.f)},
  };
  controller_->AccelScale = 2.f;
  controller_->MoveDirection = FVector(0.f, 1.f, 0.f);
  for (const Case& c : cases) {
    controller_->CtrlFlags.Bits = c.flags;
    pawn_->Acceleration = FVector(-1.f, -1.f, -1.f);
    Steer(controller_, c.target, c.radius, true, false);
    EXPECT_NEAR(pawn_->Acceleration.X, c.expected.X, 0.05f) << c.what;
    EXPECT_NEAR(pawn_->Acceleration.Y, c.expected.Y, 0.05f) << c.what;
    EXPECT_NEAR(pawn_->Acceleration.Z, c.expected.Z, 0.05f) << c.what;
  }
  EXPECT_EQ(events_.avoid_obstacle, 0);
  EXPECT_EQ(events_.end_of_move, 0);
}

// The second argument may be of any 32-bit script type. An object reference
// is as wide as a pointer: on 64-bit builds the frame writes 8 bytes, which
// the sanitizer build reports when the native keeps less room.
TEST_F(SteeringTest, TheIgnoredArgumentMayBeOfAnyThirtyTwoBitScriptType) {
  using engine_host::ScriptCall;
  struct Case {
    const char* what;
    std::function<void(ScriptCall&)> add;
  };
  const Case cases[] = {
      {"int", [](ScriptCall& call) { call.Int(-1); }},
      {"float", [](ScriptCall& call) { call.Float(2.5f); }},
      {"bool", [](ScriptCall& call) { call.Bool(true); }},
      {"name", [](ScriptCall& call) { call.Name(FName("Steering", FNAME_Find)); }},
      {"object", [this](ScriptCall& call) { call.Object(pawn_); }},
      {"object variable", [this](ScriptCall& call) { call.LocalObject(pawn_); }},
  };
  for (const Case& c : cases) {
    pawn_->Acceleration = FVector();
    ScriptCall call;
    call.Vector(FVector(30.f, 40.f, 0.f));
    c.add(call);
    call.Float(1.f).Bool(true).Bool(false);
    call.Call(controller_, "Steering");
    EXPECT_NEAR(pawn_->Acceleration.X, 120.f, 0.05f) << c.what;
    EXPECT_NEAR(pawn_->Acceleration.Y, 160.f, 0.05f) << c.what;
  }
}

TEST_F(SteeringTest, AvoidObstacleMayBendTheAcceleration) {
  FVector seen_target, seen_accel;
  events_.on_avoid_obstacle = [&](const FVector& target, FVector& move_accel) {
    seen_target = target;
    seen_accel = move_accel;
    move_accel = FVector(0.f, 0.f, 5.f);
  };
  Steer(controller_, FVector(30.f, 40.f, 0.f), 1.f);
  EXPECT_EQ(events_.avoid_obstacle, 1);
  EXPECT_EQ(seen_target, FVector(30.f, 40.f, 0.f));
  EXPECT_NEAR(seen_accel.X, 120.f, 0.05f);
  EXPECT_NEAR(seen_accel.Y, 160.f, 0.05f);
  EXPECT_EQ(pawn_->Acceleration, FVector(0.f, 0.f, 5.f));

  // A handler that leaves MoveAccel alone keeps the straight line.
  events_.on_avoid_obstacle = nullptr;
  Steer(controller_, FVector(30.f, 40.f, 0.f), 1.f);
  EXPECT_EQ(events_.avoid_obstacle, 2);
  EXPECT_NEAR(pawn_->Acceleration.X, 120.f, 0.05f);
  EXPECT_NEAR(pawn_->Acceleration.Y, 160.f, 0.05f);
}

TEST_F(SteeringTest, ChangeAnimationUnlessKeepAnimation) {
  Steer(controller_, FVector(100.f, 0.f, 0.f), 1.f, true);
  EXPECT_EQ(events_.change_animation, 1);
  controller_->CtrlFlags.Bits = ACineController2::kKeepAnimation;
  Steer(controller_, FVector(100.f, 0.f, 0.f), 1.f, true);
  EXPECT_EQ(events_.change_animation, 1);
}

TEST_F(SteeringTest, ArrivalRaisesEndOfMoveOnlyAndChangesNothing) {
  controller_->MoveSpeed = 300.f;
  Steer(controller_, FVector(100.f, 0.f, 0.f), 1.f, false, true);
  const FVector acceleration = pawn_->Acceleration;
  const float speed = pawn_->GroundSpeed;
  events_ = {};
  Steer(controller_, FVector(-100.f, 0.f, 0.f), 1.f, false, true);
  EXPECT_EQ(events_.end_of_move, 1);
  EXPECT_EQ(events_.avoid_obstacle, 0);
  EXPECT_EQ(events_.change_animation, 0);
  EXPECT_EQ(pawn_->Acceleration, acceleration);
  EXPECT_EQ(pawn_->GroundSpeed, speed);
  EXPECT_EQ(pawn_->AirSpeed, speed);
}

TEST_F(SteeringTest, SteeringWithoutPawnFailsTheAssertion) {
  controller_->Pawn = nullptr;
  try {
    Steer(controller_, FVector(100.f, 0.f, 0.f), 1.f);
    FAIL() << "no assertion";
  } catch (const FEngineError& error) {
    EXPECT_NE(std::string(error.what()).find("Pawn"), std::string::npos) << error.what();
  }
  EXPECT_EQ(events_.end_of_move + events_.avoid_obstacle, 0);
}

}  // namespace
