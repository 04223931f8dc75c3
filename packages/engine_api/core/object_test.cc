#include "core/object.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/test_probe.h"
#include "host/package_host.h"

namespace {

using engine_host::PackageHost;
using engine_host::ScriptClass;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

FName Named(const char* Text) { return FName(Text, FNAME_Add); }

TEST(ObjectTest, AllocationIsZeroedAndCarriesTheBookkeeping) {
  PackageHost host;
  UObject* Outer = host.Create(UProbe::StaticClass(), Named("AllocOuter"));
  UObject* Object = UObject::StaticAllocateObject(UProbe::StaticClass(), Outer, Named("Alloc1"),
                                                  0x04084004, nullptr, GError, nullptr, nullptr);
  UProbe::InternalConstructor(Object);
  auto* Probe = static_cast<UProbe*>(Object);
  EXPECT_EQ(Probe->GetClass(), UProbe::StaticClass());
  EXPECT_EQ(Probe->GetOuter(), Outer);
  EXPECT_STREQ(Probe->GetName(), "Alloc1");
  EXPECT_EQ(Probe->GetFlags(), 0x04084004u);
  EXPECT_GE(Probe->GetIndex(), 0);
  EXPECT_EQ(Probe->DirtyCount, 0);
  EXPECT_EQ(Probe->MyStaticSize(), static_cast<int32_t>(sizeof(UProbe)));
  EXPECT_THROW(UObject::StaticAllocateObject(UProbe::StaticClass(), Outer, Named("Alloc1"), 0,
                                             nullptr, GError, nullptr, nullptr),
               FEngineError)
      << "the name is taken in that outer";
  EXPECT_THROW(UObject::StaticAllocateObject(nullptr, nullptr, Named("Alloc2"), 0, nullptr, GError,
                                             nullptr, nullptr),
               FEngineError);
  UObject* Unnamed = host.Create(UProbe::StaticClass());
  UObject* Unnamed2 = host.Create(UProbe::StaticClass());
  EXPECT_NE(Unnamed->GetFName(), Unnamed2->GetFName());
  EXPECT_THAT(Unnamed->GetName(), ::testing::StartsWith("Probe"));
}

TEST(ObjectTest, DestroyStepRunsOnceThroughTheDestructorChainWithTheDerivedStepInForce) {
  PackageHost host;
  ProbeDestroyLog().clear();
  UObject* Child = host.Create(UProbeChild::StaticClass(), Named("Child1"));
  const int32_t Count = UObject::GetObjectCount();
  delete Child;  // ~UProbeChild and ~UProbe both call ConditionalDestroy
  EXPECT_THAT(ProbeDestroyLog(), ElementsAre("ProbeChild Child1", "Probe Child1"));
  EXPECT_EQ(UObject::GetObjectCount(), Count - 1);
  EXPECT_EQ(UObject::StaticFindObject(UProbeChild::StaticClass(), AnyPackage(), "Child1"), nullptr);
}

TEST(ObjectTest, ConditionalDestroyLaterDoesNothing) {
  PackageHost host;
  ProbeDestroyLog().clear();
  UObject* Probe = host.Create(UProbe::StaticClass(), Named("Once1"));
  Probe->ConditionalDestroy();
  Probe->ConditionalDestroy();
  EXPECT_EQ(ProbeDestroyLog().size(), 1u);
  EXPECT_NE(Probe->GetFlags() & RF_Destroyed, 0u);
  delete Probe;
  EXPECT_EQ(ProbeDestroyLog().size(), 1u);
}

// An engine error in the destroy step or in a member's destruction leaves the
// destructor chain only after the members not yet destroyed (in reverse
// declaration order) and the base part: the object leaves the table, and the
// sanitizer build would report any list, string or object memory left over.
TEST(ObjectTest, AFailureWhileDestroyingDestroysTheRestAndPassesOn) {
  PackageHost host;
  struct Case {
    const char* what;
    bool fail_destroy;
    bool fail_second;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"destroy step", true, false, {"FrameProbe Fragile", "Second", "First"}},
      {"member", false, true, {"FrameProbe Fragile", "Probe Fragile", "Second", "First"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto* probe =
        static_cast<UFrameProbe*>(host.Create(UFrameProbe::StaticClass(), Named("Fragile")));
    probe->FailDestroy = c.fail_destroy;
    probe->First.Tag = "First";
    probe->Second.Tag = "Second";
    probe->Second.Fail = c.fail_second;
    probe->Texts.AddItem(FString("freed with its list"));
    probe->Text = "freed with the base part";
    const int32_t count = UObject::GetObjectCount();
    ProbeDestroyLog().clear();
    EXPECT_THROW(delete probe, FEngineError);
    EXPECT_EQ(ProbeDestroyLog(), c.log);
    EXPECT_EQ(UObject::GetObjectCount(), count - 1);
    EXPECT_EQ(UObject::StaticFindObject(UFrameProbe::StaticClass(), AnyPackage(), "Fragile"),
              nullptr);
  }
}

TEST(ObjectTest, FindObjectMatchesClassOrSubclassInAnyPackage) {
  PackageHost host;
  UObject* Outer = host.Create(UProbe::StaticClass(), Named("FindOuter"));
  UObject* Child = host.Create(UProbeChild::StaticClass(), Named("FindMe"), Outer);
  EXPECT_EQ(UObject::StaticFindObject(UProbe::StaticClass(), AnyPackage(), "FindMe"), Child);
  EXPECT_EQ(UObject::StaticFindObject(UProbe::StaticClass(), AnyPackage(), "findme"), Child);
  EXPECT_EQ(UObject::StaticFindObject(UProbe::StaticClass(), AnyPackage(), "FindMe", true), nullptr)
      << "exact class";
  EXPECT_EQ(UObject::StaticFindObject(UProbeChild::StaticClass(), Outer, "FindMe"), Child);
  EXPECT_EQ(UObject::StaticFindObject(UProbeChild::StaticClass(), nullptr, "FindMe"), nullptr);
  EXPECT_EQ(UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), "FindMe"), nullptr);
  EXPECT_EQ(UObject::StaticFindObject(UProbe::StaticClass(), AnyPackage(), "FindNobody"), nullptr);
  EXPECT_EQ(FName("FindNobody", FNAME_Find), FName(NAME_None)) << "a search creates no name";
  EXPECT_EQ(UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), "Probe"),
            UProbe::StaticClass());
  EXPECT_TRUE(Child->IsA(UObject::StaticClass()));
  EXPECT_FALSE(Outer->IsA(UProbeChild::StaticClass()));
}

TEST(ObjectTest, FunctionsAreFoundInTheCurrentStateFirstAndAMissingOneIsFatal) {
  PackageHost host;
  std::string Ran;
  auto Body = [&Ran](const char* Name) {
    return [&Ran, Name](UObject*, void*, void*) { Ran = Name; };
  };
  ASSERT_TRUE(host.Declare(ScriptClass("Probe", "Object")
                               .Function("Hello", Body("class"))
                               .Function("Inherited", Body("super"))
                               .StateFunction("Busy", "Hello", Body("state")))
                  .ok());
  UObject* Child = host.Create(UProbeChild::StaticClass(), Named("StateChild"));
  const FName Hello("Hello", FNAME_Find);
  Child->ProcessEvent(Child->FindFunctionChecked(Hello), nullptr);
  EXPECT_EQ(Ran, "class");
  EXPECT_EQ(Child->GotoState(FName("Busy", FNAME_Find)), GOTOSTATE_Success);
  Child->ProcessEvent(Child->FindFunctionChecked(Hello), nullptr);
  EXPECT_EQ(Ran, "state");
  Child->ProcessEvent(Child->FindFunctionChecked(Hello, 1), nullptr);
  EXPECT_EQ(Ran, "class") << "a global lookup skips the state";
  Child->ProcessEvent(Child->FindFunctionChecked(FName("Inherited", FNAME_Find)), nullptr);
  EXPECT_EQ(Ran, "super");
  EXPECT_EQ(Child->GotoState(FName("Nowhere", FNAME_Add)), GOTOSTATE_NotFound);
  EXPECT_NE(Child->GetStateNode(), nullptr) << "an unknown state changes nothing";
  EXPECT_EQ(Child->GotoState(NAME_None), GOTOSTATE_Success);
  EXPECT_EQ(Child->GetStateNode(), nullptr);
  try {
    Child->FindFunctionChecked(FName("Missing", FNAME_Add));
    FAIL() << "a missing function must be fatal";
  } catch (const FEngineError& Error) {
    EXPECT_THAT(Error.what(), HasSubstr("Missing"));
  }
  EXPECT_EQ(Child->FindFunction(FName("Missing", FNAME_Find)), nullptr);
}

TEST(ObjectTest, ClassConstructorOnlyRecordsASuperClassThatIsNotBuiltYet) {
  // The subclass's class object is built before its super class's, as a
  // package's static initialisation may do.
  alignas(UClass) unsigned char SuperStorage[sizeof(UClass)];
  auto* Super = reinterpret_cast<UClass*>(SuperStorage);
  {
    UClass Sub(EC_NativeConstructor, sizeof(UProbe), 0, Super, UObject::StaticClass(), FGuid(),
               "LateSub", "LateTest", UObject::StaticConfigName(), 0, &UProbe::InternalConstructor,
               &UObject::StaticConstructor);
    ::new (static_cast<void*>(SuperStorage)) UClass(
        EC_NativeConstructor, sizeof(UProbe), 0, UProbe::StaticClass(), UObject::StaticClass(),
        FGuid(), "LateSuper", "LateTest", UObject::StaticConfigName(), 0,
        &UProbe::InternalConstructor, &UObject::StaticConstructor);
    EXPECT_FALSE(Sub.IsRegistered());
    const std::vector<UClass*> Registered = UClass::StaticRegisterPending();
    EXPECT_THAT(Registered, ElementsAre(&Sub, Super)) << "in the order they were built";
    EXPECT_TRUE(Sub.IsChildOf(UProbe::StaticClass()));
    EXPECT_EQ(UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), "LateSub"), &Sub);
    Super->~UClass();  // unloading destroys them, last built first
    EXPECT_EQ(UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), "LateSuper"), nullptr);
    EXPECT_EQ(UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), "LateSub"), &Sub);
  }
  EXPECT_EQ(UObject::StaticFindObject(UClass::StaticClass(), AnyPackage(), "LateSub"), nullptr);
}

TEST(GuardTest, OtherExceptionsRecordTheGuardNameAndPassOn) {
  appClearUnwind();
  EXPECT_THROW(
      Guarded("Outer::Run",
              [] { Guarded("Inner::Run", []() -> int { throw std::runtime_error("x"); }); }),
      std::runtime_error);
  EXPECT_EQ(appUnwindHistory(), "Inner::Run <- Outer::Run");
}

TEST(GuardTest, EngineErrorsPassUnchangedWithoutRecording) {
  appClearUnwind();
  try {
    Guarded("Checked::Run", [] { appCheck(1 + 1 == 3); });
    FAIL() << "appFailAssert returned";
  } catch (const FEngineError& Error) {
    EXPECT_THAT(Error.what(), HasSubstr("Assertion failed: 1 + 1 == 3"));
  }
  EXPECT_EQ(appUnwindHistory(), "");
  EXPECT_EQ(Guarded("Value::Run", [] { return 42; }), 42);
}

}  // namespace
