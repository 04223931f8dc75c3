// FName: an index into the engine's name table. Names compare without regard
// to case; the table keeps the spelling of the first creation. Index 0 is the
// none name ("None"). Names are never removed from the table.
#pragma once

#include <cstdint>

#include "core/api.h"

enum EName : int32_t { NAME_None = 0 };

enum EFindName : int32_t {
  FNAME_Find = 0,   // only finds: an unknown text gives the none name
  FNAME_Add = 1,    // finds or creates
  FNAME_Create = 2  // finds or creates (the mode packages pass for their event names)
};

class CORE_API FName {
 public:
  FName() : Index(NAME_None) {}
  FName(EName N) : Index(N) {}  // NOLINT: the none name converts implicitly
  // Exact: when true, only the same spelling (case included) matches; a text
  // that differs from an existing name only in case then gives the none name,
  // in every mode (the table never holds two spellings of one name).
  FName(const char* Text, EFindName FindType, bool Exact = false);

  int32_t GetIndex() const { return Index; }
  // The text; "None" for the none name.
  const char* operator*() const;
  bool operator==(const FName& Other) const { return Index == Other.Index; }
  bool operator!=(const FName& Other) const { return Index != Other.Index; }

  // Number of entries in the name table (the none name included).
  static int32_t GetMaxNames();

 private:
  int32_t Index;
};
