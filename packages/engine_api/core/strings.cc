#include "core/strings.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {
char Upper(char C) { return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C; }
}  // namespace

FString::FString(const FString& Other) : TArray<char>(Other) {}

FString::FString(const char* Text) { *this = Text; }

FString::~FString() = default;

FString& FString::operator=(const FString& Other) {
  TArray<char>::operator=(Other);
  return *this;
}

FString& FString::operator=(const char* Text) {
  if (!Text || !*Text) {
    Empty();
    return *this;
  }
  const std::string Copy(Text);  // Text may point into this string
  const int32_t Size = static_cast<int32_t>(Copy.size()) + 1;
  Empty(Size);
  FArray::Add(Size, 1);
  std::memcpy(Data, Copy.c_str(), static_cast<size_t>(Size));
  return *this;
}

const char* FString::operator*() const { return Num() ? static_cast<const char*>(Data) : ""; }

FString& FString::operator+=(const char* Text) {
  if (!Text || !*Text) return *this;
  const std::string Joined = std::string(**this) + Text;
  return *this = Joined.c_str();
}

FString& FString::operator+=(const FString& Other) { return *this += *Other; }

FString FString::operator+(const char* Text) const {
  FString Result(*this);
  Result += Text;
  return Result;
}

FString FString::operator+(const FString& Other) const { return *this + *Other; }

bool FString::operator==(const char* Text) const {
  return appStricmp(**this, Text ? Text : "") == 0;
}

bool FString::operator==(const FString& Other) const { return appStricmp(**this, *Other) == 0; }

FStringNoInit& FStringNoInit::operator=(const FStringNoInit& Other) {
  FString::operator=(Other);
  return *this;
}

FStringNoInit& FStringNoInit::operator=(const FString& Other) {
  FString::operator=(Other);
  return *this;
}

FStringNoInit& FStringNoInit::operator=(const char* Text) {
  FString::operator=(Text);
  return *this;
}

char* appStrcpy(char* Dest, const char* Src) { return std::strcpy(Dest, Src); }

char* appStrncpy(char* Dest, const char* Src, std::size_t MaxLen) {
  const std::size_t Length = std::min(std::strlen(Src), MaxLen - 1);
  std::memmove(Dest, Src, Length);
  Dest[Length] = '\0';
  return Dest;
}

std::size_t appStrlen(const char* Text) { return std::strlen(Text); }

int appStricmp(const char* A, const char* B) {
  for (;; A++, B++) {
    const char CA = Upper(*A), CB = Upper(*B);
    if (CA != CB) return static_cast<unsigned char>(CA) < static_cast<unsigned char>(CB) ? -1 : 1;
    if (!CA) return 0;
  }
}
