// The object layouts of the shipping 32-bit library must match the script
// classes byte for byte: the registered sizes and the offset of every field.
// A boolean word has no offset of its own; it is the four bytes before the
// field that follows it. Compiled only where pointers are 32 bits wide.
#include <cstddef>

#include "zarn/blood_flow.h"
#include "zarn/cwnd_sfx_trigger.h"
#include "zarn/map_info.h"
#include "zarn/zarn_pawn.h"
#include "zarn/zarn_triggers.h"

// offsetof on classes with virtual functions is what the engine's layout
// rests on; GCC computes it exactly and only warns that it is not portable.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

static_assert(sizeof(void*) == 4);

static_assert(sizeof(FMapEntry) == 16);
static_assert(offsetof(FMapEntry, EntryText) == 0);

static_assert(sizeof(ABloodFlow) == 892);
static_assert(offsetof(ABloodFlow, FlowValue) == 888);

static_assert(sizeof(AMapInfo) == 776);
static_assert(offsetof(AMapInfo, MapValue1) == 500);
static_assert(offsetof(AMapInfo, MapCode) == 504);
static_assert(offsetof(AMapInfo, MapList1) == 508);
static_assert(offsetof(AMapInfo, MapValue2) == 520);
static_assert(offsetof(AMapInfo, MapValue3) == 524);
static_assert(offsetof(AMapInfo, MapValue4) == 528);
static_assert(offsetof(AMapInfo, MapValue5) == 532);
static_assert(offsetof(AMapInfo, MapValue6) == 536);
static_assert(offsetof(AMapInfo, MapValue7) == 540);
static_assert(offsetof(AMapInfo, MapValue8) == 544);
static_assert(offsetof(AMapInfo, MapValue9) == 548);
static_assert(offsetof(AMapInfo, MapValue10) == 552);
static_assert(offsetof(AMapInfo, MapValue11) == 556);
static_assert(offsetof(AMapInfo, MapEntries) == 560);
static_assert(offsetof(AMapInfo, MapTextList1) == 572);
static_assert(offsetof(AMapInfo, MapText1) == 584);
static_assert(offsetof(AMapInfo, MapText2) == 596);
static_assert(offsetof(AMapInfo, MapList2) == 608);
static_assert(offsetof(AMapInfo, MapText3) == 620);
static_assert(offsetof(AMapInfo, MapValue12) == 632);
static_assert(offsetof(AMapInfo, MapText4) == 636);
static_assert(offsetof(AMapInfo, MapList3) == 648);
static_assert(offsetof(AMapInfo, MapText5) == 660);
static_assert(offsetof(AMapInfo, MapList4) == 672);
static_assert(offsetof(AMapInfo, MapShortValue) == 684);
static_assert(offsetof(AMapInfo, MapShortList) == 688);
static_assert(offsetof(AMapInfo, MapTextList2) == 700);
static_assert(offsetof(AMapInfo, MapTextList3) == 712);
static_assert(offsetof(AMapInfo, MapList5) == 724);
static_assert(offsetof(AMapInfo, MapList6) == 736);
static_assert(offsetof(AMapInfo, MapList7) == 748);
static_assert(offsetof(AMapInfo, MapList8) == 760);
static_assert(offsetof(AMapInfo, MapValue13) == 772);

static_assert(sizeof(AZARNTriggers) == 504);
static_assert(offsetof(AZARNTriggers, TriggerValue) == 500);

static_assert(sizeof(ACWndSFXTrigger) == 916);
static_assert(offsetof(ACWndSFXTrigger, SfxValue) == 504);
static_assert(offsetof(ACWndSFXTrigger, SfxArray1) == 508);
static_assert(offsetof(ACWndSFXTrigger, SfxArray2) == 524);
static_assert(offsetof(ACWndSFXTrigger, SfxTriples) == 540);
static_assert(offsetof(ACWndSFXTrigger, SfxArray3) == 588);
static_assert(offsetof(ACWndSFXTrigger, SfxArray4) == 604);
static_assert(offsetof(ACWndSFXTrigger, SfxTriple) == 620);
static_assert(offsetof(ACWndSFXTrigger, SfxArray5) == 632);
static_assert(offsetof(ACWndSFXTrigger, SfxArray6) == 648);
static_assert(offsetof(ACWndSFXTrigger, SfxArray7) == 664);
static_assert(offsetof(ACWndSFXTrigger, SfxArray8) == 680);
static_assert(offsetof(ACWndSFXTrigger, SfxColors1) == 696);
static_assert(offsetof(ACWndSFXTrigger, SfxColors2) == 712);
static_assert(offsetof(ACWndSFXTrigger, SfxArray9) == 728);
static_assert(offsetof(ACWndSFXTrigger, SfxArray10) == 744);
static_assert(offsetof(ACWndSFXTrigger, SfxBytes) == 760);
static_assert(offsetof(ACWndSFXTrigger, SfxArray11) == 772);
static_assert(offsetof(ACWndSFXTrigger, SfxArray12) == 788);
static_assert(offsetof(ACWndSFXTrigger, SfxArray13) == 804);
static_assert(offsetof(ACWndSFXTrigger, SfxArray14) == 820);
static_assert(offsetof(ACWndSFXTrigger, SfxArray15) == 836);
static_assert(offsetof(ACWndSFXTrigger, SfxTextLists) == 852);
static_assert(offsetof(ACWndSFXTrigger, SfxArray16) == 900);

static_assert(sizeof(AZARNPawn) == 1264);
static_assert(offsetof(AZARNPawn, PawnValue1) == 1232);
static_assert(offsetof(AZARNPawn, PawnValue2) == 1236);
static_assert(offsetof(AZARNPawn, PawnValue3) == 1244);
static_assert(offsetof(AZARNPawn, PawnValue4) == 1248);
static_assert(offsetof(AZARNPawn, PawnName) == 1252);
static_assert(offsetof(AZARNPawn, PawnValue5) == 1256);
static_assert(offsetof(AZARNPawn, PawnValue6) == 1260);
