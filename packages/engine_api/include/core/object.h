// UObject: the base of every engine object. The engine owns every object: it
// allocates it (StaticAllocateObject), constructs it in place through its
// class's InternalConstructor, keeps it in its object table (found by
// StaticFindObject) and destroys it (delete, which runs ConditionalDestroy and
// frees through the sized operator delete).
//
// The engine's bookkeeping (class, outer, name, flags, table slot, state) is
// written by StaticAllocateObject before any constructor runs; the default and
// copy constructors keep it and assignment never copies it, so an object
// keeps its identity. Objects therefore live only in memory the engine
// prepared: to copy one, allocate it with operator new(size, Outer, Name,
// Flags) and copy-construct it there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/api.h"
#include "core/guid.h"
#include "core/names.h"

class FFrame;
class FOutputDevice;
class UObject;
class UClass;
class UFunction;
class UProperty;
class UState;

// Marker of the class constructor that only records its arguments.
enum ENativeConstructor { EC_NativeConstructor };
// Marker of the allocation operator that constructs at a given address.
enum EInternal { EC_Internal };

enum EGotoState : int32_t { GOTOSTATE_NotFound = 0, GOTOSTATE_Success = 1 };

// Object flags the engine itself reads. The rest of the flag word is carried
// as the creator passed it.
enum EObjectFlags : uint32_t {
  RF_Native = 0x04000000,     // built by native code (class objects of libraries)
  RF_Destroyed = 0x80000000u  // the destroy step has run
};

// The outer argument of StaticFindObject that searches every package.
inline UObject* AnyPackage() { return reinterpret_cast<UObject*>(static_cast<intptr_t>(-1)); }

// A native function of a script class: reads its arguments from Stack and
// writes its result at Result.
using Native = void (UObject::*)(FFrame& Stack, void* Result);

class CORE_API UObject {
 public:
  // The first five virtual operations, in this order, are part of the binding
  // contract: package classes replace MyStaticSize and the destructor in place.
  virtual int32_t QueryInterface(const FGuid& RefIID, void** InterfacePtr);
  virtual uint32_t AddRef();
  virtual uint32_t Release();
  // The registered size of the object's class.
  virtual int32_t MyStaticSize();
  // An engine error in the destroy step (or in a member's destruction) passes
  // on, after the rest of the object has been destroyed; so every destructor
  // of the chain may throw.
  virtual ~UObject() noexcept(false);

  // Runs Function on this object at once. Parms is its parameter block (or
  // null); out parameters come back in it. A script function runs its body; a
  // native function is called with a frame that reads Parms.
  virtual void ProcessEvent(UFunction* Function, void* Parms, void* Result = nullptr);
  // Enters the named script state of the object's class (or a super class);
  // the none name leaves every state. An unknown state changes nothing.
  virtual EGotoState GotoState(FName State);
  // Told that Property of this object was changed by native code.
  virtual void NetDirty(UProperty* Property);
  // The editor changed a property.
  virtual void PostEditChange();
  // The destroy step; runs once, through ConditionalDestroy. Overrides call
  // the base version last.
  virtual void Destroy();

  UObject();
  UObject(const UObject& Other);
  UObject& operator=(const UObject& Other);
  // For class objects built by libraries at load: only records its arguments;
  // the engine registers the object later.
  UObject(ENativeConstructor, UClass* InClass, const char* InName, const char* InPackageName,
          uint32_t InFlags);

  static void* operator new(std::size_t Size, UObject* Outer, FName Name, uint32_t Flags);
  static void* operator new(std::size_t Size, EInternal* Memory);
  // Frees through GMalloc; Size is the class's size.
  static void operator delete(void* Object, std::size_t Size);

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static const char* StaticConfigName();
  static void InternalConstructor(void* Memory);
  // The class's static set-up step; UObject's does nothing.
  void StaticConstructor();

  // New zeroed memory of Class's registered size with the bookkeeping written
  // in: named Name (a unique "<Class><n>" for the none name), entered in the
  // object table. No constructor has run. A null Class, or a name already held
  // by an object of the same outer, is reported to Error (GError: fatal).
  // Template, Ptr and SubobjectRoot must be null (reported to Error otherwise).
  static UObject* StaticAllocateObject(UClass* Class, UObject* InOuter, FName Name,
                                       uint32_t SetFlags, UObject* Template, FOutputDevice* Error,
                                       UObject* Ptr, UObject* SubobjectRoot);
  // StaticAllocateObject followed by the class's InternalConstructor.
  static UObject* StaticConstructObject(UClass* Class, UObject* InOuter, FName Name,
                                        uint32_t SetFlags = 0);
  // The object of Class or a subclass (only Class when ExactClass) named Name,
  // inside InOuter or, for AnyPackage(), anywhere; null when there is none.
  static UObject* StaticFindObject(UClass* Class, UObject* InOuter, const char* Name,
                                   bool ExactClass = false);
  // Number of objects in the table (class objects included).
  static int32_t GetObjectCount();
  // Every object in the table, in table order.
  static std::vector<UObject*> GetObjects();

  // Runs the destroy step once; later calls do nothing.
  void ConditionalDestroy();
  bool IsA(const UClass* SomeBase) const;
  // The named function: in the current state first (unless Global), then in
  // the class and its super classes. FindFunction gives null when absent;
  // FindFunctionChecked raises a fatal engine error.
  UFunction* FindFunction(FName Name, int32_t Global = 0) const;
  UFunction* FindFunctionChecked(FName Name, int32_t Global = 0) const;

  UClass* GetClass() const { return Class; }
  UObject* GetOuter() const { return Outer; }
  FName GetFName() const { return FName(static_cast<EName>(NameIndex)); }
  const char* GetName() const { return *GetFName(); }
  uint32_t GetFlags() const { return ObjectFlags; }
  // The current script state; null when the object is in none.
  UState* GetStateNode() const { return StateNode; }
  // The object's slot in the object table; -1 while unregistered.
  int32_t GetIndex() const { return Index; }

 protected:
  friend class FObjectTable;

  // Engine bookkeeping (see the header comment). The name is kept as its
  // index: an FName member would be reset by every constructor.
  int32_t Index;
  UObject* Outer;
  uint32_t ObjectFlags;
  int32_t NameIndex;
  UClass* Class;
  UState* StateNode;
};
