#include "core/frame.h"

#include <cstring>
#include <vector>

#include "core/class.h"
#include "core/errors.h"
#include "core/math.h"
#include "core/strings.h"

uint8_t* GPropAddr = nullptr;
UObject* GPropObject = nullptr;
UProperty* GProperty = nullptr;
Native GNatives[kMaxNatives] = {};

uint8_t GRegisterNative(int32_t iNative, const Native& Func) {
  if (iNative == -1) return 0;
  if (iNative < 0 || iNative >= kMaxNatives) appErrorf("Native index %d is out of range", iNative);
  if (GNatives[iNative] && GNatives[iNative] != Func) {
    appErrorf("Native %d is already registered to another function", iNative);
  }
  GNatives[iNative] = Func;
  return 1;
}

namespace {

template <typename T>
T ReadOperand(const uint8_t*& Code) {
  T Value;
  std::memcpy(&Value, Code, sizeof(T));
  Code += sizeof(T);
  return Value;
}

void CopyValue(EScriptType Type, void* Dest, const void* Src) {
  if (Type == EScriptType::String) {
    *static_cast<FString*>(Dest) = *static_cast<const FString*>(Src);
  } else {
    std::memcpy(Dest, Src, static_cast<size_t>(ScriptTypeSize(Type)));
  }
}

template <typename T>
void WriteResult(void* Result, const T& Value) {
  if (Result) std::memcpy(Result, &Value, sizeof(T));
}

}  // namespace

FFrame::FFrame(UObject* InObject, UStruct* InNode, const uint8_t* InCode, uint8_t* InLocals)
    : Node(InNode), Object(InObject), Code(InCode), Locals(InLocals) {}

void FFrame::Step(UObject* Context, void* Result) {
  const uint8_t Token = *Code++;
  if (Token >= EX_IntConst && Token <= EX_ObjectConst) {
    // A constant is nobody's variable; a line marker leaves what the last
    // argument set, which the native may still need.
    GPropAddr = nullptr;
    GPropObject = nullptr;
    GProperty = nullptr;
  }
  switch (Token) {
    case EX_LocalVariable: {
      const auto Type = static_cast<EScriptType>(*Code++);
      const int32_t Offset = ReadOperand<int32_t>(Code);
      GPropAddr = Locals + Offset;
      GPropObject = nullptr;
      GProperty = nullptr;
      if (Result) CopyValue(Type, Result, GPropAddr);
      return;
    }
    case EX_InstanceVariable: {
      UProperty* Property = ReadOperand<UProperty*>(Code);
      GPropAddr = reinterpret_cast<uint8_t*>(Context) + Property->Offset;
      GPropObject = Context;
      GProperty = Property;
      if (Result) CopyValue(Property->Type, Result, GPropAddr);
      return;
    }
    case EX_IntConst:
      WriteResult(Result, ReadOperand<int32_t>(Code));
      return;
    case EX_FloatConst:
      WriteResult(Result, ReadOperand<float>(Code));
      return;
    case EX_BoolConst:
      WriteResult(Result, static_cast<uint32_t>(*Code++ ? 1 : 0));
      return;
    case EX_ByteConst:
      WriteResult(Result, *Code++);
      return;
    case EX_VectorConst:
      WriteResult(Result, ReadOperand<FVector>(Code));
      return;
    case EX_RotatorConst:
      WriteResult(Result, ReadOperand<FRotator>(Code));
      return;
    case EX_StringConst: {
      const char* Text = reinterpret_cast<const char*>(Code);
      Code += std::strlen(Text) + 1;
      if (Result) *static_cast<FString*>(Result) = Text;
      return;
    }
    case EX_NameConst:
      WriteResult(Result, ReadOperand<int32_t>(Code));
      return;
    case EX_ObjectConst:
      WriteResult(Result, ReadOperand<UObject*>(Code));
      return;
    case EX_LineMarker:
      Line = ReadOperand<int32_t>(Code);
      return;
    case EX_EndFunctionParms:
      Code--;
      appErrorf("A native stepped past the end of its parameters (%s)",
                Node ? Node->GetName() : "?");
    default:
      Code--;
      appErrorf("Unknown script token 0x%02x", Token);
  }
}

void UObject::ProcessEvent(UFunction* Function, void* Parms, void* Result) {
  appCheck(Function);
  if (!(Function->FunctionFlags & FUNC_Native)) {
    if (Function->Body) Function->Body(this, Parms, Result);
    return;
  }
  const Native Func = Function->Func;
  if (!Func) appErrorf("Native %s is not bound", Function->GetName());
  // The parameter block is the frame's locals: one local-variable expression
  // per parameter, each at its natural alignment.
  std::vector<uint8_t> Code;
  int32_t Offset = 0;
  for (EScriptType Type : Function->ParmTypes) {
    const int32_t Align = ScriptTypeAlign(Type);
    Offset = (Offset + Align - 1) / Align * Align;
    Code.push_back(EX_LocalVariable);
    Code.push_back(static_cast<uint8_t>(Type));
    const uint8_t* OffsetBytes = reinterpret_cast<const uint8_t*>(&Offset);
    Code.insert(Code.end(), OffsetBytes, OffsetBytes + sizeof(Offset));
    Offset += ScriptTypeSize(Type);
  }
  Code.push_back(EX_EndFunctionParms);
  Code.push_back(0);  // what follows the end token is never a line marker here
  FFrame Stack(this, Function, Code.data(), static_cast<uint8_t*>(Parms));
  (this->*Func)(Stack, Result);
}
