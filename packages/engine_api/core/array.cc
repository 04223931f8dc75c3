#include "core/array.h"

#include <cstring>

#include "core/memory.h"

namespace {
size_t Bytes(int32_t Count, int32_t ElementSize) {
  return static_cast<size_t>(Count) * static_cast<size_t>(ElementSize);
}
}  // namespace

FArray::FArray(int32_t Count, int32_t ElementSize) {
  appCheck(Count >= 0);
  if (Count > 0) Reserve(Count, ElementSize);
  ArrayNum = Count;
}

FArray::~FArray() {
  GMalloc->Free(Data);
  Data = nullptr;
  ArrayNum = ArrayMax = 0;
}

void FArray::Reserve(int32_t NewMax, int32_t ElementSize) {
  Data = GMalloc->Realloc(Data, Bytes(NewMax, ElementSize), "FArray");
  ArrayMax = NewMax;
}

int32_t FArray::Add(int32_t Count, int32_t ElementSize) {
  appCheck(Count >= 0);
  const int32_t Index = ArrayNum;
  ArrayNum += Count;
  if (ArrayNum > ArrayMax) Reserve(ArrayNum + 3 * ArrayNum / 8 + 16, ElementSize);
  return Index;
}

int32_t FArray::AddZeroed(int32_t Count, int32_t ElementSize) {
  const int32_t Index = Add(Count, ElementSize);
  if (Count > 0) {
    std::memset(static_cast<char*>(Data) + Bytes(Index, ElementSize), 0, Bytes(Count, ElementSize));
  }
  return Index;
}

void FArray::Insert(int32_t Index, int32_t Count, int32_t ElementSize) {
  if (!(Index >= 0)) appFailAssert("Index>=0", __FILE__, __LINE__);
  if (!(Index <= ArrayNum)) appFailAssert("Index<=ArrayNum", __FILE__, __LINE__);
  const int32_t OldNum = Add(Count, ElementSize);
  char* Bytes0 = static_cast<char*>(Data);
  std::memmove(Bytes0 + Bytes(Index + Count, ElementSize), Bytes0 + Bytes(Index, ElementSize),
               Bytes(OldNum - Index, ElementSize));
}

// The three checks keep the engine's expression texts: package code and
// tests rely on them.
void FArray::Remove(int32_t Index, int32_t Count, int32_t ElementSize) {
  if (!(Index >= 0)) appFailAssert("Index>=0", __FILE__, __LINE__);
  if (!(Index <= ArrayNum)) appFailAssert("Index<=ArrayNum", __FILE__, __LINE__);
  if (!(Index + Count <= ArrayNum)) appFailAssert("Index+Count<=ArrayNum", __FILE__, __LINE__);
  if (Count <= 0) return;
  char* Bytes0 = static_cast<char*>(Data);
  std::memmove(Bytes0 + Bytes(Index, ElementSize), Bytes0 + Bytes(Index + Count, ElementSize),
               Bytes(ArrayNum - Index - Count, ElementSize));
  ArrayNum -= Count;
}

void FArray::Empty(int32_t ElementSize, int32_t Slack) {
  appCheck(Slack >= 0);
  ArrayNum = 0;
  if (ArrayMax != Slack) Reserve(Slack, ElementSize);
}

void FArray::Shrink(int32_t ElementSize) {
  if (ArrayMax != ArrayNum) Reserve(ArrayNum, ElementSize);
}
