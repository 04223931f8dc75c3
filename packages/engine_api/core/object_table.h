// The engine's registry of live objects and of class objects still waiting to
// be registered. It lives until the process ends on purpose: libraries unload
// in an order the loader chooses, and the class destructors of a library that
// unloads late still take their classes out of it.
#pragma once

#include <cstdint>
#include <vector>

#include "core/object.h"

class FObjectTable {
 public:
  static FObjectTable& Get();

  // Enters the object under a free slot and stores the slot in it.
  void Add(UObject* Object);
  // Takes the object out when it is in; does nothing otherwise.
  void Remove(UObject* Object);
  bool Contains(const UObject* Object) const;
  const std::vector<UObject*>& Objects() const { return Objects_; }
  int32_t Count() const { return Live; }

  std::vector<UClass*> Pending;

  // Bookkeeping of UObject that the engine writes outside constructors.
  static void Prepare(UObject* Object, UClass* Class, UObject* Outer, FName Name, uint32_t Flags);
  static void SetName(UObject* Object, FName Name) { Object->NameIndex = Name.GetIndex(); }

 private:
  std::vector<UObject*> Objects_;
  std::vector<int32_t> FreeSlots;
  int32_t Live = 0;
};
