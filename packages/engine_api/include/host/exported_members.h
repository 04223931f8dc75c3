// ExportedMembers: the copy constructor and the assignment of a native class
// of a loaded package, found among the package's exports by their C++ symbol
// names and called as a package that derives from the class calls them. A
// test copies package objects through them without linking the package.
//
// Symbol names and pointers to members follow the C++ ABI of GCC on Linux and
// MinGW (Itanium). The members are called through pointers to members, so that
// the compiler passes the object as each target's members take it (in a
// register on i686 Windows, as the first argument elsewhere).
#pragma once

#include <cstddef>
#include <cstdint>
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
inline const char* SizeTypeCode() {
  if constexpr (std::is_same_v<std::size_t, unsigned int>) return "j";
  if constexpr (std::is_same_v<std::size_t, unsigned long>) return "m";
  return "y";
}

// The pointer to member for the non-virtual member function at `address`
// (an export found by MemberSymbol), such as void (AClass::*)(char*): the
// function's address and no adjustment of the object's address.
template <typename Member>
Member MemberAt(void* address) {
  struct {
    std::uintptr_t function;
    std::ptrdiff_t adjustment;
  } parts{reinterpret_cast<std::uintptr_t>(address), 0};
  static_assert(sizeof(Member) == sizeof(parts));
  Member member;
  std::memcpy(&member, &parts, sizeof(member));
  return member;
}

class ExportedMembers {
 public:
  // REQUIRES: the package is loaded and outlives this object.
  ExportedMembers(const PackageHost& host, const std::string& package,
                  const std::string& class_name)
      : copy_(host.Symbol(package, MemberSymbol(class_name, "C1ERKS_").c_str())),
        assign_(host.Symbol(package, MemberSymbol(class_name, "aSERKS_").c_str())) {}

  bool found() const { return copy_ && assign_; }

  // Runs the copy constructor at Memory, which the engine allocated for
  // Source's class (StaticAllocateObject), over whatever it holds.
  // REQUIRES: found().
  void CopyConstruct(void* Memory, const UObject& Source) const {
    (static_cast<UObject*>(Memory)->*MemberAt<Copy>(copy_))(Source);
  }
  // REQUIRES: found(); Target and Source are of the class.
  void Assign(UObject& Target, const UObject& Source) const {
    (Target.*MemberAt<Assignment>(assign_))(Source);
  }

 private:
  using Copy = void (UObject::*)(const UObject&);
  using Assignment = UObject& (UObject::*)(const UObject&);

  void* copy_;
  void* assign_;
};

}  // namespace engine_host
