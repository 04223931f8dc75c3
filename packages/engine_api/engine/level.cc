#include "engine/level.h"

#include <cmath>
#include <vector>

#include "core/class_definition.h"
#include "engine/actor.h"
#include "engine/info.h"
#include "engine/pawn.h"

DEFINE_ENGINE_CLASS(ULevel, UObject, "Level", "Engine")

namespace {

// A walking pawn stops this far before the geometry it runs into, so that it
// never starts a step inside it.
constexpr float kContactGap = 0.1f;

float Axis(const FVector& V, int A) { return A == 0 ? V.X : (A == 1 ? V.Y : V.Z); }

FVector AxisNormal(int A, float Sign) {
  return FVector(A == 0 ? Sign : 0.f, A == 1 ? Sign : 0.f, A == 2 ? Sign : 0.f);
}

// Where the segment Start + T * Delta (T in 0..1) enters the box, if it does.
// A segment that starts inside the box does not hit it.
bool EnterBox(const FVector& Min, const FVector& Max, const FVector& Start, const FVector& Delta,
              float& HitTime, FVector& HitNormal) {
  float Enter = 0.f, Exit = 1.f;
  int EnterAxis = -1;
  float EnterSign = 0.f;
  for (int A = 0; A < 3; A++) {
    const float S = Axis(Start, A), D = Axis(Delta, A), Lo = Axis(Min, A), Hi = Axis(Max, A);
    if (D == 0.f) {
      if (S < Lo || S > Hi) return false;
      continue;
    }
    float T1 = (Lo - S) / D, T2 = (Hi - S) / D;
    float Sign = -1.f;  // entering through the low face: the normal points down the axis
    if (T1 > T2) {
      std::swap(T1, T2);
      Sign = 1.f;
    }
    if (T1 >= Enter) {
      Enter = T1;
      EnterAxis = A;
      EnterSign = Sign;
    }
    Exit = std::min(Exit, T2);
    if (Enter > Exit) return false;
  }
  if (EnterAxis < 0) return false;
  HitTime = Enter;
  HitNormal = AxisNormal(EnterAxis, EnterSign);
  return true;
}

void MovePawn(ULevel& Level, APawn& Pawn, float DeltaSeconds) {
  if (Pawn.Acceleration.SizeSquared() > 0.f) {
    Pawn.Velocity += Pawn.Acceleration * DeltaSeconds;
    const float Speed = Pawn.Velocity.Size();
    if (Speed > Pawn.GroundSpeed) {
      Pawn.Velocity = Speed > 0.f ? Pawn.Velocity * (Pawn.GroundSpeed / Speed) : FVector();
    }
  } else {
    Pawn.Velocity = FVector();
  }
  const FVector Delta = Pawn.Velocity * DeltaSeconds;
  if (Delta.SizeSquared() == 0.f) return;
  const FVector End = Pawn.Location + Delta;
  FCheckResult Hit;
  if (!Level.SingleLineCheck(Hit, &Pawn, Pawn.Location, End, TRACE_World, FVector(), 0)) {
    Pawn.Location = End;
    return;
  }
  const float Length = Delta.Size();
  const float Back = Length > 0.f ? std::min(1.f, kContactGap / Length) : 0.f;
  Pawn.Location = Pawn.Location + Delta * std::max(0.f, Hit.Time - Back);
  Pawn.Velocity = FVector();
}

}  // namespace

ULevel::ULevel() {
  LevelInfo = nullptr;
  LevelInfo = static_cast<ALevelInfo*>(SpawnActor(ALevelInfo::StaticClass(), NAME_None, FVector()));
}

ULevel::~ULevel() { ConditionalDestroy(); }

void ULevel::Destroy() {
  while (Actors.Num() > 0) {
    AActor* Actor = Actors[Actors.Num() - 1];
    Actors.Remove(Actors.Num() - 1);
    Actor->XLevel = nullptr;
    delete Actor;
  }
  LevelInfo = nullptr;
  Geometry.Empty();
  UObject::Destroy();
}

bool ULevel::SingleLineCheck(FCheckResult& Hit, AActor*, const FVector& Start, const FVector& End,
                             uint32_t TraceFlags, const FVector&, int32_t) {
  if (!(TraceFlags & (TRACE_Level | TRACE_LevelGeometry))) return false;
  const FVector Delta = End - Start;
  bool Found = false;
  float BestTime = 2.f;
  FVector BestNormal{};
  for (const FBlockingBox& Box : Geometry) {
    float Time;
    FVector Normal{};
    if (EnterBox(Box.Min, Box.Max, Start, Delta, Time, Normal) && Time < BestTime) {
      Found = true;
      BestTime = Time;
      BestNormal = Normal;
    }
  }
  if (!Found) return false;
  Hit.Actor = LevelInfo;
  Hit.Time = BestTime;
  Hit.Location = Start + Delta * BestTime;
  Hit.Normal = BestNormal;
  return true;
}

void ULevel::AddBlockingBox(const FVector& Min, const FVector& Max) {
  Geometry.AddItem(FBlockingBox{Min, Max});
}

AActor* ULevel::SpawnActor(UClass* ActorClass, FName ActorName, const FVector& Location,
                           const FRotator& Rotation) {
  if (!ActorClass || !ActorClass->IsChildOf(AActor::StaticClass())) return nullptr;
  auto* Actor = static_cast<AActor*>(StaticConstructObject(ActorClass, this, ActorName));
  Actor->XLevel = this;
  Actor->Level = LevelInfo ? LevelInfo : static_cast<ALevelInfo*>(Actor);
  Actor->Location = Location;
  Actor->Rotation = Rotation;
  Actors.AddItem(Actor);
  Actor->PostBeginPlay();
  return Actor;
}

void ULevel::DestroyActor(AActor* Actor) {
  if (Actor && Actor->XLevel == this) delete Actor;
}

void ULevel::RemoveActor(AActor* Actor) {
  if (Actor == LevelInfo) LevelInfo = nullptr;
  for (int32_t i = 0; i < Actors.Num(); i++) {
    if (Actors[i] == Actor) {
      Actors.Remove(i);
      return;
    }
  }
}

bool ULevel::Contains(const AActor* Actor) const {
  for (const AActor* Member : Actors) {
    if (Member == Actor) return true;
  }
  return false;
}

void ULevel::Tick(float DeltaSeconds) {
  // Actors may leave the level while it ticks; work on a snapshot.
  const std::vector<AActor*> Snapshot(Actors.begin(), Actors.end());
  for (AActor* Actor : Snapshot) {
    if (!Contains(Actor)) continue;
    if (Actor->IsA(APawn::StaticClass()))
      MovePawn(*this, *static_cast<APawn*>(Actor), DeltaSeconds);
    Actor->Tick(DeltaSeconds);
  }
}
