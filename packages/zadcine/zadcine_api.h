// The package-level exports of ZADCine: the package name, the names of the
// script events the package raises, and the hook that creates those names.
// The engine binds these by their plain names. Everything here lives for as
// long as the library is loaded; nothing fails.
#pragma once

#include "core/core.h"

#ifndef ZADCINE_API
#define ZADCINE_API
#endif

extern "C" {

ZADCINE_API extern const char GPackage[];

// The none name until ZADCineInitNativePackage has run, then the event's name.
ZADCINE_API extern FName ZADCINE_AvoidObstacle;
ZADCINE_API extern FName ZADCINE_EndOfDial;
ZADCINE_API extern FName ZADCINE_CineWarn;
ZADCINE_API extern FName ZADCINE_EndOfMove;
ZADCINE_API extern FName ZADCINE_EndOfSeq;

// Creates the five event names. Running it again leaves the same names.
// REQUIRES: called on the game thread after the library has loaded.
ZADCINE_API void ZADCineInitNativePackage();

}  // extern "C"
