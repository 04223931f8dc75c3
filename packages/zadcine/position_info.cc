#include "zadcine/position_info.h"

#include "core/script_args.h"

IMPLEMENT_NATIVE_CLASS(APositionInfo)

// Every own field's type carries the engine's construction and copy rules.
APositionInfo::APositionInfo() = default;
APositionInfo::APositionInfo(const APositionInfo& Other) = default;
APositionInfo& APositionInfo::operator=(const APositionInfo& Other) = default;

void APositionInfo::execAutoPosition(FFrame& Stack, void* /*Result*/) {
  Guarded("APositionInfo::execAutoPosition", [&] {
    FinishParms(Stack);
    const FVector Start = Location;
    const FVector End(Start.X, Start.Y, Start.Z - kGroundSearchDepth);
    FCheckResult Hit;
    // Only the hit record tells: engines differ in what the check returns.
    GetLevel()->SingleLineCheck(Hit, this, Start, End, TRACE_World, FVector(), 0);
    // With no ground within reach the marker stays where it is: the record,
    // still in its initial state, would put it at the world origin.
    if (!Hit.Actor && Hit.Time == FCheckResult().Time) return;
    // Written directly: no engine move, so no collision or touch processing.
    Location = Hit.Location;
    Location.Z += GroundOffset;
  });
}
