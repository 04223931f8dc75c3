// PackageHost: the engine's side of native packages. It loads a package
// library by path after the engine libraries it needs, registers the class
// objects the library built while loading, checks them against its
// autoclass<Class> exports, binds the natives of the declared script classes
// (numbered ones through GNatives, the others by name through the library's
// int<Class>exec<Name> exports), and calls <GPackage>InitNativePackage.
// It creates objects through StaticAllocateObject and the class's
// InternalConstructor. Unloading destroys every object of the package's
// classes, clears the package's numbered natives, unloads the library (whose
// class objects are then destroyed in the reverse order of their
// construction) and then its engine libraries, in reverse order.
//
// A load that fails leaves nothing loaded and says why. Destroying the host
// unloads every package, the last loaded first.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/core.h"
#include "host/script_class.h"
#include "platform/status.h"

namespace engine_host {

class PackageHost {
 public:
  // Registers the engine's own classes.
  PackageHost();
  ~PackageHost();
  PackageHost(const PackageHost&) = delete;
  PackageHost& operator=(const PackageHost&) = delete;

  // Declares a script class. Its functions are bound now when its class
  // object exists (an engine class or one of a loaded package), otherwise at
  // the load that brings it; a ScriptOnly class gets a class object made by
  // the engine once its super class exists. Declaring a class again adds to
  // it. Fails, adding nothing, when a native cannot be bound or a function,
  // state or property of that name exists already in the class. One host at
  // a time: it adds script functions to the engine's classes and takes them
  // away again when it is destroyed.
  platform::Status Declare(const ScriptClass& script_class);

  // Loads the package library at `path`, first loading each of
  // `engine_libraries` (stems such as "Core", "Engine", "ZADPawn") from the
  // folder that holds `path`. Fails when a library cannot be loaded, the
  // package exports no GPackage or no <GPackage>InitNativePackage, a class
  // has no matching autoclass export, or a declared native cannot be bound.
  platform::Status Load(const std::string& path, const std::vector<std::string>& engine_libraries);
  // Unloads the package named `package_name` (its GPackage text).
  platform::Status Unload(const std::string& package_name);
  bool IsLoaded(const std::string& package_name) const;

  // The package's class objects in the order the library built them.
  std::vector<UClass*> Classes(const std::string& package_name) const;
  // The class object with this script name (engine, package or script
  // class), or null.
  UClass* FindClass(const char* script_name) const;
  // An exported symbol of a loaded package, or null.
  void* Symbol(const std::string& package_name, const char* symbol) const;

  // A new object of `script_class`, allocated and constructed by the engine.
  UObject* Create(UClass* script_class, FName name = NAME_None, UObject* outer = nullptr);
  // Deletes an object (runs its destructor chain and frees it).
  void Destroy(UObject* object);

 private:
  struct Package;
  struct Declared;
  platform::Status BindDeclarations();
  platform::Status Bind(Declared& declared, UClass* script_class);
  void UnloadPackage(Package* package);
  void DestroyObjectsOf(const std::vector<UClass*>& classes);

  std::vector<std::unique_ptr<Package>> packages_;
  std::vector<std::unique_ptr<Declared>> declared_;
};

}  // namespace engine_host
