#include "host/testdata/tiny_package.h"

#include <stdexcept>

#include "core/script_args.h"

extern "C" {
TINY_API char GPackage[] = "TinyPkg";
TINY_API UClass* autoclassATinyActor = nullptr;
TINY_API Native intATinyActorexecAddToCounter = static_cast<Native>(&ATinyActor::execAddToCounter);
TINY_API Native intATinyActorexecTakeText = static_cast<Native>(&ATinyActor::execTakeText);
TINY_API FName TINYPKG_Taken;
TINY_API void TinyPkgInitNativePackage() { TINYPKG_Taken = FName("Taken", FNAME_Create); }
// Test access to the copy constructor of a loaded package.
TINY_API ATinyActor* TinyCopy(ATinyActor* Source, UObject* Outer, FName Name) {
  return new (Outer, Name, 0) ATinyActor(*Source);
}
}

UClass ATinyActor::PrivateStaticClass(EC_NativeConstructor, sizeof(ATinyActor), 0,
                                      AActor::StaticClass(), UObject::StaticClass(),
                                      FGuid(0, 0, 0, 0), "TinyActor", GPackage,
                                      UObject::StaticConfigName(), 0x04084004,
                                      &ATinyActor::InternalConstructor,
                                      &UObject::StaticConstructor);
namespace {
const bool kClassPublished = (autoclassATinyActor = &ATinyActor::PrivateStaticClass, true);
const uint8_t kRegisteredAdd = GRegisterNative(kAddToCounterNative, intATinyActorexecAddToCounter);
const uint8_t kRegisteredTake = GRegisterNative(-1, intATinyActorexecTakeText);
}  // namespace

UClass* ATinyActor::StaticClass() { return &PrivateStaticClass; }

void ATinyActor::InternalConstructor(void* Memory) {
  if (Memory) new (static_cast<EInternal*>(Memory)) ATinyActor();
}

void* ATinyActor::operator new(std::size_t, UObject* Outer, FName Name, uint32_t Flags) {
  return StaticAllocateObject(StaticClass(), Outer, Name, Flags, nullptr, GError, nullptr, nullptr);
}

void* ATinyActor::operator new(std::size_t, EInternal* Memory) { return Memory; }

ATinyActor::ATinyActor() {}  // NOLINT: plain fields keep what the allocation wrote

ATinyActor::ATinyActor(const ATinyActor& Other)
    : AActor(Other),
      Counter(Other.Counter),
      NetDirtyCount(Other.NetDirtyCount),
      Text(Other.Text),
      History(Other.History) {}

ATinyActor& ATinyActor::operator=(const ATinyActor& Other) {
  AActor::operator=(Other);
  Counter = Other.Counter;
  NetDirtyCount = Other.NetDirtyCount;
  Text = Other.Text;
  History = Other.History;
  return *this;
}

ATinyActor::~ATinyActor() {
  ConditionalDestroy();
  // Tells the test that the class object outlives the objects of its class.
  GLog->Logf("~ATinyActor %s: class registered %d", GetName(),
             StaticClass()->IsRegistered() ? 1 : 0);
}

int32_t ATinyActor::MyStaticSize() { return sizeof(ATinyActor); }

void ATinyActor::NetDirty(UProperty* Property) {
  AActor::NetDirty(Property);
  NetDirtyCount++;
}

void ATinyActor::execAddToCounter(FFrame& Stack, void* Result) {
  Guarded("ATinyActor::execAddToCounter", [&] {
    int32_t Amount = 0;
    Stack.Step(Stack.Object, &Amount);
    FinishParms(Stack);
    if (Amount < 0) throw std::out_of_range("negative amount");
    Counter += Amount;
    *static_cast<int32_t*>(Result) = Counter;
  });
}

void ATinyActor::execTakeText(FFrame& Stack, void* /*Result*/) {
  Guarded("ATinyActor::execTakeText", [&] {
    OutString Taken(Stack);
    FinishParms(Stack);
    History.AddItem(Taken.Get());
    Taken.Get() = FString("taken:") + Taken.Get();
    Taken.Tell();
    eventTaken(History.Num());
  });
}

void ATinyActor::eventTaken(int32_t Count) {
  TinyTakenParms Parms{Count};
  ProcessEvent(FindFunctionChecked(TINYPKG_Taken, 0), &Parms);
}
