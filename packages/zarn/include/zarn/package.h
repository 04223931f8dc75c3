// The binding of the Zarn package (script package "ZARN"): the symbols the
// engine looks up by plain name when it loads the library. The class objects
// are built, and native 604 registered, by the library's static
// initialisation; they are destroyed in reverse order when it unloads.
#pragma once

#include "core/core.h"
#include "zarn/api.h"

extern "C" {
// "ZARN": the package name given to every class object.
ZARN_API extern char GPackage[];

ZARN_API extern UClass* autoclassABloodFlow;
ZARN_API extern UClass* autoclassACWndSFXTrigger;
ZARN_API extern UClass* autoclassAMapInfo;
ZARN_API extern UClass* autoclassAZARNTriggers;
ZARN_API extern UClass* autoclassAZARNPawn;

// ABloodFlow::execGrowBloodFlow, native 604.
ZARN_API extern Native intABloodFlowexecGrowBloodFlow;

// The package hook. Zarn raises no script events, so there are no event
// names to create.
ZARN_API void ZARNInitNativePackage();
}
