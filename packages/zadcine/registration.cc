// What the library sets up while it loads, in this order: the class objects
// (each followed by its autoclass pointer), the event name globals, then the
// registration of the natives. One translation unit keeps the order fixed.
#include "cine2.h"
#include "cinematics.h"
#include "position_info.h"
#include "zadcine_api.h"

extern "C" {

ZADCINE_API extern const char GPackage[] = "ZADCine";

ZADCINE_API Native intACineController2execGetFirstWord =
    static_cast<Native>(&ACineController2::execGetFirstWord);
ZADCINE_API Native intACineController2execCharIsNum =
    static_cast<Native>(&ACineController2::execCharIsNum);
ZADCINE_API Native intACineController2execFindAnActor =
    static_cast<Native>(&ACineController2::execFindAnActor);
ZADCINE_API Native intACineController2execSteering =
    static_cast<Native>(&ACineController2::execSteering);
ZADCINE_API Native intACine2execOnTheSpotRotation =
    static_cast<Native>(&ACine2::execOnTheSpotRotation);
ZADCINE_API Native intAPositionInfoexecAutoPosition =
    static_cast<Native>(&APositionInfo::execAutoPosition);

}  // extern "C"

IMPLEMENT_NATIVE_CLASS_OBJECT(APositionInfo, 0, AInfo::StaticClass(), "PositionInfo", GPackage)
extern "C" {
ZADCINE_API UClass* autoclassAPositionInfo = APositionInfo::StaticClass();
}

IMPLEMENT_NATIVE_CLASS_OBJECT(ACine2, 0, ABaseSoldier::StaticClass(), "Cine2", GPackage)
extern "C" {
ZADCINE_API UClass* autoclassACine2 = ACine2::StaticClass();
}

IMPLEMENT_NATIVE_CLASS_OBJECT(ACineController2, 4, AController::StaticClass(), "CineController2",
                              GPackage)
extern "C" {
ZADCINE_API UClass* autoclassACineController2 = ACineController2::StaticClass();
}

FName ZADCINE_AvoidObstacle;
FName ZADCINE_EndOfDial;
FName ZADCINE_CineWarn;
FName ZADCINE_EndOfMove;
FName ZADCINE_EndOfSeq;

namespace {

// What GRegisterNative returned for each native; nothing reads it.
struct NativeRegistration {
  uint8_t CharIsNum = GRegisterNative(-1, intACineController2execCharIsNum);
  uint8_t GetFirstWord = GRegisterNative(-1, intACineController2execGetFirstWord);
  uint8_t FindAnActor = GRegisterNative(-1, intACineController2execFindAnActor);
  uint8_t Steering = GRegisterNative(-1, intACineController2execSteering);
  uint8_t OnTheSpotRotation = GRegisterNative(-1, intACine2execOnTheSpotRotation);
  uint8_t AutoPosition = GRegisterNative(-1, intAPositionInfoexecAutoPosition);
};
const NativeRegistration Registration;

}  // namespace

void ZADCineInitNativePackage() {
  ZADCINE_AvoidObstacle = FName("AvoidObstacle", FNAME_Create, false);
  ZADCINE_EndOfDial = FName("EndOfDial", FNAME_Create, false);
  ZADCINE_CineWarn = FName("CineWarn", FNAME_Create, false);
  ZADCINE_EndOfMove = FName("EndOfMove", FNAME_Create, false);
  ZADCINE_EndOfSeq = FName("EndOfSeq", FNAME_Create, false);
}
