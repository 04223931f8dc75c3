// FString: the engine's 8-bit string, an FArray of characters that holds the
// terminator when it is not empty (12 bytes on the 32-bit target). Equality
// with another string or a text ignores letter case, as the engine's does.
// FStringNoInit is the string type of script properties.
#pragma once

#include <cstddef>

#include "core/api.h"
#include "core/array.h"

class CORE_API FString : public TArray<char> {
 public:
  FString() = default;
  explicit FString(ENoInit) : TArray<char>(E_NoInit) {}
  FString(const FString& Other);
  FString(const char* Text);  // NOLINT: texts convert implicitly, as in script
  FString& operator=(const FString& Other);
  FString& operator=(const char* Text);
  ~FString();

  // The text; "" when the string is empty. Valid until the string changes.
  const char* operator*() const;
  int32_t Len() const { return Num() ? Num() - 1 : 0; }

  FString& operator+=(const char* Text);
  FString& operator+=(const FString& Other);
  FString operator+(const char* Text) const;
  FString operator+(const FString& Other) const;
  bool operator==(const char* Text) const;
  bool operator==(const FString& Other) const;
  bool operator!=(const char* Text) const { return !(*this == Text); }
  bool operator!=(const FString& Other) const { return !(*this == Other); }
};

class CORE_API FStringNoInit : public FString {
 public:
  FStringNoInit() : FString(E_NoInit) {}
  FStringNoInit(const FStringNoInit& Other) : FString(Other) {}
  FStringNoInit& operator=(const FStringNoInit& Other);
  FStringNoInit& operator=(const FString& Other);
  FStringNoInit& operator=(const char* Text);
};

// The engine's C-string helpers (8-bit texts).
// REQUIRES: Dest has room for Src and its terminator.
CORE_API char* appStrcpy(char* Dest, const char* Src);
// Copies at most MaxLen - 1 characters and always terminates.
// REQUIRES: MaxLen > 0.
CORE_API char* appStrncpy(char* Dest, const char* Src, std::size_t MaxLen);
CORE_API std::size_t appStrlen(const char* Text);
// Compares without regard to the case of the letters a-z.
CORE_API int appStricmp(const char* A, const char* B);
