#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "host/script_call.h"
#include "zarn/blood_flow.h"
#include "zarn_fixture.h"

namespace {

using engine_host::ScriptCall;

struct GrowthCase {
  uint32_t start_bits;  // DrawScale before the call
  float amount;
  uint32_t end_bits;  // DrawScale after it, exactly
  uint32_t beyond_final_size;
};
// Worked out apart from the code in IEEE single arithmetic: Amount times the
// float 0x3D4CCCCD rounds to float, and the sum rounds to float again.
const GrowthCase kGrowthCases[] = {
    {0x00000000, 0.0f, 0x00000000, 0},
    {0x00000000, 7.0f, 0x3EB33333, 0},  // the float nearest 0.35 lies below 0.35
    {0x00000000, 8.0f, 0x3ECCCCCD, 1},
    {0x3EB33333, 0.0f, 0x3EB33333, 0},
    {0x3EB33334, 0.0f, 0x3EB33334, 1},  // the next float above it
    {0x3E99999A, 1.0f, 0x3EB33334, 1},  // 0.3f + 0.05f rounds up ...
    {0x3E800000, 2.0f, 0x3EB33333, 0},  // ... 0.25f + 0.1f rounds down
    {0x3DCCCCCD, 7.0f, 0x3EE66666, 1},  // one rounding of the exact sum would give ...67
    {0x3F800000, -4.0f, 0x3F4CCCCD, 1},
    {0x3E4CCCCD, -10.0f, 0xBE99999A, 0},  // negatives shrink, below zero too
    {0x00000000, -100.0f, 0xC0A00000, 0},
};

class BloodFlowTest : public ZarnTest {
 protected:
  void SetUp() override {
    ZarnTest::SetUp();
    flow_ = Spawn<ABloodFlow>("BloodFlow");
    ASSERT_NE(flow_, nullptr);
  }
  ABloodFlow* flow_ = nullptr;
};

TEST_F(BloodFlowTest, GrowsByTheAmountAndReportsTheFinalSize) {
  for (const GrowthCase& c : kGrowthCases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.start_bits << " + " << c.amount);
    flow_->DrawScale = std::bit_cast<float>(c.start_bits);
    const int32_t detached = flow_->DetachCount, attached = flow_->AttachCount;

    ScriptCall call;
    call.Float(c.amount);
    uint32_t result = 2;
    call.CallNative(flow_, 604, &result);

    EXPECT_EQ(std::bit_cast<uint32_t>(flow_->DrawScale), c.end_bits);
    EXPECT_EQ(result, c.beyond_final_size);
    // Re-projected at the new scale, even when nothing changed.
    EXPECT_EQ(flow_->DetachCount, detached + 1);
    EXPECT_EQ(flow_->AttachCount, attached + 1);
    EXPECT_TRUE(flow_->bProjected);
    EXPECT_EQ(std::bit_cast<uint32_t>(flow_->ProjectedScale), c.end_bits);
  }
}

TEST_F(BloodFlowTest, NotANumberIsNeverBeyondTheFinalSize) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const auto& [start, amount] :
       std::vector<std::pair<float, float>>{{nan, 1.0f}, {0.f, nan}}) {
    flow_->DrawScale = start;
    ScriptCall call;
    call.Float(amount);
    uint32_t result = 2;
    call.CallNative(flow_, 604, &result);
    EXPECT_TRUE(std::isnan(flow_->DrawScale));
    EXPECT_EQ(result, 0u);
  }
}

TEST_F(BloodFlowTest, ReadsALineMarkerAfterItsArgument) {
  ScriptCall call;
  call.Float(8.0f).LineMarker(42);
  uint32_t result = 2;
  call.Call(flow_, "GrowBloodFlow", &result);  // fails unless all code was read
  EXPECT_EQ(result, 1u);
}

TEST_F(BloodFlowTest, RunsThroughTheExportedPointer) {
  const Native native = *static_cast<Native*>(Symbol("intABloodFlowexecGrowBloodFlow"));
  ScriptCall call;
  call.Float(8.0f);
  std::vector<uint8_t> code = call.code();
  code.push_back(EX_EndFunctionParms);
  FFrame frame(flow_, nullptr, code.data(), nullptr);
  uint32_t result = 2;
  (flow_->*native)(frame, &result);
  EXPECT_EQ(frame.Code, code.data() + code.size());
  EXPECT_EQ(std::bit_cast<uint32_t>(flow_->DrawScale), 0x3ECCCCCDu);
  EXPECT_EQ(result, 1u);
}

TEST_F(BloodFlowTest, PassesAnEngineErrorOnUnchanged) {
  appClearUnwind();
  ScriptCall call;  // no argument: the native steps past the end of its parameters
  uint32_t result = 2;
  EXPECT_THROW(call.CallNative(flow_, 604, &result), FEngineError);
  EXPECT_EQ(appUnwindHistory().find("ABloodFlow::execGrowBloodFlow"), std::string::npos);
}

}  // namespace
