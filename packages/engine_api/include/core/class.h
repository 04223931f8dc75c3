// The engine's reflection objects: fields (properties and functions), states
// and classes. A class object built by a library with the native constructor
// only records its arguments (its super class object may still be unbuilt);
// the engine registers it (names, links, object table) when it binds the
// library, and the class's destructor, which runs when the library unloads,
// takes it out again. Functions, states and properties are created by the
// engine when it binds script classes and belong to their class.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/api.h"
#include "core/object.h"

// The kinds of values the script frame carries.
enum class EScriptType : uint8_t {
  Int,      // 32-bit signed
  Float,    // 32-bit float
  Bool,     // 32-bit word, 0 or 1
  Byte,     // 8-bit
  Vector,   // FVector
  Rotator,  // FRotator
  String,   // FString
  Name,     // FName
  Object    // UObject*
};

// Bytes a value of the kind takes in a parameter block or a frame's locals.
CORE_API int32_t ScriptTypeSize(EScriptType Type);
// Its alignment there: parameters lie at their natural alignment, in order.
CORE_API int32_t ScriptTypeAlign(EScriptType Type);

class CORE_API UField : public UObject {
 public:
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  UField();
  UField(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
         uint32_t InFlags);
};

// A script property: a value of a given type at a byte offset of its object.
class CORE_API UProperty : public UField {
 public:
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  UProperty();

  int32_t Offset = 0;
  EScriptType Type = EScriptType::Int;
};

// A script function body written in C++: runs on Self with the parameter
// block Parms (or null) and writes any return value at Result (or null).
using ScriptBody = std::function<void(UObject* Self, void* Parms, void* Result)>;

class CORE_API UStruct : public UField {
 public:
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  UStruct();
  UStruct(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
          uint32_t InFlags);
  ~UStruct() override;

  // This struct's own function of that name, or null.
  UFunction* FindOwnFunction(FName FunctionName) const;
  // Takes ownership: the function is destroyed with this struct.
  void AddFunction(UFunction* Function);
  const std::vector<UFunction*>& GetFunctions() const { return Functions; }
  // This struct's own property of that name, or null.
  UProperty* FindProperty(FName PropertyName) const;
  // Takes ownership: the property is destroyed with this struct.
  void AddProperty(UProperty* Property);
  // Destroys the functions and properties (the script side of the struct).
  virtual void ClearScript();
  void Destroy() override;

 private:
  std::vector<UFunction*> Functions;
  std::vector<UProperty*> Properties;
};

enum EFunctionFlags : uint32_t {
  FUNC_Native = 0x1,  // bound to a native (Func)
  FUNC_Event = 0x2    // raised by native code through ProcessEvent
};

class CORE_API UFunction : public UStruct {
 public:
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  UFunction();

  uint32_t FunctionFlags = 0;
  // Native number (GNatives index), or -1 for a native bound by name.
  int32_t iNative = -1;
  // The native, once bound; null before.
  Native Func = nullptr;
  // The script code of a non-native function.
  ScriptBody Body;
  // Parameter kinds in order; lets ProcessEvent call a native with a block.
  std::vector<EScriptType> ParmTypes;
  std::vector<bool> ParmIsOut;
};

class CORE_API UState : public UStruct {
 public:
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  UState();
  UState(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
         uint32_t InFlags);
};

class CORE_API UClass : public UState {
 public:
  // Only records its arguments; see the header comment.
  UClass(ENativeConstructor, uint32_t InSize, uint32_t InClassFlags, UClass* InSuperClass,
         UClass* InWithinClass, FGuid InGuid, const char* InName, const char* InPackageName,
         const char* InConfigName, uint32_t InFlags, void (*InClassConstructor)(void*),
         void (UObject::*InClassStaticConstructor)());
  // A class made by the engine at run time for a script class without native
  // code: it shares its super class's size and constructor.
  UClass(UClass* InSuperClass);
  ~UClass() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();

  UClass* GetSuperClass() const { return SuperClass; }
  UClass* GetWithinClass() const { return WithinClass; }
  // The registered size: what StaticAllocateObject allocates.
  int32_t GetPropertiesSize() const { return static_cast<int32_t>(PropertiesSize); }
  uint32_t GetClassFlags() const { return ClassFlags; }
  const FGuid& GetGuid() const { return Guid; }
  // The package name and configuration name passed at construction.
  const char* GetPackageName() const { return PackageName; }
  const char* GetConfigName() const { return ConfigName; }
  // The script name passed at construction (valid before registration too).
  const char* GetScriptName() const { return ScriptName; }
  bool IsChildOf(const UClass* SomeBase) const;
  bool IsRegistered() const { return Index >= 0; }

  // The state of this class or a super class with that name, or null.
  UState* FindState(FName StateName) const;
  // Takes ownership: the state is destroyed with this class.
  void AddState(UState* State);
  // Also destroys the states.
  void ClearScript() override;

  // Registers every class object built since the last call (names, links,
  // object table, then each class's static constructor) and returns them in
  // the order they were built. The engine does this after each library it
  // loads; allocating or finding objects does it too.
  static std::vector<UClass*> StaticRegisterPending();

  void (*ClassConstructor)(void*);
  void (UObject::*ClassStaticConstructor)();

  void Destroy() override;

 private:
  uint32_t PropertiesSize;
  uint32_t ClassFlags;
  UClass* SuperClass;
  UClass* WithinClass;
  FGuid Guid;
  const char* ScriptName;
  const char* PackageName;
  const char* ConfigName;
  std::vector<UState*> States;
};
