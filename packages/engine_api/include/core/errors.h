// Engine errors: assertion failures, fatal errors and the guard convention.
//
// An engine error is thrown as FEngineError and carries its text. Natives run
// inside Guarded(name, body): an engine error passes through unchanged; any
// other exception first records the guard name through appUnwindf and then
// passes on, so the unwind history names every native it crossed.
#pragma once

#include <exception>
#include <string>

#include "core/api.h"

class CORE_API FEngineError : public std::exception {
 public:
  explicit FEngineError(std::string Text);
  const char* what() const noexcept override;

 private:
  std::string Text;
};

// Does not return: throws an FEngineError whose text contains the expression,
// the file and the line, and logs it.
[[noreturn]] CORE_API void appFailAssert(const char* Expression, const char* File, int Line);
// Does not return: throws an FEngineError with the formatted text (a fatal error).
[[noreturn]] CORE_API void appErrorf(const char* Format, ...);
// Records one entry of the unwind history while an exception unwinds.
CORE_API void appUnwindf(const char* Format, ...);
// The unwind history since the last appClearUnwind, entries separated by " <- ".
CORE_API std::string appUnwindHistory();
CORE_API void appClearUnwind();

// The engine's assertion: reports the expression text exactly as written.
#define appCheck(expr) ((expr) ? static_cast<void>(0) : appFailAssert(#expr, __FILE__, __LINE__))

// Runs `Body` under the guard named `Name` (the function's qualified name).
template <typename Body>
decltype(auto) Guarded(const char* Name, Body&& body) {
  try {
    return body();
  } catch (const FEngineError&) {
    throw;
  } catch (...) {
    appUnwindf("%s", Name);
    throw;
  }
}
