#include "zadcine/cinematics.h"

#include <cmath>
#include <cstring>

#include "core/script_args.h"
#include "zadcine/package.h"
#include "zadcine/position_info.h"

namespace {

// The steering constants keep the widths the script package was tuned with.
constexpr float kAccelPerScale = 200.f;
constexpr float kSlowDownFactor = 300.f;
constexpr float kInverseSlowDownFactor = 0.0033333334f;
constexpr float kLowestApproachSpeed = 100.f;
constexpr double kSmallestNormalised = 1e-8;

// The script native GetFirstWord passes the remainder through a buffer of
// this many characters, terminator included.
constexpr std::size_t kWorkingBufferSize = 260;

const char* OrEmpty(const char* Word) { return Word ? Word : ""; }

}  // namespace

IMPLEMENT_NATIVE_CLASS(ACineController2)

// Every own field's type carries the engine's construction and copy rules.
ACineController2::ACineController2() = default;
ACineController2::ACineController2(const ACineController2& Other) = default;
ACineController2& ACineController2::operator=(const ACineController2& Other) = default;

int32_t ACineController2::CmpStrStart(const char* Word, const char* Keyword) {
  for (; *Keyword != '\0'; ++Keyword, ++Word) {
    char Letter = *Word;
    if (Letter == '\0') break;
    if (Letter >= 'a' && Letter <= 'z') Letter = static_cast<char>(Letter - 32);
    if (Letter != *Keyword) return 0;
  }
  return *Keyword == '\0' ? 1 : 0;
}

char* ACineController2::GetFirstWord(char** Cursor) {
  char* Position = *Cursor;
  while (*Position == ' ') ++Position;
  if (*Position == '\0') {
    *Cursor = Position;
    return nullptr;
  }
  char* Start = Position;
  while (*Position != ' ' && *Position != '\0') ++Position;
  if (*Position == ' ') *Position++ = '\0';
  *Cursor = Position;
  return Start;
}

void ACineController2::Interpreter(char* Line) {
  // A word that is not there reads as the empty word, which matches no keyword.
  char* Cursor = Line;
  const char* Command = OrEmpty(GetFirstWord(&Cursor));
  char First = Command[0];
  if (First >= 'a' && First <= 'z') First = static_cast<char>(First - 32);
  switch (First) {
    case 'A':
      if (CmpStrStart(Command, "ANIM")) {
        const char* Option = OrEmpty(GetFirstWord(&Cursor));
        if (!CmpStrStart(Option, "ONCENB") && CmpStrStart(Option, "ONCE")) {
          CommandFlags |= kAnimOnce;
        }
      }
      break;
    case 'F':
      if (CmpStrStart(Command, "FPL") || CmpStrStart(Command, "FREEZEPLAYERLOCATION")) {
        const FName NoMove("NoMove", FNAME_Find);
        // Without a player controller there is nobody to freeze.
        if (NoMove != NAME_None && PlayerCtrl) PlayerCtrl->GotoState(NoMove);
      }
      break;
    case 'O':
      if (CmpStrStart(Command, "ON")) GetFirstWord(&Cursor);
      break;
    case 'W':
      if (CmpStrStart(Command, "WAIT")) {
        GetFirstWord(&Cursor);
        GetFirstWord(&Cursor);
      }
      break;
    default:
      break;
  }
  ++LineCounter;
}

void ACineController2::execGetFirstWord(FFrame& Stack, void* Result) {
  Guarded("ACineController2::execGetFirstWord", [&] {
    OutString Text(Stack);
    FinishParms(Stack);
    FString& Out = *static_cast<FString*>(Result);
    // Emptied to length 0, a string may keep its memory and the old text.
    if (Text.Get().Len() == 0) {
      Out = "";
      return;
    }
    char* Cursor = static_cast<char*>(Text.Get().GetData());
    Out = OrEmpty(GetFirstWord(&Cursor));
    // A remainder that does not fit the working buffer is kept whole rather
    // than written past the buffer's end or cut short.
    if (std::strlen(Cursor) < kWorkingBufferSize) {
      char Buffer[kWorkingBufferSize];
      appStrcpy(Buffer, Cursor);
      Text.Get() = Buffer;
    } else {
      const FString Remainder(Cursor);
      Text.Get() = Remainder;
    }
    Text.Tell();
  });
}

void ACineController2::execCharIsNum(FFrame& Stack, void* Result) {
  Guarded("ACineController2::execCharIsNum", [&] {
    OutString Text(Stack);
    FinishParms(Stack);
    const char First = (*Text.Get())[0];
    *static_cast<uint32_t*>(Result) = First >= '0' && First <= '9' ? 1 : 0;
  });
}

void ACineController2::execFindAnActor(FFrame& Stack, void* Result) {
  Guarded("ACineController2::execFindAnActor", [&] {
    FString ActorName;
    Stack.Step(Stack.Object, &ActorName);
    FinishParms(Stack);
    AActor* Found = nullptr;
    if (ActorName == "player") {
      Found = PlayerActor;
    } else if (ActorName == "none" || ActorName.Len() == 0) {
      Found = nullptr;
    } else if (ActorName == "self") {
      Found = Pawn;
    } else if ((*ActorName)[0] >= '0' && (*ActorName)[0] <= '9') {
      const FString MarkerName = FString("PositionInfo") + ActorName;
      Found = static_cast<APositionInfo*>(
          StaticFindObject(APositionInfo::StaticClass(), AnyPackage(), *MarkerName));
    } else {
      Found =
          static_cast<AActor*>(StaticFindObject(AActor::StaticClass(), AnyPackage(), *ActorName));
    }
    *static_cast<AActor**>(Result) = Found;
  });
}

int32_t ACineController2::IsTargetReached(FVector Target, float Radius, FVector Direction) {
  return Guarded("ACineController2::IsTargetReached", [&]() -> int32_t {
    appCheck(Pawn);
    const float DX = Target.X - Pawn->Location.X;
    const float DY = Target.Y - Pawn->Location.Y;
    // A point beside or behind the pawn, seen along the move, has been passed.
    if ((DX != 0.f || DY != 0.f) && DX * Direction.X + DY * Direction.Y <= 0.f) return 1;
    return Radius * Radius > DX * DX + DY * DY ? 1 : 0;
  });
}

void ACineController2::execSteering(FFrame& Stack, void* /*Result*/) {
  Guarded("ACineController2::execSteering", [&] {
    FVector Target;
    Stack.Step(Stack.Object, &Target);
    // Any 32-bit script type may stand here; the widest, an object
    // reference, takes a pointer's width on 64-bit builds.
    UObject* IgnoredArg = nullptr;
    Stack.Step(Stack.Object, &IgnoredArg);
    float Radius = 0.f;
    Stack.Step(Stack.Object, &Radius);
    uint32_t bNoAvoid = 0;
    Stack.Step(Stack.Object, &bNoAvoid);
    uint32_t bSlowDown = 0;
    Stack.Step(Stack.Object, &bSlowDown);
    FinishParms(Stack);

    appCheck(Pawn);
    if (IsTargetReached(Target, Radius, MoveDirection)) {
      eventEndOfMove();
      return;
    }

    FVector Delta = Target - Pawn->Location;
    if (CtrlFlags.Test(kFlatMove)) Delta.Z = 0.f;

    float Speed = SpeedScale * MoveSpeed;
    if (bSlowDown) {
      const float DistSquared = Delta.X * Delta.X + Delta.Y * Delta.Y + Delta.Z * Delta.Z;
      const float Dist = static_cast<float>(std::sqrt(static_cast<double>(DistSquared)));
      // The stopping distance is compared unrounded: at exactly 300 units and
      // speed 300 it lies just above the distance, and the branch runs.
      if (static_cast<double>(Speed) * Speed * kInverseSlowDownFactor > Dist) {
        const double Root = std::sqrt(static_cast<double>(Dist) * kSlowDownFactor);
        Speed = Root > kLowestApproachSpeed ? static_cast<float>(Root) : kLowestApproachSpeed;
      }
    }
    Pawn->GroundSpeed = Speed;
    Pawn->AirSpeed = Speed;
    if (!CtrlFlags.Test(kKeepAnimation)) Pawn->eventChangeAnimation();

    const float SizeSquared = Delta.X * Delta.X + Delta.Y * Delta.Y + Delta.Z * Delta.Z;
    if (SizeSquared >= kSmallestNormalised) Delta = Delta * appRSqrt(SizeSquared);
    Delta = Delta * (AccelScale * kAccelPerScale);
    if (!bNoAvoid) eventAvoidObstacle(Target, Delta);
    Pawn->Acceleration = Delta;
  });
}

void ACineController2::eventAvoidObstacle(FVector Target, FVector& MoveAccel) {
  struct {
    FVector Target;
    FVector MoveAccel;
  } Parms{Target, MoveAccel};
  ProcessEvent(FindFunctionChecked(ZADCINE_AvoidObstacle, 0), &Parms);
  MoveAccel = Parms.MoveAccel;
}

void ACineController2::eventEndOfMove() {
  ProcessEvent(FindFunctionChecked(ZADCINE_EndOfMove, 0), nullptr);
}

void ACineController2::eventEndOfSeq() {
  ProcessEvent(FindFunctionChecked(ZADCINE_EndOfSeq, 0), nullptr);
}

void ACineController2::eventCineWarn(AActor* Other) {
  ProcessEvent(FindFunctionChecked(ZADCINE_CineWarn, 0), &Other);
}

void ACineController2::eventEndOfDial(AActor* Other) {
  ProcessEvent(FindFunctionChecked(ZADCINE_EndOfDial, 0), &Other);
}
