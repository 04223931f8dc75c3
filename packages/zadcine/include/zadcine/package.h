// The binding of the ZADCine package (script package "ZADCine"): the symbols
// the engine looks up by plain name when it loads the library. The class
// objects are built, and the six natives registered by name, by the
// library's static initialisation; they are destroyed in reverse order when
// it unloads. Everything here lives for as long as the library is loaded;
// nothing fails.
#pragma once

#include "core/core.h"
#include "zadcine/api.h"

extern "C" {

// "ZADCine": the package name given to every class object.
ZADCINE_API extern const char GPackage[];

ZADCINE_API extern UClass* autoclassAPositionInfo;
ZADCINE_API extern UClass* autoclassACine2;
ZADCINE_API extern UClass* autoclassACineController2;

ZADCINE_API extern Native intACineController2execGetFirstWord;
ZADCINE_API extern Native intACineController2execCharIsNum;
ZADCINE_API extern Native intACineController2execFindAnActor;
ZADCINE_API extern Native intACineController2execSteering;
ZADCINE_API extern Native intACine2execOnTheSpotRotation;
ZADCINE_API extern Native intAPositionInfoexecAutoPosition;

// The none name until ZADCineInitNativePackage has run, then the event's name.
ZADCINE_API extern FName ZADCINE_AvoidObstacle;
ZADCINE_API extern FName ZADCINE_EndOfDial;
ZADCINE_API extern FName ZADCINE_CineWarn;
ZADCINE_API extern FName ZADCINE_EndOfMove;
ZADCINE_API extern FName ZADCINE_EndOfSeq;

// The package hook: creates the five event names. Running it again leaves
// the same names.
// REQUIRES: called on the game thread after the library has loaded.
ZADCINE_API void ZADCineInitNativePackage();

}  // extern "C"
