#include "zarn/zarn_triggers.h"

IMPLEMENT_NATIVE_CLASS(AZARNTriggers)

AZARNTriggers::AZARNTriggers() = default;

AZARNTriggers::AZARNTriggers(const AZARNTriggers& Other)
    : ATriggers(Other), bTriggerFlag(Other.bTriggerFlag), TriggerValue(Other.TriggerValue) {}

AZARNTriggers& AZARNTriggers::operator=(const AZARNTriggers& Other) {
  ATriggers::operator=(Other);
  bTriggerFlag = Other.bTriggerFlag;
  TriggerValue = Other.TriggerValue;
  return *this;
}
