#include "cine_scene.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "host/log_recorder.h"
#include "host/package_host.h"
#include "host/script_call.h"
#include "zadcine/cine2.h"
#include "zadcine/cinematics.h"
#include "zadcine/position_info.h"

namespace cine_scene {
namespace {

using engine_host::ScriptCall;
using engine_host::ScriptClass;
using platform::Status;

constexpr float kPi = 3.14159265f;
constexpr float kYawUnitsPerRadian = 32768.f / kPi;
// The pawn's centre stands this high above the ground it walks on.
constexpr float kPawnHeight = 44.f;
constexpr float kArrivalRadius = 12.f;
// How far ahead the AvoidObstacle handler looks, and how it searches for a
// free direction: turning right and left in growing steps of 15 degrees.
constexpr float kLookAhead = 200.f;
constexpr float kFeelerStep = kPi / 12.f;
constexpr int kFeelers = 11;
// Yaw units the pawn turns per tick when turning on the spot.
constexpr int kTurnPerTick = 200;

struct MarkerPlan {
  int number;
  float x, y;
};
constexpr MarkerPlan kMarkers[] = {
    {1, 150.f, 0.f}, {2, 430.f, -80.f}, {3, 840.f, 0.f}, {4, 1150.f, 280.f}, {5, 1220.f, -240.f}};
constexpr float kMarkerDropHeight = 400.f;

FVector Flat(const FVector& v) { return FVector(v.X, v.Y, 0.f); }
float Length(const FVector& v) { return std::sqrt(v.SizeSquared()); }
// Turned to the right (yaw grows from X towards Y) by `angle` radians.
FVector TurnRight(const FVector& v, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return FVector(v.X * c - v.Y * s, v.X * s + v.Y * c, v.Z);
}

// The controller's script, as the script package would write it.
class Director {
 public:
  Director(SceneRecord& record, const SceneOptions& options) : record_(record), options_(options) {}

  Status Declare(engine_host::PackageHost& host) {
    const ScriptBody nothing = [](UObject*, void*, void*) {};
    Status status = host.Declare(ScriptClass("PositionInfo", "Info").Native("AutoPosition"));
    if (!status.ok()) return status;
    status = host.Declare(
        ScriptClass("Cine2", "BaseSoldier")
            .Native("OnTheSpotRotation")
            .Event("ChangeAnimation", [this](UObject*, void*, void*) { ChangeAnimation(); }));
    if (!status.ok()) return status;
    return host.Declare(ScriptClass("CineController2", "Controller")
                            .Native("GetFirstWord")
                            .Native("CharIsNum")
                            .Native("FindAnActor")
                            .Native("Steering")
                            .Event("EndOfMove", [this](UObject*, void*, void*) { EndOfMove(); })
                            .Event("AvoidObstacle",
                                   [this](UObject*, void* parms, void*) {
                                     auto* vectors = static_cast<FVector*>(parms);
                                     AvoidObstacle(vectors[0], vectors[1]);
                                   })
                            .Event("EndOfSeq", nothing)
                            .Event("CineWarn", nothing)
                            .Event("EndOfDial", nothing));
  }

  Status Play(engine_host::PackageHost& host) {
    level_ = static_cast<ULevel*>(host.Create(ULevel::StaticClass()));
    BuildLevel();
    for (const MarkerPlan& plan : kMarkers) {
      const std::string name = "PositionInfo" + std::to_string(plan.number);
      const FVector from(plan.x, plan.y, kMarkerDropHeight);
      auto* marker = static_cast<APositionInfo*>(
          level_->SpawnActor(host.FindClass("PositionInfo"), FName(name.c_str(), FNAME_Add), from));
      marker->GroundOffset = kPawnHeight;
      ScriptCall call;
      call.Call(marker, "AutoPosition");
      record_.markers.push_back({plan.number, from, marker->Location});
    }

    controller_ = static_cast<ACineController2*>(level_->SpawnActor(
        host.FindClass("CineController2"), FName("Director", FNAME_Add), FVector()));
    pawn_ = static_cast<ACine2*>(level_->SpawnActor(
        host.FindClass("Cine2"), FName("Actor1", FNAME_Add), FVector(0.f, 0.f, kPawnHeight)));
    auto* mesh = static_cast<USkeletalMesh*>(host.Create(USkeletalMesh::StaticClass()));
    mesh->AddSequence(FName("Turn", FNAME_Add), 30.f);
    mesh->AddSequence(FName("TurnStep", FNAME_Add), 30.f);
    mesh->AddSequence(FName("Walk", FNAME_Add), 30.f);
    pawn_->Mesh = mesh;
    pawn_->TurnAnim = FName("Turn", FNAME_Find);
    pawn_->TurnCompanionAnim = FName("TurnStep", FNAME_Find);
    controller_->Pawn = pawn_;
    pawn_->Controller = controller_;
    controller_->MoveSpeed = 300.f;
    controller_->SpeedScale = 1.f;
    controller_->AccelScale = 4.f;
    controller_->CtrlFlags.Bits = 0;

    // The pawn's script prepares its turn channels when it enters the scene.
    ScriptCall prepare;
    prepare.Call(pawn_, "OnTheSpotRotation");
    Sample("");
    for (const std::string& line : SceneScript()) {
      record_.commands.push_back(line);
      const Status status = Carry(line);
      if (!status.ok()) return status;
    }
    return Status::Ok();
  }

 private:
  void BuildLevel() {
    const SceneBox boxes[] = {
        {FVector(-200.f, -500.f, -50.f), FVector(1400.f, 500.f, 0.f), "floor"},
        {FVector(1000.f, -500.f, 0.f), FVector(1400.f, 500.f, 24.f), "step"},
        {FVector(600.f, -420.f, 0.f), FVector(630.f, 100.f, 200.f), "wall"},
    };
    for (const SceneBox& box : boxes) {
      level_->AddBlockingBox(box.min, box.max);
      record_.boxes.push_back(box);
    }
  }

  // The first word of `text` through the native GetFirstWord; `text` keeps
  // the rest.
  std::string TakeWord(std::string& text) {
    ScriptCall call;
    FString& variable = call.LocalString(text.c_str());
    FString word;
    call.Call(controller_, "GetFirstWord", &word);
    text = *variable;
    return *word;
  }
  bool IsNumber(const std::string& word) {
    ScriptCall call;
    call.LocalString(word.c_str());
    uint32_t result = 0;
    call.Call(controller_, "CharIsNum", &result);
    return result != 0;
  }
  AActor* Find(const std::string& word) {
    ScriptCall call;
    call.String(word.c_str());
    AActor* found = nullptr;
    call.Call(controller_, "FindAnActor", &found);
    return found;
  }

  Status Carry(const std::string& line) {
    std::string rest = line;
    const std::string command = TakeWord(rest);
    const std::string argument = TakeWord(rest);
    if (command == "MOVETO") {
      AActor* target = IsNumber(argument) ? Find(argument) : nullptr;
      if (!target) return Status::Error("no marker " + argument);
      return MoveTo(target, line);
    }
    if (command == "TURN") return Turn(std::stoi(argument), line);
    return Status::Error("unknown command " + command);
  }

  Status MoveTo(AActor* target, const std::string& line) {
    const FVector direction = Flat(target->Location - pawn_->Location);
    controller_->MoveDirection = direction * (1.f / Length(direction));
    target_ = target->Location;
    arrived_ = false;
    for (;;) {
      ScriptCall call;
      call.Vector(target_).Int(0).Float(kArrivalRadius).Bool(false).Bool(true);
      call.Call(controller_, "Steering");
      if (arrived_) break;
      if (ticks_ >= options_.max_ticks) return Status::Error("the pawn did not arrive: " + line);
      level_->Tick(options_.tick_seconds);
      if (Length(Flat(pawn_->Velocity)) > 1.f) {
        pawn_->Rotation.Yaw = static_cast<int>(
            std::lround(std::atan2(pawn_->Velocity.Y, pawn_->Velocity.X) * kYawUnitsPerRadian));
      }
      Sample(line);
    }
    Sample(line);
    return Status::Ok();
  }

  // Turns right on the spot by `degrees`, calling OnTheSpotRotation every
  // tick, and once more after the turn so that the animation fades.
  Status Turn(int degrees, const std::string& line) {
    const int goal = pawn_->Rotation.Yaw + degrees * 65536 / 360;
    for (;;) {
      ScriptCall call;
      call.Call(pawn_, "OnTheSpotRotation");
      if (pawn_->Rotation.Yaw >= goal) break;
      if (ticks_ >= options_.max_ticks) return Status::Error("the turn did not end: " + line);
      pawn_->Rotation.Yaw = std::min(goal, pawn_->Rotation.Yaw + kTurnPerTick);
      level_->Tick(options_.tick_seconds);
      Sample(line);
    }
    return Status::Ok();
  }

  void EndOfMove() {
    // Stopping is the script's part.
    arrived_ = true;
    ++record_.end_of_move;
    pawn_->Acceleration = FVector(0.f, 0.f, 0.f);
    pawn_->Velocity = FVector(0.f, 0.f, 0.f);
  }

  // The pawn's script: walking plays the walk animation on the turn channel.
  void ChangeAnimation() {
    const FName walk("Walk", FNAME_Find);
    auto* instance = static_cast<USkeletalMeshInstance*>(pawn_->MeshInstance);
    if (instance && instance->GetAnimSequence(2) != walk) pawn_->PlayAnim(2, walk, 1.f, 0.1f, 1);
  }

  // Looks ahead along the acceleration; when the way is blocked, turns right
  // and left by growing angles until a free direction is found and
  // accelerates that way.
  void AvoidObstacle(const FVector& /*target*/, FVector& move_accel) {
    ++record_.avoid_obstacle;
    const FVector flat = Flat(move_accel);
    const float strength = Length(flat);
    if (strength == 0.f) return;
    const FVector ahead = flat * (1.f / strength);
    for (int feeler = 0; feeler <= 2 * kFeelers; feeler++) {
      const float side = feeler % 2 ? 1.f : -1.f;
      const FVector way =
          TurnRight(ahead, side * static_cast<float>((feeler + 1) / 2) * kFeelerStep);
      FCheckResult hit;
      if (!level_->SingleLineCheck(hit, pawn_, pawn_->Location, pawn_->Location + way * kLookAhead,
                                   TRACE_World, FVector(0.f, 0.f, 0.f), 0)) {
        if (feeler == 0) return;
        move_accel = FVector(way.X * strength, way.Y * strength, move_accel.Z);
        ++record_.bent_round_wall;
        return;
      }
    }
  }

  void Sample(const std::string& command) {
    record_.samples.push_back({ticks_, static_cast<float>(ticks_) * options_.tick_seconds,
                               pawn_->Location, Length(pawn_->Velocity), pawn_->GroundSpeed,
                               pawn_->Rotation.Yaw, command});
    ++ticks_;
  }

  SceneRecord& record_;
  const SceneOptions& options_;
  ULevel* level_ = nullptr;
  ACineController2* controller_ = nullptr;
  ACine2* pawn_ = nullptr;
  FVector target_{0.f, 0.f, 0.f};
  bool arrived_ = false;
  int ticks_ = 0;
};

Status PlayScene(const SceneOptions& options, SceneRecord& record) {
  Director director(record, options);
  engine_host::PackageHost host;
  Status status = director.Declare(host);
  if (!status.ok()) return status;
  if (!options.zarn_library.empty()) {
    status = host.Load(options.zarn_library, {"Core", "Engine"});
    if (!status.ok()) return status;
    record.zarn_loaded = true;
  }
  status = host.Load(options.zadcine_library, {"Core", "Engine", "ZADPawn"});
  if (!status.ok()) return status;
  return director.Play(host);
}

}  // namespace

const std::vector<std::string>& SceneScript() {
  static const std::vector<std::string> script = {
      "MOVETO 1", "MOVETO  2", "MOVETO 3", "MOVETO 4", "MOVETO 5", "TURN 150",
  };
  return script;
}

Status RunCinematicScene(const SceneOptions& options, SceneRecord& record) {
  record = SceneRecord();
  engine_host::LogRecorder log;
  const Status status = PlayScene(options, record);
  record.log = std::move(log.lines);
  return status;
}

}  // namespace cine_scene
