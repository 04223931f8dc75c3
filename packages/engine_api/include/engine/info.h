// AInfo, an actor that is not seen (496 bytes on the 32-bit target), and
// ALevelInfo, the level's information actor that every actor of a level
// references (AActor::Level); it holds the map key at byte offset 1004 on the
// 32-bit target.
#pragma once

#include <cstdint>

#include "engine/actor.h"
#include "engine/api.h"

class ENGINE_API AInfo : public AActor {
 public:
  AInfo();
  AInfo(const AInfo& Other);
  AInfo& operator=(const AInfo& Other);
  ~AInfo() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;
};

class ENGINE_API ALevelInfo : public AInfo {
 public:
  ALevelInfo();
  ~ALevelInfo() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;

  uint8_t ReservedD[508];
  // Identifies the map; set by whoever loads the level.
  int32_t MapKey;
};
