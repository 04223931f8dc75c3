#include "core/text_format.h"

#include <cstdio>
#include <vector>

std::string FormatTextV(const char* Format, va_list Args) {
  va_list Measure;
  va_copy(Measure, Args);
  const int Length = std::vsnprintf(nullptr, 0, Format, Measure);
  va_end(Measure);
  if (Length <= 0) return std::string();
  std::vector<char> Buffer(static_cast<size_t>(Length) + 1);
  std::vsnprintf(Buffer.data(), Buffer.size(), Format, Args);
  return std::string(Buffer.data(), static_cast<size_t>(Length));
}
