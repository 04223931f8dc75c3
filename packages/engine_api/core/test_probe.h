// Native classes that the Core tests register and run, as a package would:
// UProbe reads script arguments and counts what the engine does to it;
// UProbeChild derives from it to show a destructor chain; UFrameProbe carries
// the native-class frame of packages and can fail while it is destroyed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/core.h"
#include "core/native_class.h"

// Numbered natives of the probe.
constexpr int32_t kReadOneNative = 3900;
constexpr int32_t kAppendOutNative = 3901;
constexpr int32_t kSkipsNoEndNative = 3902;
constexpr int32_t kStepsTooFarNative = 3903;

class UProbe : public UObject {
 public:
  UProbe();
  ~UProbe() override;
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);

  void Destroy() override;
  void NetDirty(UProperty* Property) override;

  // Reads one argument of ReadKind into ReadRaw (or ReadString) and records
  // the frame's line after the parameters.
  void execReadOne(FFrame& Stack, void* Result);
  // AppendOut(out string S): appends "!" to S, telling a property's owner.
  void execAppendOut(FFrame& Stack, void* Result);
  // Reads one integer and forgets the end-of-parameters token.
  void execSkipsNoEnd(FFrame& Stack, void* Result);
  // Steps once more than it has arguments.
  void execStepsTooFar(FFrame& Stack, void* Result);

  EScriptType ReadKind;
  alignas(8) uint8_t ReadRaw[16];
  FString ReadString;
  int32_t LineSeen;
  UProperty* DirtyProperty;
  int32_t DirtyCount;
  FString Text;
};

class UProbeChild : public UProbe {
 public:
  UProbeChild();
  ~UProbeChild() override;
  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  void Destroy() override;
};

// A member that records its destruction under Tag (when set) and then, when
// Fail is set, fails with an engine error.
struct FProbeMember {
  ~FProbeMember() noexcept(false);
  const char* Tag;
  bool Fail;
};

class UFrameProbe : public UProbe {
  DECLARE_NATIVE_CLASS(UFrameProbe, UProbe)
  UFrameProbe();
  // Records itself, then fails with an engine error when FailDestroy is set.
  void Destroy() override;

  bool FailDestroy;
  FProbeMember First;
  TArrayNoInit<FString> Texts;
  FProbeMember Second;
};

// What the probes' destroy steps and members recorded, in order.
std::vector<std::string>& ProbeDestroyLog();
