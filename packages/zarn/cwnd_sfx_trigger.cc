#include "zarn/cwnd_sfx_trigger.h"

#include <cstring>

namespace {
// Every own field but the colours and the lists, in declaration order.
void CopyPlainFields(ACWndSFXTrigger& Target, const ACWndSFXTrigger& Source) {
  Target.SfxValue = Source.SfxValue;
  CopyFixedArray(Target.SfxArray1, Source.SfxArray1);
  CopyFixedArray(Target.SfxArray2, Source.SfxArray2);
  CopyFixedArray(Target.SfxTriples, Source.SfxTriples);
  CopyFixedArray(Target.SfxArray3, Source.SfxArray3);
  CopyFixedArray(Target.SfxArray4, Source.SfxArray4);
  Target.SfxTriple = Source.SfxTriple;
  CopyFixedArray(Target.SfxArray5, Source.SfxArray5);
  CopyFixedArray(Target.SfxArray6, Source.SfxArray6);
  CopyFixedArray(Target.SfxArray7, Source.SfxArray7);
  CopyFixedArray(Target.SfxArray8, Source.SfxArray8);
  CopyFixedArray(Target.SfxArray9, Source.SfxArray9);
  CopyFixedArray(Target.SfxArray10, Source.SfxArray10);
  CopyFixedArray(Target.SfxBytes, Source.SfxBytes);
  Target.bSfxFlag1 = Source.bSfxFlag1;
  Target.bSfxFlag2 = Source.bSfxFlag2;
  Target.bSfxFlag3 = Source.bSfxFlag3;
  Target.bSfxFlag4 = Source.bSfxFlag4;
  Target.bSfxFlag5 = Source.bSfxFlag5;
  CopyFixedArray(Target.SfxArray11, Source.SfxArray11);
  CopyFixedArray(Target.SfxArray12, Source.SfxArray12);
  CopyFixedArray(Target.SfxArray13, Source.SfxArray13);
  CopyFixedArray(Target.SfxArray14, Source.SfxArray14);
  CopyFixedArray(Target.SfxArray15, Source.SfxArray15);
  CopyFixedArray(Target.SfxArray16, Source.SfxArray16);
}
}  // namespace

IMPLEMENT_NATIVE_CLASS(ACWndSFXTrigger)

ACWndSFXTrigger::ACWndSFXTrigger() = default;

ACWndSFXTrigger::ACWndSFXTrigger(const ACWndSFXTrigger& Other)
    : AZARNTriggers(Other),
      SfxTextLists{Other.SfxTextLists[0], Other.SfxTextLists[1], Other.SfxTextLists[2],
                   Other.SfxTextLists[3]} {
  CopyPlainFields(*this, Other);
  std::memcpy(SfxColors1, Other.SfxColors1, sizeof(SfxColors1));
  std::memcpy(SfxColors2, Other.SfxColors2, sizeof(SfxColors2));
}

ACWndSFXTrigger& ACWndSFXTrigger::operator=(const ACWndSFXTrigger& Other) {
  AZARNTriggers::operator=(Other);
  CopyPlainFields(*this, Other);
  CopyFixedArray(SfxColors1, Other.SfxColors1);
  CopyFixedArray(SfxColors2, Other.SfxColors2);
  CopyFixedArray(SfxTextLists, Other.SfxTextLists);
  return *this;
}
