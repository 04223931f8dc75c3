#include "core/memory.h"

#include <cstdlib>

#include "core/errors.h"

namespace {

class FMallocDefault : public FMalloc {
 public:
  void* Malloc(std::size_t Size, const char* Tag) override { return Realloc(nullptr, Size, Tag); }
  void* Realloc(void* Original, std::size_t Size, const char* Tag) override {
    if (Size == 0) {
      std::free(Original);
      return nullptr;
    }
    void* Result = std::realloc(Original, Size);
    if (!Result) appErrorf("Out of memory: %zu bytes for %s", Size, Tag);
    return Result;
  }
  void Free(void* Original) override { std::free(Original); }
};

FMallocDefault DefaultMalloc;

}  // namespace

FMalloc* GMalloc = &DefaultMalloc;

FMalloc::~FMalloc() = default;
