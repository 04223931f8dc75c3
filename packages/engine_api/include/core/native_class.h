// The native-class frame: the members every native class of a package
// carries so that the engine can build its class object, allocate, construct
// and destroy its objects, and other packages can derive from it.
//
//   class ZARN_API AMyActor : public AActor {
//     DECLARE_NATIVE_CLASS(AMyActor, AActor)     // leaves the body public
//    public:  (or protected:)
//     AMyActor();
//     AMyActor(const AMyActor& Other);
//     AMyActor& operator=(const AMyActor& Other);
//     ...own fields...
//   };
//   // In the class's source; defined there, so that the library exports them:
//   IMPLEMENT_NATIVE_CLASS(AMyActor)
//   AMyActor::AMyActor() = default;
//   AMyActor::AMyActor(const AMyActor& Other) = default;
//   AMyActor& AMyActor::operator=(const AMyActor& Other) = default;
//   // In the package's package.cc, in load order:
//   IMPLEMENT_NATIVE_CLASS_OBJECT(AMyActor, 0, AActor::StaticClass(), "MyActor", GPackage)
//
// Own fields are plain members, so the language keeps the engine's rules:
// the default constructor constructs only members that have a constructor
// (lists, strings, names, colours) and leaves every plain field as the
// engine's allocation wrote it; the destructor calls ConditionalDestroy at
// every level of the chain (only the first call has an effect), then the
// members are destroyed in reverse declaration order and the base part last.
// An exception from the destroy step or from a member's destruction passes
// on out of the chain once the members not yet destroyed and the base part
// have been destroyed, in that same order, and the memory freed (the
// destructors are noexcept(false), as UObject's is).
//
// The copy constructor and operator= are the language's: base first, then
// every own member in declaration order, each by the rule its type carries.
// Plain values, names and plain structures (core/script_fields.h) go by
// value; a boolean declared as a one-bit field takes only its own bit, so
// the bits of its word that other code owns keep their values (in copy
// constructors too, as Core's -flifetime-dse=1 keeps what the allocation
// wrote); a word the script declares as a whole is a TBoolWord, which takes
// only the class's bits; strings and lists (FStringNoInit, TArrayNoInit)
// copy element by element and leave a list untouched when it is assigned to
// itself; colours are copied raw by FColor's copy constructor and through its
// assignment in operator=.
//
// Objects are freed through UObject's sized operator delete with the size of
// the class, which is also the registered size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "core/class.h"
#include "core/names.h"
#include "core/object.h"
#include "core/output_device.h"

// The object flags of every class object a package builds.
constexpr uint32_t kNativeClassObjectFlags = 0x04084004;

// Declares the frame inside the body of TClass, a native class derived from
// TSuperClass. The members after it are public.
#define DECLARE_NATIVE_CLASS(TClass, TSuperClass)                                          \
 public:                                                                                   \
  using Super = TSuperClass;                                                               \
  static UClass PrivateStaticClass;                                                        \
  static UClass* StaticClass();                                                            \
  /* Allocates through the engine; the requested size is the engine's to decide. */        \
  static void* operator new(std::size_t Size, UObject* Outer, FName Name, uint32_t Flags); \
  /* Construction in place, at memory the engine prepared. */                              \
  static void* operator new(std::size_t Size, EInternal* Memory);                          \
  /* Runs the default constructor at Memory; a null Memory does nothing. */                \
  static void InternalConstructor(void* Memory);                                           \
  int32_t MyStaticSize() override;                                                         \
  ~TClass() noexcept(false) override;

// Defines the frame members of TClass (all but the class object).
#define IMPLEMENT_NATIVE_CLASS(TClass)                                                       \
  UClass* TClass::StaticClass() { return &PrivateStaticClass; }                              \
  void* TClass::operator new(std::size_t, UObject* Outer, FName Name, uint32_t Flags) {      \
    return UObject::StaticAllocateObject(StaticClass(), Outer, Name, Flags, nullptr, GError, \
                                         nullptr, nullptr);                                  \
  }                                                                                          \
  void* TClass::operator new(std::size_t, EInternal* Memory) { return Memory; }              \
  void TClass::InternalConstructor(void* Memory) {                                           \
    if (Memory) new (static_cast<EInternal*>(Memory)) TClass();                              \
  }                                                                                          \
  int32_t TClass::MyStaticSize() { return static_cast<int32_t>(sizeof(TClass)); }            \
  TClass::~TClass() noexcept(false) { ConditionalDestroy(); }

// Defines the class object of TClass with the values every package class
// shares. SuperClassObject is evaluated during static initialisation: call an
// engine class's StaticClass() there, or name a class object of the same
// library (it may still be unbuilt; the constructor only records it).
#define IMPLEMENT_NATIVE_CLASS_OBJECT(TClass, ClassFlags, SuperClassObject, ScriptName, Package)  \
  UClass TClass::PrivateStaticClass(                                                              \
      EC_NativeConstructor, sizeof(TClass), ClassFlags, SuperClassObject, UObject::StaticClass(), \
      FGuid(0, 0, 0, 0), ScriptName, Package, UObject::StaticConfigName(),                        \
      kNativeClassObjectFlags, &TClass::InternalConstructor, &UObject::StaticConstructor);
