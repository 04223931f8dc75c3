// Engine errors thrown in Core reach the host through the package's code:
// through a guarded native and through a method the engine calls unguarded.
// Each crosses three modules (Core, ZADCine, the host), which only works when
// all of them unwind with one runtime; otherwise the process ends.
#include <gtest/gtest.h>

#include <string>

#include "zadcine/cinematics.h"
#include "engine/engine.h"
#include "host/exported_members.h"
#include "host/package_host.h"
#include "host/script_call.h"

namespace {

class EngineErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // No script handler for any event: raising one is a fatal engine error.
    ASSERT_TRUE(
        host_.Declare(engine_host::ScriptClass("CineController2", "Controller").Native("Steering"))
            .ok());
    const platform::Status loaded = host_.Load(ZADCINE_LIBRARY_PATH, {"Core", "Engine", "ZADPawn"});
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    auto* level = static_cast<ULevel*>(host_.Create(ULevel::StaticClass()));
    controller_ = static_cast<ACineController2*>(
        level->SpawnActor(host_.FindClass("CineController2"), NAME_None, FVector()));
    pawn_ = static_cast<APawn*>(level->SpawnActor(host_.FindClass("Cine2"), NAME_None, FVector()));
    controller_->MoveSpeed = controller_->SpeedScale = controller_->AccelScale = 1.f;
    controller_->CtrlFlags.Bits = 0;
    controller_->MoveDirection = FVector(1.f, 0.f, 0.f);
    appClearUnwind();
  }

  void Steer(const FVector& target) {
    engine_host::ScriptCall call;
    call.Vector(target).Int(0).Float(1.f).Bool(true).Bool(false);
    call.Call(controller_, "Steering");
  }

  // The text of the engine error that `action` ends with; empty when none.
  template <typename Action>
  static std::string EngineErrorOf(Action action) {
    try {
      action();
    } catch (const FEngineError& error) {
      return error.what();
    }
    return "";
  }

  engine_host::PackageHost host_;
  ACineController2* controller_ = nullptr;
  APawn* pawn_ = nullptr;
};

TEST_F(EngineErrorTest, PassesAGuardedNativeUnchangedAndTheEngineGoesOn) {
  // The package's assertion fails in Core.dll, inside the native's guard.
  const std::string error = EngineErrorOf([&] { Steer(FVector(100.f, 0.f, 0.f)); });
  EXPECT_NE(error.find("Assertion failed: Pawn"), std::string::npos) << error;
  EXPECT_EQ(appUnwindHistory(), "") << "an engine error passes the guard unchanged";

  controller_->Pawn = pawn_;
  pawn_->Controller = controller_;
  Steer(FVector(100.f, 0.f, 0.f));
  EXPECT_GT(pawn_->Acceleration.X, 0.f) << "the same native works after the error";
}

TEST_F(EngineErrorTest, ReachesTheHostThroughAnUnguardedMethod) {
  using EventFn = void (ACineController2::*)();
  auto end_of_seq = engine_host::MemberAt<EventFn>(host_.Symbol(
      "ZADCine", engine_host::MemberSymbol("ACineController2", "13eventEndOfSeqEv").c_str()));
  ASSERT_NE(end_of_seq, nullptr);
  // Core finds no script function for the event and fails in the lookup.
  const std::string error = EngineErrorOf([&] { (controller_->*end_of_seq)(); });
  EXPECT_NE(error.find("EndOfSeq"), std::string::npos) << error;
}

}  // namespace
