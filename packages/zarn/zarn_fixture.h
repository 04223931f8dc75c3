// ZarnTest: a test with the engine host, the built Zarn library loaded into
// it as the game loads it, and a level to spawn the package's actors into.
// Objects are copied through the classes' exported members.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/core.h"
#include "engine/engine.h"
#include "host/exported_members.h"
#include "host/package_host.h"

class ZarnTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // A new actor of the package class with that script name, in the level
  // (its PostBeginPlay has run).
  template <typename T>
  T* Spawn(const char* script_name) {
    return static_cast<T*>(level_->SpawnActor(host_.FindClass(script_name), NAME_None, FVector()));
  }
  // A new object of the class, outside any level.
  template <typename T>
  T* Create(const char* script_name) {
    return static_cast<T*>(host_.Create(host_.FindClass(script_name)));
  }
  // Memory the engine allocated for Source's class, before any constructor.
  template <typename T>
  T* Allocate(const T& Source) {
    return static_cast<T*>(UObject::StaticAllocateObject(Source.GetClass(), nullptr, NAME_None, 0,
                                                         nullptr, GError, nullptr, nullptr));
  }
  // Source's copy, made by the exported copy constructor of `class_name`
  // over the memory the engine allocated.
  template <typename T>
  T* CopyOf(const T& Source, const std::string& class_name) {
    T* Copy = Allocate(Source);
    Members(class_name).CopyConstruct(Copy, Source);
    return Copy;
  }
  engine_host::ExportedMembers Members(const std::string& class_name) const;
  void* Symbol(const std::string& name) const { return host_.Symbol("ZARN", name.c_str()); }

  engine_host::PackageHost host_;
  ULevel* level_ = nullptr;
};
