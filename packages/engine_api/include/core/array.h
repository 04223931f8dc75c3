// FArray: the engine's untyped dynamic array (data pointer, count, capacity;
// 12 bytes on the 32-bit target), and TArray<T>, the typed list that script
// properties use. The memory comes from GMalloc and is owned by the array.
//
// FArray moves raw bytes and never constructs or destroys elements; TArray
// does both. Elements are relocated bitwise when a list grows or closes a gap,
// so element types must allow that (engine values, plain structures of them). Out-of-range removals
// fail the engine assertions "Index>=0", "Index<=ArrayNum" and "Index+Count<=ArrayNum" (each throws
// FEngineError).
#pragma once

#include <cstdint>
#include <new>
#include <type_traits>

#include "core/api.h"
#include "core/errors.h"

// Marker of the constructors that the engine runs over memory it has already
// prepared. Ours still leave a valid empty value: objects are zeroed when they
// are allocated, so there is nothing to keep, and a stray use stays safe.
enum ENoInit { E_NoInit = 0 };

class CORE_API FArray {
 public:
  FArray() = default;
  explicit FArray(ENoInit) {}
  // Count uninitialised elements of ElementSize bytes.
  FArray(int32_t Count, int32_t ElementSize);
  ~FArray();
  FArray(const FArray&) = delete;
  FArray& operator=(const FArray&) = delete;

  // Appends Count uninitialised elements; returns the index of the first.
  int32_t Add(int32_t Count, int32_t ElementSize);
  // As Add, with the new elements' bytes set to zero.
  int32_t AddZeroed(int32_t Count, int32_t ElementSize);
  // Opens Count uninitialised elements at Index.
  // REQUIRES: 0 <= Index <= Num() (asserted).
  void Insert(int32_t Index, int32_t Count, int32_t ElementSize);
  // Closes the gap of Count elements at Index (their bytes are dropped).
  void Remove(int32_t Index, int32_t Count, int32_t ElementSize);
  // Count becomes 0; room for Slack elements stays (none: the memory is freed).
  void Empty(int32_t ElementSize, int32_t Slack = 0);
  // Frees room beyond the count.
  void Shrink(int32_t ElementSize);

  int32_t Num() const { return ArrayNum; }
  int32_t Max() const { return ArrayMax; }
  void* GetData() { return Data; }
  const void* GetData() const { return Data; }
  bool IsValidIndex(int32_t Index) const { return Index >= 0 && Index < ArrayNum; }

 protected:
  void Reserve(int32_t NewMax, int32_t ElementSize);

  void* Data = nullptr;
  int32_t ArrayNum = 0;
  int32_t ArrayMax = 0;
};

template <typename T>
class TArray : public FArray {
 public:
  TArray() = default;
  explicit TArray(ENoInit) : FArray(E_NoInit) {}
  // Count default-constructed elements.
  explicit TArray(int32_t Count) {
    FArray::Add(Count, sizeof(T));
    for (int32_t i = 0; i < Count; i++) new (&At(i)) T();
  }
  // Allocated for the source's count; each element copied in order.
  TArray(const TArray& Other) : FArray(Other.ArrayNum, sizeof(T)) {
    for (int32_t i = 0; i < ArrayNum; i++) new (&At(i)) T(Other.At(i));
  }
  // Assignment to itself does nothing; otherwise the elements are destroyed,
  // room for the source's count is kept, and a copy of each source element is
  // appended in order.
  TArray& operator=(const TArray& Other) {
    if (this == &Other) return *this;
    Empty(Other.ArrayNum);
    for (int32_t i = 0; i < Other.ArrayNum; i++)
      new (&At(FArray::Add(1, sizeof(T)))) T(Other.At(i));
    return *this;
  }
  // Removes (destroying) every element, then releases the memory. An engine
  // error on the way passes on.
  ~TArray() noexcept(false) { Remove(0, ArrayNum); }

  T& operator()(int32_t Index) { return At(Index); }
  const T& operator()(int32_t Index) const { return At(Index); }
  T& operator[](int32_t Index) { return At(Index); }
  const T& operator[](int32_t Index) const { return At(Index); }

  // Appends a copy of Item; returns its index.
  int32_t AddItem(const T& Item) {
    T Copy(Item);  // Item may live in this array's memory
    const int32_t Index = FArray::Add(1, sizeof(T));
    new (&At(Index)) T(static_cast<T&&>(Copy));
    return Index;
  }
  // Appends Count default-constructed elements; returns the first index.
  int32_t Add(int32_t Count = 1) {
    const int32_t Index = FArray::Add(Count, sizeof(T));
    for (int32_t i = Index; i < Index + Count; i++) new (&At(i)) T();
    return Index;
  }
  // Appends Count elements whose bytes are zero (for plain element types).
  int32_t AddZeroed(int32_t Count = 1) { return FArray::AddZeroed(Count, sizeof(T)); }
  // Destroys Count elements at Index and closes the gap (range asserted).
  void Remove(int32_t Index, int32_t Count = 1) {
    if (Index >= 0 && Count >= 0 && Index + Count <= ArrayNum) {
      for (int32_t i = Index; i < Index + Count; i++) At(i).~T();
    }
    FArray::Remove(Index, Count, sizeof(T));
  }
  // Destroys every element; room for Slack elements stays.
  void Empty(int32_t Slack = 0) {
    for (int32_t i = 0; i < ArrayNum; i++) At(i).~T();
    FArray::Empty(sizeof(T), Slack);
  }
  T* begin() { return static_cast<T*>(Data); }
  T* end() { return static_cast<T*>(Data) + ArrayNum; }
  const T* begin() const { return static_cast<const T*>(Data); }
  const T* end() const { return static_cast<const T*>(Data) + ArrayNum; }

 private:
  T& At(int32_t Index) {
    appCheck(Index >= 0 && Index < ArrayNum);
    return static_cast<T*>(Data)[Index];
  }
  const T& At(int32_t Index) const {
    appCheck(Index >= 0 && Index < ArrayNum);
    return static_cast<const T*>(Data)[Index];
  }
};

// The list type of script properties that the engine has already prepared.
template <typename T>
class TArrayNoInit : public TArray<T> {
 public:
  TArrayNoInit() : TArray<T>(E_NoInit) {}
  TArrayNoInit(const TArrayNoInit&) = default;
  TArrayNoInit& operator=(const TArrayNoInit&) = default;
  TArrayNoInit& operator=(const TArray<T>& Other) {
    TArray<T>::operator=(Other);
    return *this;
  }
};
