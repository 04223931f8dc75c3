// The registration of the ZADCine package. Static initialisation runs in the
// order of the definitions below: the class objects (each followed by its
// autoclass pointer), the event name globals, then the registration of the
// natives. Each class object's destructor is registered as it is built, so
// unloading destroys them in reverse order.
#include "zadcine/package.h"

#include "zadcine/cine2.h"
#include "zadcine/cinematics.h"
#include "zadcine/position_info.h"

const char GPackage[] = "ZADCine";

Native intACineController2execGetFirstWord =
    static_cast<Native>(&ACineController2::execGetFirstWord);
Native intACineController2execCharIsNum = static_cast<Native>(&ACineController2::execCharIsNum);
Native intACineController2execFindAnActor = static_cast<Native>(&ACineController2::execFindAnActor);
Native intACineController2execSteering = static_cast<Native>(&ACineController2::execSteering);
Native intACine2execOnTheSpotRotation = static_cast<Native>(&ACine2::execOnTheSpotRotation);
Native intAPositionInfoexecAutoPosition = static_cast<Native>(&APositionInfo::execAutoPosition);

IMPLEMENT_NATIVE_CLASS_OBJECT(APositionInfo, 0, AInfo::StaticClass(), "PositionInfo", GPackage)
UClass* autoclassAPositionInfo = APositionInfo::StaticClass();

IMPLEMENT_NATIVE_CLASS_OBJECT(ACine2, 0, ABaseSoldier::StaticClass(), "Cine2", GPackage)
UClass* autoclassACine2 = ACine2::StaticClass();

IMPLEMENT_NATIVE_CLASS_OBJECT(ACineController2, 4, AController::StaticClass(), "CineController2",
                              GPackage)
UClass* autoclassACineController2 = ACineController2::StaticClass();

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
