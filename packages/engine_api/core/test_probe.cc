#include "core/test_probe.h"

#include <cstring>

#include "core/class_definition.h"
#include "core/script_args.h"

DEFINE_ENGINE_CLASS(UProbe, UObject, "Probe", "CoreTest")
DEFINE_ENGINE_CLASS(UProbeChild, UProbe, "ProbeChild", "CoreTest")
IMPLEMENT_NATIVE_CLASS(UFrameProbe)
IMPLEMENT_NATIVE_CLASS_OBJECT(UFrameProbe, 0, UProbe::StaticClass(), "FrameProbe", "CoreTest")

namespace {
const bool kRegistered = [] {
  GRegisterNative(kReadOneNative, static_cast<Native>(&UProbe::execReadOne));
  GRegisterNative(kAppendOutNative, static_cast<Native>(&UProbe::execAppendOut));
  GRegisterNative(kSkipsNoEndNative, static_cast<Native>(&UProbe::execSkipsNoEnd));
  GRegisterNative(kStepsTooFarNative, static_cast<Native>(&UProbe::execStepsTooFar));
  return true;
}();
}  // namespace

std::vector<std::string>& ProbeDestroyLog() {
  static std::vector<std::string> Log;
  return Log;
}

UProbe::UProbe() {}  // NOLINT: plain fields keep what the allocation wrote

UProbe::~UProbe() { ConditionalDestroy(); }

void UProbe::Destroy() {
  ProbeDestroyLog().push_back(std::string("Probe ") + GetName());
  UObject::Destroy();
}

void UProbe::NetDirty(UProperty* Property) {
  DirtyProperty = Property;
  DirtyCount++;
}

void UProbe::execReadOne(FFrame& Stack, void*) {
  if (ReadKind == EScriptType::String) {
    Stack.Step(Stack.Object, &ReadString);
  } else {
    std::memset(ReadRaw, 0xEE, sizeof(ReadRaw));
    Stack.Step(Stack.Object, ReadRaw);
  }
  FinishParms(Stack);
  LineSeen = Stack.Line;
}

void UProbe::execAppendOut(FFrame& Stack, void*) {
  OutString Appended(Stack);
  FinishParms(Stack);
  Appended.Get() += "!";
  Appended.Tell();
}

void UProbe::execSkipsNoEnd(FFrame& Stack, void*) {
  int32_t Value = 0;
  Stack.Step(Stack.Object, &Value);
}

void UProbe::execStepsTooFar(FFrame& Stack, void*) {
  int32_t Value = 0;
  Stack.Step(Stack.Object, &Value);
  Stack.Step(Stack.Object, &Value);
}

UProbeChild::UProbeChild() = default;

UProbeChild::~UProbeChild() { ConditionalDestroy(); }

void UProbeChild::Destroy() {
  ProbeDestroyLog().push_back(std::string("ProbeChild ") + GetName());
  UProbe::Destroy();
}

FProbeMember::~FProbeMember() noexcept(false) {
  if (Tag) ProbeDestroyLog().emplace_back(Tag);
  if (Fail) appErrorf("%s cannot be destroyed", Tag);
}

UFrameProbe::UFrameProbe() = default;

void UFrameProbe::Destroy() {
  ProbeDestroyLog().push_back(std::string("FrameProbe ") + GetName());
  if (FailDestroy) appErrorf("The destroy step of %s fails", GetName());
  UProbe::Destroy();
}
