// AutoPosition of the position marker, run from the built library.
#include "zadcine_fixture.h"

namespace {

using PositionInfoTest = ZADCineTest;

TEST_F(PositionInfoTest, AutoPositionDropsTheMarkerOntoTheGround) {
  // A floor with its top at height 0 and a step 40 high on its right half.
  level_->AddBlockingBox(FVector(-1000.f, -1000.f, -50.f), FVector(1000.f, 1000.f, 0.f));
  level_->AddBlockingBox(FVector(500.f, -1000.f, 0.f), FVector(1000.f, 1000.f, 40.f));
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
  for (const Case& c : cases) {
    APositionInfo* marker = NewMarker(nullptr, c.start, c.ground_offset);
    engine_host::ScriptCall call;
    call.Call(marker, "AutoPosition");
    EXPECT_FLOAT_EQ(marker->Location.X, c.expected.X) << c.what;
    EXPECT_FLOAT_EQ(marker->Location.Y, c.expected.Y) << c.what;
    EXPECT_FLOAT_EQ(marker->Location.Z, c.expected.Z) << c.what;
  }
}

}  // namespace
