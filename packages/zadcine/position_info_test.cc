// AutoPosition of the position marker, run from the built library.
#include "zadcine_fixture.h"

namespace {

// A level whose line check reports the other way round (true: nothing hit),
// as an engine may: what the marker does must follow the hit record alone.
class ContraryLevel : public ULevel {
 public:
  bool SingleLineCheck(FCheckResult& Hit, AActor* SourceActor, const FVector& Start,
                       const FVector& End, uint32_t TraceFlags, const FVector& Extent,
                       int32_t Options) override {
    return !ULevel::SingleLineCheck(Hit, SourceActor, Start, End, TraceFlags, Extent, Options);
  }
};

// A contrary level in the memory the engine allocates for a level.
ULevel* NewContraryLevel() {
  UObject* memory = UObject::StaticAllocateObject(ULevel::StaticClass(), nullptr, NAME_None, 0,
                                                  nullptr, GError, nullptr, nullptr);
  // Default-initialised: value-initialising would zero the engine's bookkeeping.
  return new (static_cast<EInternal*>(static_cast<void*>(memory))) ContraryLevel;
}

using PositionInfoTest = ZADCineTest;

TEST_F(PositionInfoTest, AutoPositionDropsTheMarkerOntoTheGround) {
  struct Case {
    const char* what;
    FVector start;
    float ground_offset;
    FVector expected;
  };
  const Case cases[] = {
      {"250 above the floor", FVector(10.f, 20.f, 250.f), 30.f, FVector(10.f, 20.f, 30.f)},
      {"above the step", FVector(600.f, 0.f, 300.f), 30.f, FVector(600.f, 0.f, 70.f)},
      {"no offset", FVector(-10.f, 0.f, 999.f), 0.f, FVector(-10.f, 0.f, 0.f)},
      {"negative offset", FVector(0.f, 5.f, 10.f), -5.f, FVector(0.f, 5.f, -5.f)},
      // Nothing within reach below: the marker stays where it is.
      {"too high", FVector(0.f, 0.f, 1200.f), 30.f, FVector(0.f, 0.f, 1200.f)},
      {"beside the floor", FVector(3000.f, 0.f, 100.f), 30.f, FVector(3000.f, 0.f, 100.f)},
  };
  for (ULevel* level : {level_, NewContraryLevel()}) {
    SCOPED_TRACE(level == level_ ? "level" : "contrary level");
    // A floor with its top at height 0 and a step 40 high on its right half.
    level->AddBlockingBox(FVector(-1000.f, -1000.f, -50.f), FVector(1000.f, 1000.f, 0.f));
    level->AddBlockingBox(FVector(500.f, -1000.f, 0.f), FVector(1000.f, 1000.f, 40.f));
    for (const Case& c : cases) {
      auto* marker = static_cast<APositionInfo*>(
          level->SpawnActor(host_.FindClass("PositionInfo"), NAME_None, c.start));
      marker->GroundOffset = c.ground_offset;
      engine_host::ScriptCall call;
      call.Call(marker, "AutoPosition");
      EXPECT_FLOAT_EQ(marker->Location.X, c.expected.X) << c.what;
      EXPECT_FLOAT_EQ(marker->Location.Y, c.expected.Y) << c.what;
      EXPECT_FLOAT_EQ(marker->Location.Z, c.expected.Z) << c.what;
    }
  }
}

}  // namespace
