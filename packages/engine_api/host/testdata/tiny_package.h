// TinyPkg: the smallest native package, built for the host's tests. One actor
// class with a numbered native (AddToCounter, 3001), a native bound by name
// (TakeText) and an event it raises (Taken), exported as the engine expects.
#pragma once

#include <cstdint>

#include "engine/engine.h"

#ifndef TINY_API
#define TINY_API
#endif

constexpr int32_t kAddToCounterNative = 3001;

class TINY_API ATinyActor : public AActor {
 public:
  ATinyActor();
  ATinyActor(const ATinyActor& Other);
  ATinyActor& operator=(const ATinyActor& Other);
  ~ATinyActor() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  static void* operator new(std::size_t Size, UObject* Outer, FName Name, uint32_t Flags);
  static void* operator new(std::size_t Size, EInternal* Memory);
  int32_t MyStaticSize() override;
  void NetDirty(UProperty* Property) override;

  // AddToCounter(int Amount): adds Amount to Counter and returns it. A
  // negative Amount throws std::out_of_range (a fault that is not the
  // engine's, to show the guard).
  void execAddToCounter(FFrame& Stack, void* Result);
  // TakeText(out string Text): keeps Text in History, replaces it with
  // "taken:" + Text and raises Taken(History count).
  void execTakeText(FFrame& Stack, void* Result);
  void eventTaken(int32_t Count);

  int32_t Counter;
  int32_t NetDirtyCount;
  FStringNoInit Text;
  TArrayNoInit<FString> History;
};

// The parameter block of the event Taken.
struct TinyTakenParms {
  int32_t Count;
};
