#include "core/errors.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <utility>

#include "core/output_device.h"
#include "core/text_format.h"

namespace {
std::string& UnwindHistory() {
  static std::string History;
  return History;
}
}  // namespace

FEngineError::FEngineError(std::string InText) : Text(std::move(InText)) {}

const char* FEngineError::what() const noexcept { return Text.c_str(); }

void appFailAssert(const char* Expression, const char* File, int Line) {
  std::string Text = "Assertion failed: " + std::string(Expression) + " [File:" + File +
                     "] [Line: " + std::to_string(Line) + "]";
  GLog->Serialize(Text.c_str());
  throw FEngineError(std::move(Text));
}

void appErrorf(const char* Format, ...) {
  va_list Args;
  va_start(Args, Format);
  std::string Text = FormatTextV(Format, Args);
  va_end(Args);
  GLog->Serialize(Text.c_str());
  throw FEngineError(std::move(Text));
}

void appUnwindf(const char* Format, ...) {
  va_list Args;
  va_start(Args, Format);
  std::string Entry = FormatTextV(Format, Args);
  va_end(Args);
  std::string& History = UnwindHistory();
  if (!History.empty()) History += " <- ";
  History += Entry;
}

std::string appUnwindHistory() { return UnwindHistory(); }

void appClearUnwind() { UnwindHistory().clear(); }
