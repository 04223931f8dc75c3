#include "core/object.h"

#include <cstring>
#include <map>
#include <string>

#include "core/class.h"
#include "core/class_definition.h"
#include "core/errors.h"
#include "core/frame.h"
#include "core/memory.h"
#include "core/object_table.h"
#include "core/output_device.h"

UClass UObject::PrivateStaticClass(EC_NativeConstructor, sizeof(UObject), 0, nullptr, nullptr,
                                   FGuid(), "Object", "Core", UObject::StaticConfigName(),
                                   RF_Native, &UObject::InternalConstructor,
                                   &UObject::StaticConstructor);

UClass* UObject::StaticClass() { return &PrivateStaticClass; }

void UObject::InternalConstructor(void* Memory) {
  if (Memory) new (static_cast<EInternal*>(Memory)) UObject();
}

const char* UObject::StaticConfigName() { return "System"; }

void UObject::StaticConstructor() {}

// The bookkeeping is the allocation's (see the header): neither constructor
// touches it.
UObject::UObject() {}  // NOLINT(modernize-use-equals-default)

UObject::UObject(const UObject&) {}  // NOLINT(bugprone-copy-constructor-init)

UObject& UObject::operator=(const UObject&) { return *this; }

UObject::UObject(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
                 uint32_t InFlags) {
  (void)InName;  // the class object records its own texts
  (void)InPackageName;
  FObjectTable::Prepare(this, InClass, nullptr, NAME_None, InFlags | RF_Native);
}

UObject::~UObject() noexcept(false) {
  ConditionalDestroy();
  FObjectTable::Get().Remove(this);
}

int32_t UObject::QueryInterface(const FGuid&, void** InterfacePtr) {
  if (InterfacePtr) *InterfacePtr = nullptr;
  return 0;
}

uint32_t UObject::AddRef() { return 1; }

uint32_t UObject::Release() { return 1; }

int32_t UObject::MyStaticSize() { return Class ? Class->GetPropertiesSize() : sizeof(UObject); }

void* UObject::operator new(std::size_t, UObject* Outer, FName Name, uint32_t Flags) {
  // Only UObject's own operator new lands here; classes define their own.
  return StaticAllocateObject(StaticClass(), Outer, Name, Flags, nullptr, GError, nullptr, nullptr);
}

void* UObject::operator new(std::size_t, EInternal* Memory) { return Memory; }

void UObject::operator delete(void* Object, std::size_t) { GMalloc->Free(Object); }

namespace {

FName UniqueName(UClass* Class) {
  static std::map<int32_t, int32_t> NextNumber;
  const char* Base = Class->GetScriptName();
  for (;;) {
    const std::string Text = Base + std::to_string(NextNumber[Class->GetFName().GetIndex()]++);
    if (FName(Text.c_str(), FNAME_Find) == NAME_None ||
        !UObject::StaticFindObject(UObject::StaticClass(), AnyPackage(), Text.c_str())) {
      return FName(Text.c_str(), FNAME_Add);
    }
  }
}

bool NameTaken(UObject* Outer, FName Name) {
  for (UObject* Object : FObjectTable::Get().Objects()) {
    if (Object && Object->GetOuter() == Outer && Object->GetFName() == Name) return true;
  }
  return false;
}

}  // namespace

UObject* UObject::StaticAllocateObject(UClass* Class, UObject* InOuter, FName Name,
                                       uint32_t SetFlags, UObject* Template, FOutputDevice* Error,
                                       UObject* Ptr, UObject* SubobjectRoot) {
  if (!Error) Error = GError;
  if (!Class) {
    Error->Logf("StaticAllocateObject: no class for object %s", *Name);
    return nullptr;
  }
  if (Template || Ptr || SubobjectRoot) {
    Error->Logf("StaticAllocateObject: templates and reused objects are not supported (%s)", *Name);
    return nullptr;
  }
  if (!Class->IsRegistered()) UClass::StaticRegisterPending();
  if (Name == NAME_None) {
    Name = UniqueName(Class);
  } else if (NameTaken(InOuter, Name)) {
    Error->Logf("StaticAllocateObject: an object named %s already exists there", *Name);
    return nullptr;
  }
  const size_t Size = static_cast<size_t>(Class->GetPropertiesSize());
  void* Memory = GMalloc->Malloc(Size, Class->GetScriptName());
  std::memset(Memory, 0, Size);
  UObject* Object = static_cast<UObject*>(Memory);
  FObjectTable::Prepare(Object, Class, InOuter, Name, SetFlags & ~RF_Destroyed);
  FObjectTable::Get().Add(Object);
  return Object;
}

UObject* UObject::StaticConstructObject(UClass* Class, UObject* InOuter, FName Name,
                                        uint32_t SetFlags) {
  UObject* Object =
      StaticAllocateObject(Class, InOuter, Name, SetFlags, nullptr, GError, nullptr, nullptr);
  if (!Object) return nullptr;
  if (!Class->ClassConstructor) {
    FObjectTable::Get().Remove(Object);
    GMalloc->Free(Object);
    appErrorf("Class %s has no constructor", Class->GetScriptName());
  }
  Class->ClassConstructor(Object);
  return Object;
}

UObject* UObject::StaticFindObject(UClass* Class, UObject* InOuter, const char* Name,
                                   bool ExactClass) {
  UClass::StaticRegisterPending();
  const FName Wanted(Name, FNAME_Find);
  if (Wanted == NAME_None) return nullptr;
  for (UObject* Object : FObjectTable::Get().Objects()) {
    if (!Object || Object->GetFName() != Wanted) continue;
    if (InOuter != AnyPackage() && Object->Outer != InOuter) continue;
    if (Class && (ExactClass ? Object->Class != Class : !Object->IsA(Class))) continue;
    return Object;
  }
  return nullptr;
}

int32_t UObject::GetObjectCount() { return FObjectTable::Get().Count(); }

std::vector<UObject*> UObject::GetObjects() {
  std::vector<UObject*> Live;
  for (UObject* Object : FObjectTable::Get().Objects()) {
    if (Object) Live.push_back(Object);
  }
  return Live;
}

void UObject::ConditionalDestroy() {
  if (ObjectFlags & RF_Destroyed) return;
  ObjectFlags |= RF_Destroyed;
  Destroy();
}

void UObject::Destroy() {
  StateNode = nullptr;
  FObjectTable::Get().Remove(this);
}

bool UObject::IsA(const UClass* SomeBase) const { return Class && Class->IsChildOf(SomeBase); }

UFunction* UObject::FindFunction(FName FunctionName, int32_t Global) const {
  if (!Global && StateNode) {
    if (UFunction* Function = StateNode->FindOwnFunction(FunctionName)) return Function;
  }
  for (const UClass* Search = Class; Search; Search = Search->GetSuperClass()) {
    if (UFunction* Function = Search->FindOwnFunction(FunctionName)) return Function;
  }
  return nullptr;
}

UFunction* UObject::FindFunctionChecked(FName FunctionName, int32_t Global) const {
  UFunction* Function = FindFunction(FunctionName, Global);
  if (!Function) {
    appErrorf("Failed to find function %s in %s (class %s)", *FunctionName, GetName(),
              Class ? Class->GetScriptName() : "?");
  }
  return Function;
}

EGotoState UObject::GotoState(FName State) {
  if (State == NAME_None) {
    StateNode = nullptr;
    return GOTOSTATE_Success;
  }
  UState* Found = Class ? Class->FindState(State) : nullptr;
  if (!Found) return GOTOSTATE_NotFound;
  StateNode = Found;
  return GOTOSTATE_Success;
}

void UObject::NetDirty(UProperty*) {}

void UObject::PostEditChange() {}
