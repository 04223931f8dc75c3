#include "host/script_class.h"

#include <utility>

namespace engine_host {

ScriptClass::ScriptClass(std::string name, std::string super_name)
    : name_(std::move(name)), super_name_(std::move(super_name)) {}

ScriptClass& ScriptClass::Native(std::string function, int32_t native_index,
                                 std::vector<EScriptType> parm_types, std::vector<bool> parm_out) {
  ScriptFunctionDecl decl;
  decl.name = std::move(function);
  decl.native = true;
  decl.native_index = native_index;
  decl.parm_types = std::move(parm_types);
  decl.parm_out = std::move(parm_out);
  functions_.push_back(std::move(decl));
  return *this;
}

ScriptClass& ScriptClass::Event(std::string function, ScriptBody body) {
  ScriptFunctionDecl decl;
  decl.name = std::move(function);
  decl.event = true;
  decl.body = std::move(body);
  functions_.push_back(std::move(decl));
  return *this;
}

ScriptClass& ScriptClass::Function(std::string function, ScriptBody body) {
  ScriptFunctionDecl decl;
  decl.name = std::move(function);
  decl.body = std::move(body);
  functions_.push_back(std::move(decl));
  return *this;
}

ScriptStateDecl& ScriptClass::StateNamed(const std::string& state) {
  for (ScriptStateDecl& existing : states_) {
    if (existing.name == state) return existing;
  }
  states_.push_back(ScriptStateDecl{state, {}});
  return states_.back();
}

ScriptClass& ScriptClass::StateFunction(std::string state, std::string function, ScriptBody body) {
  ScriptFunctionDecl decl;
  decl.name = std::move(function);
  decl.body = std::move(body);
  StateNamed(state).functions.push_back(std::move(decl));
  return *this;
}

ScriptClass& ScriptClass::State(std::string state) {
  StateNamed(state);
  return *this;
}

ScriptClass& ScriptClass::Property(std::string property, EScriptType type, int32_t offset) {
  properties_.push_back(ScriptPropertyDecl{std::move(property), type, offset});
  return *this;
}

ScriptClass& ScriptClass::ScriptOnly() {
  script_only_ = true;
  return *this;
}

}  // namespace engine_host
