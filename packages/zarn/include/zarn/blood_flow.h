// ABloodFlow: the native side of the script class "BloodFlow", a projector
// whose projection grows under script control (native GrowBloodFlow, 604).
#pragma once

#include <cstdint>

#include "core/core.h"
#include "core/native_class.h"
#include "engine/engine.h"
#include "zarn/api.h"

class ZARN_API ABloodFlow : public AProjector {
  DECLARE_NATIVE_CLASS(ABloodFlow, AProjector)

  ABloodFlow(const ABloodFlow& Other);
  ABloodFlow& operator=(const ABloodFlow& Other);

  // Script: native(604) final function bool GrowBloodFlow(float Amount).
  // Re-projects at DrawScale + Amount x 0.05 (32-bit float arithmetic) and
  // returns whether the new scale is beyond 0.35. Amount is not checked.
  void execGrowBloodFlow(FFrame& Stack, void* Result);

  int32_t FlowValue;

 protected:
  ABloodFlow();
};
