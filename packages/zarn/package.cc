// The registration of the Zarn package. Static initialisation runs in the
// order of the definitions below; each class object's destructor is
// registered as it is built, so unloading destroys them in reverse order.
#include "zarn/package.h"

#include "zarn/blood_flow.h"
#include "zarn/cwnd_sfx_trigger.h"
#include "zarn/map_info.h"
#include "zarn/zarn_pawn.h"
#include "zarn/zarn_triggers.h"

char GPackage[] = "ZARN";
Native intABloodFlowexecGrowBloodFlow = static_cast<Native>(&ABloodFlow::execGrowBloodFlow);

IMPLEMENT_NATIVE_CLASS_OBJECT(ABloodFlow, 0, AProjector::StaticClass(), "BloodFlow", GPackage)
UClass* autoclassABloodFlow = ABloodFlow::StaticClass();

// Its super class object is built further down; the class constructor only
// records the address.
IMPLEMENT_NATIVE_CLASS_OBJECT(ACWndSFXTrigger, 0, &AZARNTriggers::PrivateStaticClass,
                              "CWndSFXTrigger", GPackage)
UClass* autoclassACWndSFXTrigger = ACWndSFXTrigger::StaticClass();

IMPLEMENT_NATIVE_CLASS_OBJECT(AMapInfo, 0, AInfo::StaticClass(), "MapInfo", GPackage)
UClass* autoclassAMapInfo = AMapInfo::StaticClass();

IMPLEMENT_NATIVE_CLASS_OBJECT(AZARNTriggers, 0, ATriggers::StaticClass(), "ZARNTriggers", GPackage)
UClass* autoclassAZARNTriggers = AZARNTriggers::StaticClass();

// What GRegisterNative reports; nothing needs it.
static uint8_t GrowBloodFlowRegistration = GRegisterNative(604, intABloodFlowexecGrowBloodFlow);

IMPLEMENT_NATIVE_CLASS_OBJECT(AZARNPawn, 0, APawn::StaticClass(), "ZARNPawn", GPackage)
UClass* autoclassAZARNPawn = AZARNPawn::StaticClass();

void ZARNInitNativePackage() {}
