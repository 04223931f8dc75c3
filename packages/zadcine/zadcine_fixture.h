// Test fixture: a package host with ZADCine loaded from the built library,
// the script classes of the package declared with recording event handlers,
// and a level to put actors in.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "host/log_recorder.h"
#include "host/package_host.h"
#include "host/script_call.h"
#include "zadcine/cine2.h"
#include "zadcine/cinematics.h"
#include "zadcine/position_info.h"

// What the script handlers of the controller and the pawn saw.
struct ScriptEvents {
  int end_of_move = 0;
  // EndOfMove as handled in the controller's state "Walking".
  int end_of_move_in_state = 0;
  int avoid_obstacle = 0;
  int change_animation = 0;
  std::vector<AActor*> cine_warn;
  std::vector<AActor*> end_of_dial;
  int end_of_seq = 0;
  // Runs inside AvoidObstacle with Target and MoveAccel; may change MoveAccel.
  std::function<void(const FVector& target, FVector& move_accel)> on_avoid_obstacle;
};

class ZADCineTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // A controller of the level, with the steering factors at 1 and no flags.
  ACineController2* NewController(const char* name = nullptr);
  // A pawn of class Cine2 at `location`, driven by `controller` when given.
  ACine2* NewPawn(const FVector& location, ACineController2* controller = nullptr,
                  const char* name = nullptr);
  APositionInfo* NewMarker(const char* name, const FVector& location, float ground_offset);
  // Calls the native Steering of `controller` through its script frame.
  void Steer(ACineController2* controller, const FVector& target, float radius,
             bool no_avoid = false, bool slow_down = false);
  // An exported member of the package, found by its symbol name.
  void* Export(const char* symbol) const;

  engine_host::PackageHost host_;
  ScriptEvents events_;
  ULevel* level_ = nullptr;
};
