// ExportedMembers: the copy constructor and the assignment of a native class
// of a loaded package, found among the package's exports by their C++ symbol
// names and called as a package that derives from the class calls them. A
// test copies package objects through them without linking the package.
//
// Symbol names follow the C++ naming scheme of GCC on Linux and MinGW
// (Itanium). The members are called with the object as first argument, which
// matches the member calling convention of the 64-bit targets only.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>

#include "core/core.h"
#include "host/package_host.h"

namespace engine_host {

// The symbol name of a member of a class: Member is the mangled rest after
// the class name, such as "C1ERKS_" (copy constructor), "aSERKS_" (operator=)
// or "12MyStaticSizeEv".
inline std::string MemberSymbol(const std::string& class_name, const std::string& member) {
  return "_ZN" + std::to_string(class_name.size()) + class_name + member;
}

// How the symbol names spell std::size_t, for the allocation operators.
inline const char* SizeTypeCode() { return std::is_same_v<std::size_t, unsigned long> ? "m" : "y"; }

class ExportedMembers {
 public:
  // REQUIRES: the package is loaded and outlives this object.
  ExportedMembers(const PackageHost& host, const std::string& package,
                  const std::string& class_name)
      : copy_(Find(host, package, MemberSymbol(class_name, "C1ERKS_"))),
        assign_(Find(host, package, MemberSymbol(class_name, "aSERKS_"))) {}

  bool found() const { return copy_ && assign_; }

  // Runs the copy constructor at Memory, which the engine allocated for
  // Source's class (StaticAllocateObject), over whatever it holds.
  // REQUIRES: found().
  void CopyConstruct(void* Memory, const UObject& Source) const {
    reinterpret_cast<void (*)(void*, const UObject*)>(copy_)(Memory, &Source);
  }
  // REQUIRES: found(); Target and Source are of the class.
  void Assign(UObject& Target, const UObject& Source) const {
    reinterpret_cast<void* (*)(UObject*, const UObject*)>(assign_)(&Target, &Source);
  }

 private:
  using Function = void (*)();
  static Function Find(const PackageHost& host, const std::string& package,
                       const std::string& symbol) {
    void* address = host.Symbol(package, symbol.c_str());
    Function function = nullptr;
    std::memcpy(&function, &address, sizeof(function));
    return function;
  }

  Function copy_;
  Function assign_;
};

}  // namespace engine_host
