// The engine allocator. Every object and every FArray takes its memory from
// GMalloc and gives it back there. The default allocator never fails quietly:
// running out of memory is a fatal engine error.
#pragma once

#include <cstddef>

#include "core/api.h"

class CORE_API FMalloc {
 public:
  virtual ~FMalloc();
  virtual void* Malloc(std::size_t Size, const char* Tag) = 0;
  // REQUIRES: Original is null or came from this allocator.
  virtual void* Realloc(void* Original, std::size_t Size, const char* Tag) = 0;
  // Null is allowed and does nothing.
  virtual void Free(void* Original) = 0;
};

CORE_API extern FMalloc* GMalloc;
