#include "zarn/cwnd_sfx_trigger.h"

IMPLEMENT_NATIVE_CLASS(ACWndSFXTrigger)

// Every own field's type carries the engine's construction and copy rules.
ACWndSFXTrigger::ACWndSFXTrigger() = default;
ACWndSFXTrigger::ACWndSFXTrigger(const ACWndSFXTrigger& Other) = default;
ACWndSFXTrigger& ACWndSFXTrigger::operator=(const ACWndSFXTrigger& Other) = default;
