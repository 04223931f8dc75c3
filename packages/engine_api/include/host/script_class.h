// ScriptClass: the declaration of a script class as the engine's script
// compiler would hand it over: its name, its super class, its functions
// (natives by number or by name, events and other functions written as C++
// callables), its states and its properties. A host turns declarations into
// the functions, states and properties of class objects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/core.h"

namespace engine_host {

struct ScriptFunctionDecl {
  std::string name;
  bool native = false;
  int32_t native_index = -1;  // for a numbered native
  bool event = false;
  ScriptBody body;  // for a function written in script
  // Parameter kinds; needed only to call a native through ProcessEvent.
  std::vector<EScriptType> parm_types;
  std::vector<bool> parm_out;
};

struct ScriptStateDecl {
  std::string name;
  std::vector<ScriptFunctionDecl> functions;
};

struct ScriptPropertyDecl {
  std::string name;
  EScriptType type;
  int32_t offset;
};

class ScriptClass {
 public:
  // super_name: the script name of the super class ("Actor", "Pawn",
  // "Controller", "BloodFlow"...); empty for "Object".
  ScriptClass(std::string name, std::string super_name);

  // A native function: numbered (bound through GNatives) when native_index is
  // not -1, otherwise bound by name to the library's int<Class>exec<Name>.
  ScriptClass& Native(std::string function, int32_t native_index = -1,
                      std::vector<EScriptType> parm_types = {}, std::vector<bool> parm_out = {});
  // An event that native code raises; body is the script's handler.
  ScriptClass& Event(std::string function, ScriptBody body);
  // Any other script function.
  ScriptClass& Function(std::string function, ScriptBody body);
  // A function of the state `state` (the state is created at first use).
  ScriptClass& StateFunction(std::string state, std::string function, ScriptBody body);
  // An empty state.
  ScriptClass& State(std::string state);
  // A property of the class's objects at a byte offset.
  ScriptClass& Property(std::string property, EScriptType type, int32_t offset);
  // Marks a class that has no native code: the engine makes its class object
  // (sharing its super class's size and constructor) once the super class
  // exists. Any other declaration waits for the native class of its name.
  ScriptClass& ScriptOnly();

  const std::string& name() const { return name_; }
  const std::string& super_name() const { return super_name_; }
  const std::vector<ScriptFunctionDecl>& functions() const { return functions_; }
  const std::vector<ScriptStateDecl>& states() const { return states_; }
  const std::vector<ScriptPropertyDecl>& properties() const { return properties_; }
  bool script_only() const { return script_only_; }

 private:
  ScriptStateDecl& StateNamed(const std::string& state);

  std::string name_;
  std::string super_name_;
  std::vector<ScriptFunctionDecl> functions_;
  std::vector<ScriptStateDecl> states_;
  std::vector<ScriptPropertyDecl> properties_;
  bool script_only_ = false;
};

}  // namespace engine_host
