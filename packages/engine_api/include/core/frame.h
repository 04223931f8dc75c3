// The script frame and the native table.
//
// The script code is a small bytecode of this engine: each argument of a
// native call is one expression (a constant or a variable), the argument list
// ends with EX_EndFunctionParms, and a line marker (EX_LineMarker, 0x42, with a
// 32-bit line number) may follow. A native reads its arguments with
//   Stack.Step(Stack.Object, &Value);             // once per argument
//   Stack.Code++;                                 // the end-of-parameters token
//   if (*Stack.Code == EX_LineMarker) Stack.Step(Stack.Object, nullptr);
// For an out argument the native nulls GPropAddr before its Step; afterwards
// GPropAddr is the caller's variable (or null for a constant), GPropObject the
// object that holds it (null for a local variable or a constant) and GProperty
// its property. A line marker's Step leaves all three as they were.
// A native that changes a variable with a non-null GPropObject tells it
// through GPropObject->NetDirty(GProperty). core/script_args.h holds the end
// of the parameter list (FinishParms) and an out string argument (OutString).
#pragma once

#include <cstdint>

#include "core/api.h"
#include "core/object.h"

class UStruct;

// Tokens of the script code. Operands follow the token in the code, unaligned,
// in the machine's byte order.
enum EExprToken : uint8_t {
  EX_LocalVariable = 0x00,     // type byte, 32-bit offset into the frame's locals
  EX_InstanceVariable = 0x01,  // UProperty* of the context object
  EX_IntConst = 0x10,          // 32-bit integer
  EX_FloatConst = 0x11,        // 32-bit float
  EX_BoolConst = 0x12,         // byte 0 or 1 (the value is a 32-bit word)
  EX_ByteConst = 0x13,         // byte
  EX_VectorConst = 0x14,       // three 32-bit floats
  EX_RotatorConst = 0x15,      // three 32-bit integers
  EX_StringConst = 0x16,       // NUL-terminated 8-bit text
  EX_NameConst = 0x17,         // 32-bit name index
  EX_ObjectConst = 0x18,       // UObject* (null allowed)
  EX_EndFunctionParms = 0x20,  // end of the argument list; skipped, never stepped
  EX_LineMarker = 0x42         // 32-bit line number; stepped with a null result
};

class CORE_API FFrame {
 public:
  FFrame(UObject* InObject, UStruct* InNode, const uint8_t* InCode, uint8_t* InLocals);

  // Evaluates the expression at Code into Result (nothing is written when
  // Result is null) and moves Code past it. An unknown token is a fatal
  // engine error.
  void Step(UObject* Context, void* Result);

  UStruct* Node;    // the running function, or null
  UObject* Object;  // the object the code runs on
  const uint8_t* Code;
  uint8_t* Locals;
  int32_t Line = 0;  // the last line marker stepped
};

CORE_API extern uint8_t* GPropAddr;
CORE_API extern UObject* GPropObject;
CORE_API extern UProperty* GProperty;

constexpr int32_t kMaxNatives = 4096;
// Numbered natives by index; empty slots are null.
CORE_API extern Native GNatives[kMaxNatives];
// Makes Func callable as native iNative. -1 registers nothing (the native is
// bound by name) and returns 0; otherwise returns 1. An index outside the
// table, or one already holding another native, is a fatal engine error.
CORE_API uint8_t GRegisterNative(int32_t iNative, const Native& Func);
