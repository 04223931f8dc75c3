#include "zarn/blood_flow.h"

#include "core/script_args.h"

namespace {
// The growth per unit of Amount: the 32-bit float 0x3D4CCCCD.
constexpr float kGrowthPerAmount = 0.05f;
// Beyond this scale the flow has reached its final size; a double, so the
// float nearest 0.35 is not beyond it.
constexpr double kFinalScale = 0.35;
}  // namespace

IMPLEMENT_NATIVE_CLASS(ABloodFlow)

// Every own field's type carries the engine's construction and copy rules.
ABloodFlow::ABloodFlow() = default;
ABloodFlow::ABloodFlow(const ABloodFlow& Other) = default;
ABloodFlow& ABloodFlow::operator=(const ABloodFlow& Other) = default;

void ABloodFlow::execGrowBloodFlow(FFrame& Stack, void* Result) {
  Guarded("ABloodFlow::execGrowBloodFlow", [&] {
    float Amount = 0.f;
    Stack.Step(Stack.Object, &Amount);
    FinishParms(Stack);

    Detach(1);
    // 32-bit float arithmetic: the product and the sum each round to float.
    DrawScale = DrawScale + Amount * kGrowthPerAmount;
    Attach();
    *static_cast<uint32_t*>(Result) = static_cast<double>(DrawScale) > kFinalScale ? 1 : 0;
  });
}
