// Defines the class object and the allocation members that every native
// class of the engine libraries carries (the declarations are in the class).
#pragma once

#include "core/class.h"
#include "core/object.h"

#define DEFINE_ENGINE_CLASS(Class, SuperClass, ScriptName, PackageName)                            \
  UClass Class::PrivateStaticClass(                                                                \
      EC_NativeConstructor, sizeof(Class), 0, &SuperClass::PrivateStaticClass,                     \
      &UObject::PrivateStaticClass, FGuid(), ScriptName, PackageName, UObject::StaticConfigName(), \
      RF_Native, &Class::InternalConstructor, &UObject::StaticConstructor);                        \
  UClass* Class::StaticClass() { return &PrivateStaticClass; }                                     \
  void Class::InternalConstructor(void* Memory) {                                                  \
    if (Memory) new (static_cast<EInternal*>(Memory)) Class();                                     \
  }
