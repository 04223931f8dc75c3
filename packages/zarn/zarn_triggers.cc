#include "zarn/zarn_triggers.h"

IMPLEMENT_NATIVE_CLASS(AZARNTriggers)

// Every own field's type carries the engine's construction and copy rules.
AZARNTriggers::AZARNTriggers() = default;
AZARNTriggers::AZARNTriggers(const AZARNTriggers& Other) = default;
AZARNTriggers& AZARNTriggers::operator=(const AZARNTriggers& Other) = default;
