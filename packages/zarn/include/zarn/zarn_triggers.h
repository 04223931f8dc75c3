// AZARNTriggers: the native mirror of the script class "ZARNTriggers", the
// package's base of trigger actors.
#pragma once

#include <cstdint>

#include "core/core.h"
#include "core/native_class.h"
#include "engine/engine.h"
#include "zarn/api.h"

class ZARN_API AZARNTriggers : public ATriggers {
  DECLARE_NATIVE_CLASS(AZARNTriggers, ATriggers)

  AZARNTriggers(const AZARNTriggers& Other);
  AZARNTriggers& operator=(const AZARNTriggers& Other);

  uint32_t bTriggerFlag : 1;
  int32_t TriggerValue;

 protected:
  AZARNTriggers();
};
