#include "zadcine_fixture.h"

namespace {

FName MakeName(const char* name) { return name ? FName(name, FNAME_Add) : FName(NAME_None); }

}  // namespace

void ZADCineTest::SetUp() {
  using engine_host::ScriptClass;
  ScriptEvents* events = &events_;
  ASSERT_TRUE(host_.Declare(ScriptClass("PositionInfo", "Info").Native("AutoPosition")).ok());
  ASSERT_TRUE(
      host_
          .Declare(ScriptClass("Cine2", "BaseSoldier")
                       .Native("OnTheSpotRotation")
                       .Event("ChangeAnimation",
                              [events](UObject*, void*, void*) { ++events->change_animation; })
                       .Event("PostEditChange",
                              [](UObject*, void*, void*) { GLog->Logf("script PostEditChange"); }))
          .ok());
  ASSERT_TRUE(
      host_
          .Declare(
              ScriptClass("CineController2", "Controller")
                  .Native("GetFirstWord")
                  .Native("CharIsNum")
                  .Native("FindAnActor")
                  .Native("Steering")
                  .Event("EndOfMove", [events](UObject*, void*, void*) { ++events->end_of_move; })
                  .StateFunction(
                      "Walking", "EndOfMove",
                      [events](UObject*, void*, void*) { ++events->end_of_move_in_state; })
                  .Event("EndOfSeq", [events](UObject*, void*, void*) { ++events->end_of_seq; })
                  .Event("AvoidObstacle",
                         [events](UObject*, void* parms, void*) {
                           ++events->avoid_obstacle;
                           auto* vectors = static_cast<FVector*>(parms);
                           if (events->on_avoid_obstacle) {
                             events->on_avoid_obstacle(vectors[0], vectors[1]);
                           }
                         })
                  .Event("CineWarn",
                         [events](UObject*, void* parms, void*) {
                           events->cine_warn.push_back(*static_cast<AActor**>(parms));
                         })
                  .Event("EndOfDial",
                         [events](UObject*, void* parms, void*) {
                           events->end_of_dial.push_back(*static_cast<AActor**>(parms));
                         }))
          .ok());
  const platform::Status loaded = host_.Load(ZADCINE_LIBRARY_PATH, {"Core", "Engine", "ZADPawn"});
  ASSERT_TRUE(loaded.ok()) << loaded.message();
  level_ = static_cast<ULevel*>(host_.Create(ULevel::StaticClass()));
  ASSERT_NE(level_, nullptr);
}

ACineController2* ZADCineTest::NewController(const char* name) {
  auto* controller = static_cast<ACineController2*>(
      level_->SpawnActor(host_.FindClass("CineController2"), MakeName(name), FVector()));
  controller->MoveSpeed = 1.f;
  controller->SpeedScale = 1.f;
  controller->AccelScale = 1.f;
  controller->CtrlFlags.Bits = 0;
  return controller;
}

ACine2* ZADCineTest::NewPawn(const FVector& location, ACineController2* controller,
                             const char* name) {
  auto* pawn =
      static_cast<ACine2*>(level_->SpawnActor(host_.FindClass("Cine2"), MakeName(name), location));
  if (controller) {
    controller->Pawn = pawn;
    pawn->Controller = controller;
  }
  return pawn;
}

APositionInfo* ZADCineTest::NewMarker(const char* name, const FVector& location,
                                      float ground_offset) {
  auto* marker = static_cast<APositionInfo*>(
      level_->SpawnActor(host_.FindClass("PositionInfo"), MakeName(name), location));
  marker->GroundOffset = ground_offset;
  return marker;
}

void ZADCineTest::Steer(ACineController2* controller, const FVector& target, float radius,
                        bool no_avoid, bool slow_down) {
  engine_host::ScriptCall call;
  call.Vector(target).Int(0).Float(radius).Bool(no_avoid).Bool(slow_down);
  call.Call(controller, "Steering");
}

void* ZADCineTest::Export(const char* symbol) const { return host_.Symbol("ZADCine", symbol); }
