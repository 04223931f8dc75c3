#include "core/class.h"

#include <algorithm>

#include "core/class_definition.h"
#include "core/errors.h"
#include "core/math.h"
#include "core/object_table.h"
#include "core/strings.h"

int32_t ScriptTypeSize(EScriptType Type) {
  switch (Type) {
    case EScriptType::Byte:
      return 1;
    case EScriptType::Int:
    case EScriptType::Float:
    case EScriptType::Bool:
    case EScriptType::Name:
      return 4;
    case EScriptType::Vector:
      return sizeof(FVector);
    case EScriptType::Rotator:
      return sizeof(FRotator);
    case EScriptType::String:
      return sizeof(FString);
    case EScriptType::Object:
      return sizeof(UObject*);
  }
  return 0;
}

int32_t ScriptTypeAlign(EScriptType Type) {
  switch (Type) {
    case EScriptType::Byte:
      return 1;
    case EScriptType::String:
    case EScriptType::Object:
      return alignof(void*);
    default:
      return 4;
  }
}

DEFINE_ENGINE_CLASS(UField, UObject, "Field", "Core")
DEFINE_ENGINE_CLASS(UProperty, UField, "Property", "Core")
DEFINE_ENGINE_CLASS(UStruct, UField, "Struct", "Core")
DEFINE_ENGINE_CLASS(UFunction, UStruct, "Function", "Core")
DEFINE_ENGINE_CLASS(UState, UStruct, "State", "Core")

UClass UClass::PrivateStaticClass(EC_NativeConstructor, sizeof(UClass), 0,
                                  &UState::PrivateStaticClass, &UObject::PrivateStaticClass,
                                  FGuid(), "Class", "Core", UObject::StaticConfigName(), RF_Native,
                                  nullptr, &UObject::StaticConstructor);

UClass* UClass::StaticClass() { return &PrivateStaticClass; }

UField::UField() = default;

UField::UField(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
               uint32_t InFlags)
    : UObject(EC_NativeConstructor, InClass, InName, InPackageName, InFlags) {}

UProperty::UProperty() = default;

UStruct::UStruct() = default;

UStruct::UStruct(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
                 uint32_t InFlags)
    : UField(EC_NativeConstructor, InClass, InName, InPackageName, InFlags) {}

UStruct::~UStruct() { ConditionalDestroy(); }

UFunction* UStruct::FindOwnFunction(FName FunctionName) const {
  for (UFunction* Function : Functions) {
    if (Function->GetFName() == FunctionName) return Function;
  }
  return nullptr;
}

void UStruct::AddFunction(UFunction* Function) { Functions.push_back(Function); }

UProperty* UStruct::FindProperty(FName PropertyName) const {
  for (UProperty* Property : Properties) {
    if (Property->GetFName() == PropertyName) return Property;
  }
  return nullptr;
}

void UStruct::AddProperty(UProperty* Property) { Properties.push_back(Property); }

void UStruct::ClearScript() {
  // Taken out first: a deleted field must not be found while others go.
  std::vector<UFunction*> OldFunctions;
  OldFunctions.swap(Functions);
  std::vector<UProperty*> OldProperties;
  OldProperties.swap(Properties);
  for (auto Function = OldFunctions.rbegin(); Function != OldFunctions.rend(); ++Function) {
    delete *Function;
  }
  for (auto Property = OldProperties.rbegin(); Property != OldProperties.rend(); ++Property) {
    delete *Property;
  }
}

void UStruct::Destroy() {
  ClearScript();
  UField::Destroy();
}

UFunction::UFunction() = default;

UState::UState() = default;

UState::UState(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
               uint32_t InFlags)
    : UStruct(EC_NativeConstructor, InClass, InName, InPackageName, InFlags) {}

UClass::UClass(ENativeConstructor, uint32_t InSize, uint32_t InClassFlags, UClass* InSuperClass,
               UClass* InWithinClass, FGuid InGuid, const char* InName, const char* InPackageName,
               const char* InConfigName, uint32_t InFlags, void (*InClassConstructor)(void*),
               void (UObject::*InClassStaticConstructor)())
    : UState(EC_NativeConstructor, &UClass::PrivateStaticClass, InName, InPackageName, InFlags),
      ClassConstructor(InClassConstructor),
      ClassStaticConstructor(InClassStaticConstructor),
      PropertiesSize(InSize),
      ClassFlags(InClassFlags),
      SuperClass(InSuperClass),
      WithinClass(InWithinClass),
      Guid(InGuid),
      ScriptName(InName),
      PackageName(InPackageName),
      ConfigName(InConfigName) {
  FObjectTable::Get().Pending.push_back(this);
}

UClass::UClass(UClass* InSuperClass)
    : ClassConstructor(InSuperClass->ClassConstructor),
      ClassStaticConstructor(InSuperClass->ClassStaticConstructor),
      PropertiesSize(InSuperClass->PropertiesSize),
      ClassFlags(InSuperClass->ClassFlags),
      SuperClass(InSuperClass),
      WithinClass(InSuperClass->WithinClass),
      ScriptName(*GetFName()),
      PackageName(InSuperClass->PackageName),
      ConfigName(InSuperClass->ConfigName) {}

UClass::~UClass() { ConditionalDestroy(); }

bool UClass::IsChildOf(const UClass* SomeBase) const {
  for (const UClass* Search = this; Search; Search = Search->SuperClass) {
    if (Search == SomeBase) return true;
  }
  return false;
}

UState* UClass::FindState(FName StateName) const {
  for (const UClass* Search = this; Search; Search = Search->SuperClass) {
    for (UState* State : Search->States) {
      if (State->GetFName() == StateName) return State;
    }
  }
  return nullptr;
}

void UClass::AddState(UState* State) { States.push_back(State); }

void UClass::ClearScript() {
  UState::ClearScript();
  std::vector<UState*> OldStates;
  OldStates.swap(States);
  for (auto State = OldStates.rbegin(); State != OldStates.rend(); ++State) delete *State;
}

void UClass::Destroy() {
  std::vector<UClass*>& Pending = FObjectTable::Get().Pending;
  Pending.erase(std::remove(Pending.begin(), Pending.end(), this), Pending.end());
  UState::Destroy();
}

std::vector<UClass*> UClass::StaticRegisterPending() {
  std::vector<UClass*> Registered;
  Registered.swap(FObjectTable::Get().Pending);
  for (UClass* Class : Registered) {
    FObjectTable::SetName(Class, FName(Class->ScriptName, FNAME_Add));
    FObjectTable::Get().Add(Class);
  }
  for (UClass* Class : Registered) {
    if (Class->ClassStaticConstructor) (Class->*Class->ClassStaticConstructor)();
  }
  return Registered;
}
