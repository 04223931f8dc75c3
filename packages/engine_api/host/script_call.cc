#include "host/script_call.h"

#include <cstring>
#include <new>

namespace engine_host {

namespace {
template <typename T>
void Append(std::vector<uint8_t>& code, const T& value) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
  code.insert(code.end(), bytes, bytes + sizeof(T));
}
}  // namespace

ScriptCall::ScriptCall() = default;

ScriptCall::~ScriptCall() {
  for (auto destroy = destroy_locals_.rbegin(); destroy != destroy_locals_.rend(); ++destroy) {
    (*destroy)();
  }
}

ScriptCall& ScriptCall::Int(int32_t value) {
  code_.push_back(EX_IntConst);
  Append(code_, value);
  return *this;
}

ScriptCall& ScriptCall::Float(float value) {
  code_.push_back(EX_FloatConst);
  Append(code_, value);
  return *this;
}

ScriptCall& ScriptCall::Bool(bool value) {
  code_.push_back(EX_BoolConst);
  code_.push_back(value ? 1 : 0);
  return *this;
}

ScriptCall& ScriptCall::Byte(uint8_t value) {
  code_.push_back(EX_ByteConst);
  code_.push_back(value);
  return *this;
}

ScriptCall& ScriptCall::Vector(const FVector& value) {
  code_.push_back(EX_VectorConst);
  Append(code_, value);
  return *this;
}

ScriptCall& ScriptCall::Rotator(const FRotator& value) {
  code_.push_back(EX_RotatorConst);
  Append(code_, value);
  return *this;
}

ScriptCall& ScriptCall::String(const char* value) {
  code_.push_back(EX_StringConst);
  code_.insert(code_.end(), value, value + std::strlen(value) + 1);
  return *this;
}

ScriptCall& ScriptCall::Name(FName value) {
  code_.push_back(EX_NameConst);
  Append(code_, value.GetIndex());
  return *this;
}

ScriptCall& ScriptCall::Object(UObject* value) {
  code_.push_back(EX_ObjectConst);
  Append(code_, value);
  return *this;
}

void* ScriptCall::AddLocal(EScriptType type, int32_t size) {
  const int32_t align = ScriptTypeAlign(type);
  const int32_t offset = (locals_used_ + align - 1) / align * align;
  if (offset + size > static_cast<int32_t>(sizeof(locals_))) {
    appErrorf("ScriptCall: more locals than %d bytes", static_cast<int>(sizeof(locals_)));
  }
  locals_used_ = offset + size;
  code_.push_back(EX_LocalVariable);
  code_.push_back(static_cast<uint8_t>(type));
  Append(code_, offset);
  return locals_ + offset;
}

int32_t& ScriptCall::LocalInt(int32_t initial) {
  return *new (AddLocal(EScriptType::Int, sizeof(int32_t))) int32_t(initial);
}

float& ScriptCall::LocalFloat(float initial) {
  return *new (AddLocal(EScriptType::Float, sizeof(float))) float(initial);
}

uint32_t& ScriptCall::LocalBool(bool initial) {
  return *new (AddLocal(EScriptType::Bool, sizeof(uint32_t))) uint32_t(initial ? 1 : 0);
}

FVector& ScriptCall::LocalVector(const FVector& initial) {
  return *new (AddLocal(EScriptType::Vector, sizeof(FVector))) FVector(initial);
}

FString& ScriptCall::LocalString(const char* initial) {
  FString* local = new (AddLocal(EScriptType::String, sizeof(FString))) FString(initial);
  destroy_locals_.push_back([local] { local->~FString(); });
  return *local;
}

FName& ScriptCall::LocalName(FName initial) {
  return *new (AddLocal(EScriptType::Name, sizeof(FName))) FName(initial);
}

UObject*& ScriptCall::LocalObject(UObject* initial) {
  return *new (AddLocal(EScriptType::Object, sizeof(UObject*))) UObject*(initial);
}

ScriptCall& ScriptCall::Member(UProperty* property) {
  code_.push_back(EX_InstanceVariable);
  Append(code_, property);
  return *this;
}

ScriptCall& ScriptCall::LineMarker(int32_t line) {
  line_marker_ = true;
  line_ = line;
  return *this;
}

void ScriptCall::Call(UObject* object, const char* function, void* result) {
  UFunction* found = object->FindFunctionChecked(FName(function, FNAME_Find));
  if (!(found->FunctionFlags & FUNC_Native) || !found->Func) {
    appErrorf("ScriptCall: %s is not a bound native", function);
  }
  Run(object, found, found->Func, function, result);
}

void ScriptCall::CallNative(UObject* object, int32_t native_index, void* result) {
  if (native_index < 0 || native_index >= kMaxNatives || !GNatives[native_index]) {
    appErrorf("ScriptCall: no native %d", native_index);
  }
  Run(object, nullptr, GNatives[native_index], "a numbered native", result);
}

void ScriptCall::Run(UObject* object, UFunction* function, Native native, const char* what,
                     void* result) {
  std::vector<uint8_t> code = code_;
  code.push_back(EX_EndFunctionParms);
  if (line_marker_) {
    code.push_back(EX_LineMarker);
    Append(code, line_);
  }
  // What follows the call in compiled script; a native must stop before it.
  const size_t end = code.size();
  code.push_back(0);
  FFrame stack(object, function, code.data(), locals_);
  (object->*native)(stack, result);
  if (stack.Code != code.data() + end) {
    appErrorf("ScriptCall: %s stopped %d bytes from the end of its arguments", what,
              static_cast<int>(code.data() + end - stack.Code));
  }
}

}  // namespace engine_host
