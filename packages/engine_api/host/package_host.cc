#include "host/package_host.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

#include "engine/engine.h"
#include "platform/shared_library.h"

namespace engine_host {

using platform::Status;

struct PackageHost::Package {
  std::string name;
  std::vector<platform::SharedLibrary> engine_libraries;
  platform::SharedLibrary library;
  std::vector<UClass*> classes;
  // Each class's native name ("ABloodFlow"), as its exports spell it.
  std::vector<std::string> native_names;
  std::vector<int32_t> numbered_natives;
};

struct PackageHost::Declared {
  explicit Declared(const ScriptClass& declaration) : script_class(declaration) {}
  ScriptClass script_class;
  UClass* bound_to = nullptr;
  bool engine_made = false;  // the class object was made for the script class
};

namespace {

const ScriptBody kDoNothing = [](UObject*, void*, void*) {};

template <typename T>
T* Construct(UObject* outer, const std::string& name) {
  return static_cast<T*>(
      UObject::StaticConstructObject(T::StaticClass(), outer, FName(name.c_str(), FNAME_Add)));
}

UFunction* MakeFunction(UObject* outer, const ScriptFunctionDecl& decl, Native native) {
  auto* function = Construct<UFunction>(outer, decl.name);
  function->FunctionFlags =
      (decl.native ? uint32_t{FUNC_Native} : 0u) | (decl.event ? uint32_t{FUNC_Event} : 0u);
  function->iNative = decl.native_index;
  function->Func = native;
  function->Body = decl.body;
  function->ParmTypes = decl.parm_types;
  function->ParmIsOut = decl.parm_out;
  return function;
}

bool IsChildOfAny(const UClass* klass, const std::vector<UClass*>& bases) {
  return std::any_of(bases.begin(), bases.end(),
                     [klass](const UClass* base) { return klass->IsChildOf(base); });
}

}  // namespace

PackageHost::PackageHost() {
  UClass::StaticRegisterPending();
  // The events that the engine raises itself; a script class may replace them.
  // They fail only where another host still holds the engine's classes.
  for (const ScriptClass& engine_events :
       {ScriptClass("Actor", "Object").Event("AnimEnd", kDoNothing),
        ScriptClass("Pawn", "Actor").Event("ChangeAnimation", kDoNothing)}) {
    const Status status = Declare(engine_events);
    if (!status.ok()) appErrorf("%s", status.message().c_str());
  }
}

PackageHost::~PackageHost() {
  while (!packages_.empty()) UnloadPackage(packages_.back().get());
  DestroyObjectsOf({UObject::StaticClass()});
  for (auto declared = declared_.rbegin(); declared != declared_.rend(); ++declared) {
    UClass* klass = (*declared)->bound_to;
    if (!klass) continue;
    if ((*declared)->engine_made) {
      delete klass;
    } else {
      klass->ClearScript();
    }
  }
}

// Objects whose class is one of `classes` or derives from one; fields belong
// to their struct and go with it. Outers go before what they hold, since
// deleting an object deletes what it owns (a level its actors, an actor its
// animation instance); so the search starts afresh after every deletion.
void PackageHost::DestroyObjectsOf(const std::vector<UClass*>& classes) {
  const auto doomed = [&classes](const UObject* object) {
    return object && !object->IsA(UField::StaticClass()) &&
           IsChildOfAny(object->GetClass(), classes);
  };
  for (;;) {
    UObject* victim = nullptr;
    const std::vector<UObject*> live = UObject::GetObjects();
    const std::unordered_set<const UObject*> alive(live.begin(), live.end());
    for (UObject* object : live) {
      if (!doomed(object)) continue;
      victim = object;
      // An outer that is gone already owned nothing of this object.
      if (!alive.count(object->GetOuter()) || !doomed(object->GetOuter())) break;
    }
    if (!victim) return;
    delete victim;
  }
}

UClass* PackageHost::FindClass(const char* script_name) const {
  return static_cast<UClass*>(
      UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), script_name, true));
}

Status PackageHost::Declare(const ScriptClass& script_class) {
  declared_.push_back(std::make_unique<Declared>(script_class));
  return BindDeclarations();
}

Status PackageHost::Bind(Declared& declared, UClass* klass) {
  const ScriptClass& decl = declared.script_class;
  const Package* owner = nullptr;
  std::string native_name;
  for (const auto& package : packages_) {
    for (size_t i = 0; i < package->classes.size(); i++) {
      if (package->classes[i] == klass) {
        owner = package.get();
        native_name = package->native_names[i];
      }
    }
  }
  // Everything is checked before anything is added.
  const auto clash = [&](const std::string& what, const std::string& name) {
    return Status::Error("The class " + decl.name() + " already has the " + what + " " + name);
  };
  std::vector<Native> natives;
  for (const ScriptFunctionDecl& function : decl.functions()) {
    if (klass->FindOwnFunction(FName(function.name.c_str(), FNAME_Find))) {
      return clash("function", function.name);
    }
    Native native = nullptr;
    if (function.native && function.native_index >= 0) {
      if (function.native_index >= kMaxNatives || !GNatives[function.native_index]) {
        return Status::Error("Native " + std::to_string(function.native_index) + " of " +
                             decl.name() + "." + function.name + " is not registered");
      }
      native = GNatives[function.native_index];
    } else if (function.native) {
      const std::string symbol = "int" + native_name + "exec" + function.name;
      void* address = owner ? owner->library.Symbol(symbol.c_str()) : nullptr;
      if (!address) {
        return Status::Error("No export " + symbol + " for the native " + decl.name() + "." +
                             function.name);
      }
      native = *static_cast<Native*>(address);
    }
    natives.push_back(native);
  }
  for (const ScriptStateDecl& state : decl.states()) {
    if (klass->FindState(FName(state.name.c_str(), FNAME_Find))) return clash("state", state.name);
  }
  for (const ScriptPropertyDecl& property : decl.properties()) {
    if (klass->FindProperty(FName(property.name.c_str(), FNAME_Find))) {
      return clash("property", property.name);
    }
  }

  for (size_t i = 0; i < decl.functions().size(); i++) {
    klass->AddFunction(MakeFunction(klass, decl.functions()[i], natives[i]));
  }
  for (const ScriptStateDecl& state_decl : decl.states()) {
    auto* state = Construct<UState>(klass, state_decl.name);
    for (const ScriptFunctionDecl& function : state_decl.functions) {
      state->AddFunction(MakeFunction(state, function, nullptr));
    }
    klass->AddState(state);
  }
  for (const ScriptPropertyDecl& property_decl : decl.properties()) {
    auto* property = Construct<UProperty>(klass, property_decl.name);
    property->Type = property_decl.type;
    property->Offset = property_decl.offset;
    klass->AddProperty(property);
  }
  declared.bound_to = klass;
  return Status::Ok();
}

// Binds every declaration whose class exists; a script class without native
// code gets a class object of its own once its super class exists, which may
// in turn let a script subclass of it bind.
Status PackageHost::BindDeclarations() {
  for (bool progress = true; progress;) {
    progress = false;
    for (const auto& declared : declared_) {
      if (declared->bound_to) continue;
      const ScriptClass& decl = declared->script_class;
      UClass* klass = FindClass(decl.name().c_str());
      if (!klass && !decl.script_only()) continue;
      if (!klass) {
        UClass* super = FindClass(decl.super_name().empty() ? "Object" : decl.super_name().c_str());
        if (!super) continue;
        UObject* memory = UObject::StaticAllocateObject(UClass::StaticClass(), nullptr,
                                                        FName(decl.name().c_str(), FNAME_Add), 0,
                                                        nullptr, GError, nullptr, nullptr);
        klass = new (static_cast<EInternal*>(static_cast<void*>(memory))) UClass(super);
        declared->engine_made = true;
      }
      Status status = Bind(*declared, klass);
      if (!status.ok()) {
        if (declared->engine_made) delete klass;
        declared->engine_made = false;
        return status;
      }
      progress = true;
    }
  }
  return Status::Ok();
}

Status PackageHost::Load(const std::string& path,
                         const std::vector<std::string>& engine_libraries) {
  auto package = std::make_unique<Package>();
  const size_t slash = path.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  for (const std::string& stem : engine_libraries) {
    platform::SharedLibrary library;
    Status status = library.Open(folder + "/" + platform::SharedLibraryFileName(stem));
    if (!status.ok()) return status;
    package->engine_libraries.push_back(std::move(library));
  }
  UClass::StaticRegisterPending();  // the engine libraries' own classes

  std::vector<Native> natives_before(GNatives, GNatives + kMaxNatives);
  Status status = package->library.Open(path);
  if (!status.ok()) return status;
  std::vector<UClass*> built = UClass::StaticRegisterPending();
  for (int32_t i = 0; i < kMaxNatives; i++) {
    if (GNatives[i] != natives_before[i]) package->numbered_natives.push_back(i);
  }
  // From here on a failure unloads what was loaded.
  packages_.push_back(std::move(package));
  Package& loaded = *packages_.back();
  auto fail = [&](const std::string& message) {
    UnloadPackage(&loaded);
    return Status::Error("Cannot bind " + path + ": " + message);
  };

  const auto* package_name = static_cast<const char*>(loaded.library.Symbol("GPackage"));
  if (!package_name) return fail("it exports no GPackage");
  for (const auto& other : packages_) {
    if (other.get() != &loaded && other->name == package_name) {
      return fail(std::string("the package ") + package_name + " is already loaded");
    }
  }
  loaded.name = package_name;
  for (UClass* klass : built) {
    if (std::string(klass->GetPackageName()) != loaded.name) continue;
    std::string native_name;
    for (const char* prefix : {"A", "U"}) {
      const std::string candidate = prefix + std::string(klass->GetScriptName());
      auto* autoclass =
          static_cast<UClass**>(loaded.library.Symbol(("autoclass" + candidate).c_str()));
      if (autoclass && *autoclass == klass) native_name = candidate;
    }
    if (native_name.empty()) {
      return fail(std::string("no autoclass export holds the class ") + klass->GetScriptName());
    }
    loaded.classes.push_back(klass);
    loaded.native_names.push_back(native_name);
  }
  using InitHook = void (*)();
  const std::string hook_name = loaded.name + "InitNativePackage";
  auto hook = reinterpret_cast<InitHook>(loaded.library.Symbol(hook_name.c_str()));
  if (!hook) return fail("it exports no " + hook_name);
  status = BindDeclarations();
  if (!status.ok()) return fail(status.message());
  hook();
  return Status::Ok();
}

Status PackageHost::Unload(const std::string& package_name) {
  for (const auto& package : packages_) {
    if (package->name == package_name) {
      UnloadPackage(package.get());
      return Status::Ok();
    }
  }
  return Status::Error("The package " + package_name + " is not loaded");
}

void PackageHost::UnloadPackage(Package* package) {
  DestroyObjectsOf(package->classes);
  // Script classes made on top of the package's classes go before them.
  for (auto declared = declared_.rbegin(); declared != declared_.rend(); ++declared) {
    UClass* klass = (*declared)->bound_to;
    if (!klass || !IsChildOfAny(klass, package->classes)) continue;
    if ((*declared)->engine_made) delete klass;
    (*declared)->bound_to = nullptr;
    (*declared)->engine_made = false;
  }
  for (int32_t index : package->numbered_natives) GNatives[index] = nullptr;
  package->library.Close();  // the library's class objects go, last built first
  while (!package->engine_libraries.empty()) package->engine_libraries.pop_back();
  packages_.erase(std::find_if(packages_.begin(), packages_.end(),
                               [package](const auto& held) { return held.get() == package; }));
}

bool PackageHost::IsLoaded(const std::string& package_name) const {
  return std::any_of(packages_.begin(), packages_.end(),
                     [&](const auto& package) { return package->name == package_name; });
}

std::vector<UClass*> PackageHost::Classes(const std::string& package_name) const {
  for (const auto& package : packages_) {
    if (package->name == package_name) return package->classes;
  }
  return {};
}

void* PackageHost::Symbol(const std::string& package_name, const char* symbol) const {
  for (const auto& package : packages_) {
    if (package->name == package_name) return package->library.Symbol(symbol);
  }
  return nullptr;
}

UObject* PackageHost::Create(UClass* script_class, FName name, UObject* outer) {
  return UObject::StaticConstructObject(script_class, outer, name);
}

void PackageHost::Destroy(UObject* object) { delete object; }

}  // namespace engine_host
