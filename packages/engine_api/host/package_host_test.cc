#include "host/package_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "host/log_recorder.h"
#include "host/script_call.h"
#include "host/testdata/tiny_package.h"

namespace engine_host {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

class PackageHostTest : public ::testing::Test {
 protected:
  void DeclareTinyActor() {
    ASSERT_TRUE(host.Declare(ScriptClass("TinyActor", "Actor")
                                 .Native("AddToCounter", kAddToCounterNative)
                                 .Native("TakeText")
                                 .Event("Taken",
                                        [this](UObject* self, void* parms, void*) {
                                          taken.push_back(
                                              static_cast<TinyTakenParms*>(parms)->Count);
                                          taken_by = self;
                                        }))
                    .ok());
  }
  ATinyActor* NewActor(const char* name) {
    return static_cast<ATinyActor*>(
        host.Create(host.FindClass("TinyActor"), FName(name, FNAME_Add)));
  }

  PackageHost host;
  std::vector<int32_t> taken;
  UObject* taken_by = nullptr;
};

TEST_F(PackageHostTest, LoadsBindsCreatesCallsCopiesAndUnloads) {
  DeclareTinyActor();
  const int32_t objects_before = UObject::GetObjectCount();
  ASSERT_TRUE(host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"}).ok());
  ASSERT_TRUE(host.IsLoaded("TinyPkg"));

  // Bound through the exports.
  UClass* klass = host.FindClass("TinyActor");
  ASSERT_NE(klass, nullptr);
  EXPECT_EQ(*static_cast<UClass**>(host.Symbol("TinyPkg", "autoclassATinyActor")), klass);
  EXPECT_THAT(host.Classes("TinyPkg"), ElementsAre(klass));
  EXPECT_TRUE(klass->IsChildOf(AActor::StaticClass()));
  EXPECT_STREQ(klass->GetPackageName(), "TinyPkg");
  EXPECT_EQ(klass->GetPropertiesSize(), static_cast<int32_t>(sizeof(ATinyActor)));
  EXPECT_EQ(klass->GetClassFlags(), 0u);
  EXPECT_EQ(klass->GetWithinClass(), UObject::StaticClass());
  EXPECT_EQ(klass->GetGuid(), FGuid(0, 0, 0, 0));
  EXPECT_STREQ(klass->GetConfigName(), UObject::StaticConfigName());
  EXPECT_EQ(klass->GetFlags(), 0x04084004u);
  EXPECT_EQ(*static_cast<FName*>(host.Symbol("TinyPkg", "TINYPKG_Taken")),
            FName("Taken", FNAME_Find))
      << "the package hook ran";

  // Created through StaticAllocateObject and InternalConstructor.
  ATinyActor* actor = NewActor("Tiny1");
  EXPECT_EQ(actor->Counter, 0);
  EXPECT_STREQ(*actor->Text, "");
  EXPECT_EQ(actor->MyStaticSize(), klass->GetPropertiesSize());

  // The numbered native by number and by name, the named one by name.
  int32_t counter = 0;
  ScriptCall add;
  add.Int(5);
  add.CallNative(actor, kAddToCounterNative, &counter);
  EXPECT_EQ(counter, 5);
  ScriptCall add_by_name;
  add_by_name.Int(2).LineMarker(12);
  add_by_name.Call(actor, "AddToCounter", &counter);
  EXPECT_EQ(counter, 7);
  ScriptCall take;
  FString& text = take.LocalString("abc");
  take.Call(actor, "TakeText");
  EXPECT_STREQ(*text, "taken:abc");
  EXPECT_THAT(taken, ElementsAre(1)) << "the event reached the script";
  EXPECT_EQ(taken_by, actor);

  // Copied by the package's own copy constructor and assignment.
  using CopyFunction = ATinyActor* (*)(ATinyActor*, UObject*, FName);
  auto copy_actor = reinterpret_cast<CopyFunction>(host.Symbol("TinyPkg", "TinyCopy"));
  ASSERT_NE(copy_actor, nullptr);
  ATinyActor* copy = copy_actor(actor, nullptr, FName("Tiny2", FNAME_Add));
  EXPECT_STREQ(copy->GetName(), "Tiny2") << "a copy keeps its own identity";
  EXPECT_EQ(copy->Counter, 7);
  ASSERT_EQ(copy->History.Num(), 1);
  copy->History[0] = "changed";
  EXPECT_STREQ(*actor->History[0], "abc");

  {
    LogRecorder log;
    ASSERT_TRUE(host.Unload("TinyPkg").ok());
    EXPECT_THAT(log.lines, UnorderedElementsAre("~ATinyActor Tiny2: class registered 1",
                                                "~ATinyActor Tiny1: class registered 1"))
        << "objects go before their class";
  }
  EXPECT_FALSE(host.IsLoaded("TinyPkg"));
  EXPECT_EQ(host.FindClass("TinyActor"), nullptr);
  EXPECT_EQ(GNatives[kAddToCounterNative], nullptr);
  EXPECT_EQ(UObject::GetObjectCount(), objects_before);
}

TEST_F(PackageHostTest, APropertyOutArgumentTellsTheObject) {
  ASSERT_TRUE(host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"}).ok());
  ATinyActor* probe = NewActor("TinyLayout");  // only to measure the field's offset
  const auto offset = static_cast<int32_t>(reinterpret_cast<uint8_t*>(&probe->Text) -
                                           reinterpret_cast<uint8_t*>(probe));
  ASSERT_TRUE(host.Declare(ScriptClass("TinyActor", "Actor")
                               .Native("TakeText")
                               .Event("Taken", [](UObject*, void*, void*) {}))
                  .ok());
  ASSERT_TRUE(
      host.Declare(ScriptClass("TinyActor", "Actor").Property("Text", EScriptType::String, offset))
          .ok())
      << "a second declaration adds to the class";
  EXPECT_FALSE(host.Declare(ScriptClass("TinyActor", "Actor").Native("TakeText")).ok())
      << "a function cannot be declared twice";
  ATinyActor* actor = NewActor("TinyMember");
  actor->Text = "member";
  ScriptCall take;
  take.Member(actor->GetClass()->FindProperty(FName("Text", FNAME_Find)));
  take.Call(actor, "TakeText");
  EXPECT_STREQ(*actor->Text, "taken:member");
  EXPECT_EQ(actor->NetDirtyCount, 1);
}

TEST_F(PackageHostTest, GuardNamesTheNativeThatAForeignExceptionLeft) {
  DeclareTinyActor();
  ASSERT_TRUE(host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"}).ok());
  ATinyActor* actor = NewActor("TinyGuard");
  appClearUnwind();
  ScriptCall add;
  add.Int(-1);
  EXPECT_THROW(add.CallNative(actor, kAddToCounterNative, nullptr), std::out_of_range);
  EXPECT_EQ(appUnwindHistory(), "ATinyActor::execAddToCounter");
}

TEST_F(PackageHostTest, AScriptClassOnTopOfAPackageClassComesAndGoesWithIt) {
  DeclareTinyActor();
  std::string ran;
  ASSERT_TRUE(host.Declare(ScriptClass("TinyScripted", "TinyActor")
                               .ScriptOnly()
                               .Function("Greet", [&ran](UObject* self, void*,
                                                         void*) { ran = self->GetName(); }))
                  .ok());
  EXPECT_EQ(host.FindClass("TinyScripted"), nullptr) << "its super class is not loaded yet";
  for (int round = 0; round < 2; round++) {
    ASSERT_TRUE(host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"}).ok());
    UClass* scripted = host.FindClass("TinyScripted");
    ASSERT_NE(scripted, nullptr);
    auto* object = static_cast<ATinyActor*>(host.Create(scripted, FName("Scripted1", FNAME_Add)));
    EXPECT_TRUE(object->IsA(host.FindClass("TinyActor")));
    object->ProcessEvent(object->FindFunctionChecked(FName("Greet", FNAME_Find)), nullptr);
    EXPECT_EQ(ran, "Scripted1");
    int32_t counter = 0;
    ScriptCall add;
    add.Int(3);
    add.Call(object, "AddToCounter", &counter);
    EXPECT_EQ(counter, 3) << "the native of the super class";
    ASSERT_TRUE(host.Unload("TinyPkg").ok());
    EXPECT_EQ(host.FindClass("TinyScripted"), nullptr);
  }
}

TEST_F(PackageHostTest, AFailedLoadSaysWhyAndLeavesNothingLoaded) {
  ASSERT_TRUE(host.Declare(ScriptClass("TinyActor", "Actor").Native("NoSuchNative")).ok());
  const int32_t objects_before = UObject::GetObjectCount();
  platform::Status status = host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"});
  EXPECT_FALSE(status.ok());
  EXPECT_THAT(status.message(), HasSubstr("intATinyActorexecNoSuchNative"));
  EXPECT_FALSE(host.IsLoaded("TinyPkg"));
  EXPECT_EQ(host.FindClass("TinyActor"), nullptr);
  EXPECT_EQ(GNatives[kAddToCounterNative], nullptr);
  EXPECT_EQ(UObject::GetObjectCount(), objects_before);

  status = host.Load(std::string(TINYPKG_LIBRARY_PATH) + ".missing", {"Core"});
  EXPECT_FALSE(status.ok());
  EXPECT_THAT(status.message(), HasSubstr(".missing"));
  status = host.Load(TINYPKG_LIBRARY_PATH, {"NoSuchEngineLibrary"});
  EXPECT_FALSE(status.ok());
  EXPECT_THAT(status.message(), HasSubstr("NoSuchEngineLibrary"));
  EXPECT_FALSE(host.Unload("TinyPkg").ok());
}

TEST_F(PackageHostTest, LoadingTheSamePackageTwiceIsRefused) {
  DeclareTinyActor();
  ASSERT_TRUE(host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"}).ok());
  platform::Status status = host.Load(TINYPKG_LIBRARY_PATH, {"Core", "Engine"});
  EXPECT_FALSE(status.ok());
  EXPECT_TRUE(host.IsLoaded("TinyPkg")) << "the first load stays";
  EXPECT_NE(host.FindClass("TinyActor"), nullptr);
}

}  // namespace
}  // namespace engine_host
