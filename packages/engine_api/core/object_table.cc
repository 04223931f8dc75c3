#include "core/object_table.h"

#include <algorithm>

FObjectTable& FObjectTable::Get() {
  static FObjectTable* Table = new FObjectTable;  // never destroyed, see the header
  return *Table;
}

void FObjectTable::Add(UObject* Object) {
  int32_t Slot;
  if (!FreeSlots.empty()) {
    Slot = FreeSlots.back();
    FreeSlots.pop_back();
    Objects_[Slot] = Object;
  } else {
    Slot = static_cast<int32_t>(Objects_.size());
    Objects_.push_back(Object);
  }
  Object->Index = Slot;
  Live++;
}

bool FObjectTable::Contains(const UObject* Object) const {
  return Object->Index >= 0 && Object->Index < static_cast<int32_t>(Objects_.size()) &&
         Objects_[Object->Index] == Object;
}

void FObjectTable::Remove(UObject* Object) {
  if (!Contains(Object)) return;
  Objects_[Object->Index] = nullptr;
  FreeSlots.push_back(Object->Index);
  Object->Index = -1;
  Live--;
}

void FObjectTable::Prepare(UObject* Object, UClass* Class, UObject* Outer, FName Name,
                           uint32_t Flags) {
  Object->Index = -1;
  Object->Outer = Outer;
  Object->ObjectFlags = Flags;
  Object->NameIndex = Name.GetIndex();
  Object->Class = Class;
  Object->StateNode = nullptr;
}
