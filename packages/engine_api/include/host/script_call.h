// ScriptCall: builds the script code of one native call, as compiled script
// would pass it, and runs it, so that a test writes
//   ScriptCall call;
//   FString& text = call.LocalString("  first second");  // out argument
//   call.Float(7.0f);
//   call.Call(object, "GetFirstWord", &result);
// instead of bytes. Arguments are expressions in the order added: constants,
// local variables of the calling code (whose values the test reads back after
// the call) and properties of the object. The argument list ends with the
// end-of-parameters token, optionally followed by a line marker. A call checks
// that the native consumed exactly its code (a native that reads too few or
// too many arguments is a fatal engine error).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/core.h"

namespace engine_host {

class ScriptCall {
 public:
  ScriptCall();
  ~ScriptCall();
  ScriptCall(const ScriptCall&) = delete;
  ScriptCall& operator=(const ScriptCall&) = delete;

  ScriptCall& Int(int32_t value);
  ScriptCall& Float(float value);
  ScriptCall& Bool(bool value);
  ScriptCall& Byte(uint8_t value);
  ScriptCall& Vector(const FVector& value);
  ScriptCall& Rotator(const FRotator& value);
  ScriptCall& String(const char* value);
  ScriptCall& Name(FName value);
  ScriptCall& Object(UObject* value);

  // A local variable of the calling code as the next argument; the returned
  // reference stays valid for the life of this ScriptCall.
  int32_t& LocalInt(int32_t initial = 0);
  float& LocalFloat(float initial = 0.f);
  uint32_t& LocalBool(bool initial = false);
  FVector& LocalVector(const FVector& initial = FVector());
  FString& LocalString(const char* initial = "");
  FName& LocalName(FName initial = NAME_None);
  UObject*& LocalObject(UObject* initial = nullptr);

  // A property of the object the native runs on, as the next argument.
  ScriptCall& Member(UProperty* property);
  // Puts a line marker (EX_LineMarker) after the end of the argument list.
  ScriptCall& LineMarker(int32_t line);

  // Runs the native function named `function` of `object` (found as the
  // engine finds functions: current state first) with these arguments;
  // writes its return value at `result` (may be null).
  void Call(UObject* object, const char* function, void* result = nullptr);
  // Runs the numbered native `native_index` on `object`.
  void CallNative(UObject* object, int32_t native_index, void* result = nullptr);

  // The code as built so far (without the end token).
  const std::vector<uint8_t>& code() const { return code_; }

 private:
  void* AddLocal(EScriptType type, int32_t size);
  void Run(UObject* object, UFunction* function, Native native, const char* what, void* result);

  std::vector<uint8_t> code_;
  alignas(16) uint8_t locals_[512];
  int32_t locals_used_ = 0;
  std::vector<std::function<void()>> destroy_locals_;
  bool line_marker_ = false;
  int32_t line_ = 0;
};

}  // namespace engine_host
