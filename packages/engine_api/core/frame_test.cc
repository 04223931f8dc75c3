#include "core/frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "core/test_probe.h"
#include "host/package_host.h"
#include "host/script_call.h"

namespace {

using engine_host::ScriptCall;
using ::testing::HasSubstr;

class FrameTest : public ::testing::Test {
 protected:
  engine_host::PackageHost host;
  UProbe* Probe = static_cast<UProbe*>(host.Create(UProbe::StaticClass()));
};

template <typename T>
std::string Bytes(const T& Value) {
  return std::string(reinterpret_cast<const char*>(&Value), sizeof(T));
}

TEST_F(FrameTest, StepEvaluatesEveryArgumentKind) {
  FVector Vector(1.5f, -2.f, 3.f);
  FRotator Rotator(1, 16384, -3);
  FName Name("FrameTestName", FNAME_Create);
  struct Case {
    const char* What;
    EScriptType Kind;
    std::function<void(ScriptCall&)> Add;
    std::string Expected;  // the bytes written (the text for a string)
  } Cases[] = {
      {"int", EScriptType::Int, [](ScriptCall& C) { C.Int(-7); }, Bytes(int32_t{-7})},
      {"float", EScriptType::Float, [](ScriptCall& C) { C.Float(7.0f); }, Bytes(7.0f)},
      {"bool", EScriptType::Bool, [](ScriptCall& C) { C.Bool(true); }, Bytes(uint32_t{1})},
      {"byte", EScriptType::Byte, [](ScriptCall& C) { C.Byte(200); }, Bytes(uint8_t{200})},
      {"vector", EScriptType::Vector, [&](ScriptCall& C) { C.Vector(Vector); }, Bytes(Vector)},
      {"rotator", EScriptType::Rotator, [&](ScriptCall& C) { C.Rotator(Rotator); }, Bytes(Rotator)},
      {"string", EScriptType::String, [](ScriptCall& C) { C.String("some text"); }, "some text"},
      {"name", EScriptType::Name, [&](ScriptCall& C) { C.Name(Name); }, Bytes(Name)},
      {"object", EScriptType::Object, [&](ScriptCall& C) { C.Object(Probe); },
       Bytes(static_cast<UObject*>(Probe))},
      {"local", EScriptType::Float, [](ScriptCall& C) { C.LocalFloat(2.5f); }, Bytes(2.5f)},
      {"local string", EScriptType::String, [](ScriptCall& C) { C.LocalString("kept"); }, "kept"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.What);
    ScriptCall Call;
    C.Add(Call);
    Probe->ReadKind = C.Kind;
    Call.CallNative(Probe, kReadOneNative);
    if (C.Kind == EScriptType::String) {
      EXPECT_EQ(std::string(*Probe->ReadString), C.Expected);
    } else {
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(Probe->ReadRaw), C.Expected.size()),
                C.Expected);
      EXPECT_EQ(Probe->ReadRaw[C.Expected.size()], 0xEE) << "wrote past the value";
    }
  }
}

TEST_F(FrameTest, OutArgumentInALocalVariableIsChangedInPlace) {
  ScriptCall Call;
  FString& Local = Call.LocalString("text");
  Call.CallNative(Probe, kAppendOutNative);
  EXPECT_STREQ(*Local, "text!");
  EXPECT_EQ(GPropObject, nullptr);
  EXPECT_EQ(Probe->DirtyCount, 0) << "a local variable has no owner to tell";
}

TEST_F(FrameTest, OutArgumentInAPropertyTellsItsObject) {
  const auto Offset = static_cast<int32_t>(reinterpret_cast<uint8_t*>(&Probe->Text) -
                                           reinterpret_cast<uint8_t*>(Probe));
  ASSERT_TRUE(host.Declare(engine_host::ScriptClass("Probe", "Object")
                               .Property("Text", EScriptType::String, Offset))
                  .ok());
  UProperty* Property = Probe->GetClass()->FindProperty(FName("Text", FNAME_Find));
  ASSERT_NE(Property, nullptr);
  Probe->Text = "member";
  ScriptCall Call;
  Call.Member(Property);
  Call.CallNative(Probe, kAppendOutNative);
  EXPECT_STREQ(*Probe->Text, "member!");
  EXPECT_EQ(Probe->DirtyCount, 1);
  EXPECT_EQ(Probe->DirtyProperty, Property);
}

TEST_F(FrameTest, AConstantOutArgumentIsNobodysVariable) {
  GPropObject = Probe;  // as a previous member argument leaves it
  ScriptCall Call;
  Call.String("constant").LineMarker(3);
  Call.CallNative(Probe, kAppendOutNative);
  EXPECT_EQ(GPropAddr, nullptr);
  EXPECT_EQ(GPropObject, nullptr);
  EXPECT_EQ(Probe->DirtyCount, 0);
}

TEST_F(FrameTest, LineMarkerAfterTheParametersIsConsumedByANullStep) {
  ScriptCall Call;
  Call.Int(1).LineMarker(77);
  Probe->ReadKind = EScriptType::Int;
  Call.CallNative(Probe, kReadOneNative);  // fails unless the marker was consumed
  EXPECT_EQ(Probe->LineSeen, 77);
}

TEST_F(FrameTest, ANativeThatMisreadsItsArgumentsIsAnEngineError) {
  ScriptCall Forgets;
  Forgets.Int(1);
  EXPECT_THROW(Forgets.CallNative(Probe, kSkipsNoEndNative), FEngineError);
  ScriptCall Overreads;
  Overreads.Int(1);
  try {
    Overreads.CallNative(Probe, kStepsTooFarNative);
    FAIL() << "stepped past the end";
  } catch (const FEngineError& Error) {
    EXPECT_THAT(Error.what(), HasSubstr("past the end of its parameters"));
  }
}

TEST_F(FrameTest, UnknownTokenIsAnEngineError) {
  const uint8_t Code[] = {0x7F, EX_EndFunctionParms};
  FFrame Stack(Probe, nullptr, Code, nullptr);
  int32_t Value = 0;
  EXPECT_THROW(Stack.Step(Probe, &Value), FEngineError);
}

TEST(NativeTableTest, NumberedNativesAreCallableByIndexAndMinusOneRegistersNothing) {
  const Native Read = static_cast<Native>(&UProbe::execReadOne);
  EXPECT_EQ(GNatives[kReadOneNative], Read);
  EXPECT_EQ(GRegisterNative(kReadOneNative, Read), 1) << "the same native again is harmless";
  EXPECT_EQ(GRegisterNative(-1, Read), 0);
  EXPECT_THROW(GRegisterNative(kReadOneNative, static_cast<Native>(&UProbe::execAppendOut)),
               FEngineError);
  EXPECT_THROW(GRegisterNative(kMaxNatives, Read), FEngineError);
}

}  // namespace
