// ACWndSFXTrigger: the native mirror of the script class "CWndSFXTrigger", a
// trigger with sound and colour settings. Its class object names
// AZARNTriggers' class object as super class before that one is built.
#pragma once

#include <cstdint>

#include "core/core.h"
#include "core/native_class.h"
#include "core/script_fields.h"
#include "engine/engine.h"
#include "zarn/api.h"
#include "zarn/zarn_triggers.h"

class ZARN_API ACWndSFXTrigger : public AZARNTriggers {
  DECLARE_NATIVE_CLASS(ACWndSFXTrigger, AZARNTriggers)

  ACWndSFXTrigger(const ACWndSFXTrigger& Other);
  ACWndSFXTrigger& operator=(const ACWndSFXTrigger& Other);

  int32_t SfxValue;
  int32_t SfxArray1[4];
  int32_t SfxArray2[4];
  FThreeValues SfxTriples[4];
  int32_t SfxArray3[4];
  int32_t SfxArray4[4];
  FThreeValues SfxTriple;
  int32_t SfxArray5[4];
  int32_t SfxArray6[4];
  int32_t SfxArray7[4];
  int32_t SfxArray8[4];
  FColor SfxColors1[4];
  FColor SfxColors2[4];
  int32_t SfxArray9[4];
  int32_t SfxArray10[4];
  uint8_t SfxBytes[8];
  uint32_t bSfxFlag1 : 1;
  uint32_t bSfxFlag2 : 1;
  uint32_t bSfxFlag3 : 1;
  uint32_t bSfxFlag4 : 1;
  uint32_t bSfxFlag5 : 1;
  int32_t SfxArray11[4];
  int32_t SfxArray12[4];
  int32_t SfxArray13[4];
  int32_t SfxArray14[4];
  int32_t SfxArray15[4];
  TArrayNoInit<FString> SfxTextLists[4];
  int32_t SfxArray16[4];

 protected:
  ACWndSFXTrigger();
};
