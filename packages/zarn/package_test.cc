#include <cstring>
#include <string>
#include <vector>

#include "core/native_class.h"
#include "host/script_call.h"
#include "zarn/blood_flow.h"
#include "zarn/cwnd_sfx_trigger.h"
#include "zarn/map_info.h"
#include "zarn/zarn_pawn.h"
#include "zarn/zarn_triggers.h"
#include "zarn_fixture.h"

namespace {

using engine_host::MemberSymbol;

struct ClassRow {
  const char* native_name;
  const char* script_name;
  const char* super_script_name;
  size_t size;
};
// In the order the library builds them.
const ClassRow kClasses[] = {
    {"ABloodFlow", "BloodFlow", "Projector", sizeof(ABloodFlow)},
    {"ACWndSFXTrigger", "CWndSFXTrigger", "ZARNTriggers", sizeof(ACWndSFXTrigger)},
    {"AMapInfo", "MapInfo", "Info", sizeof(AMapInfo)},
    {"AZARNTriggers", "ZARNTriggers", "Triggers", sizeof(AZARNTriggers)},
    {"AZARNPawn", "ZARNPawn", "Pawn", sizeof(AZARNPawn)},
};

using ZarnPackageTest = ZarnTest;

TEST_F(ZarnPackageTest, ExportsItsBindingByName) {
  ASSERT_NE(Symbol("GPackage"), nullptr);
  EXPECT_STREQ(static_cast<const char*>(Symbol("GPackage")), "ZARN");
  for (const ClassRow& row : kClasses) {
    auto* autoclass = static_cast<UClass**>(Symbol(std::string("autoclass") + row.native_name));
    ASSERT_NE(autoclass, nullptr) << row.native_name;
    EXPECT_EQ(*autoclass, host_.FindClass(row.script_name)) << row.native_name;
  }
  EXPECT_NE(Symbol("intABloodFlowexecGrowBloodFlow"), nullptr);
  EXPECT_NE(Symbol("ZARNInitNativePackage"), nullptr);
#ifdef _WIN32
  EXPECT_NE(Symbol("DllMain"), nullptr);
#endif
}

// Everything a package deriving from one of these classes links against.
TEST_F(ZarnPackageTest, ExportsEachClassWhole) {
  const std::string size_t_code = engine_host::SizeTypeCode();
  const std::vector<std::string> members = {
      "C1Ev",  // default constructor
      "C2Ev",
      "C1ERKS_",  // copy constructor
      "C2ERKS_",
      "D0Ev",  // destructors
      "D1Ev",
      "D2Ev",
      "aSERKS_",  // operator=
      "nwE" + size_t_code + "P7UObject5FNamej",
      "nwE" + size_t_code + "P9EInternal",
      "19InternalConstructorEPv",
      "11StaticClassEv",
      "12MyStaticSizeEv",
      "18PrivateStaticClassE",
  };
  for (const ClassRow& row : kClasses) {
    const std::string name = row.native_name;
    for (const std::string& member : members) {
      EXPECT_NE(Symbol(MemberSymbol(name, member)), nullptr) << name << " " << member;
    }
    EXPECT_NE(Symbol("_ZTV" + std::to_string(name.size()) + name), nullptr) << name;
  }
  EXPECT_NE(Symbol(MemberSymbol("ABloodFlow", "17execGrowBloodFlowER6FFramePv")), nullptr);
  EXPECT_NE(Symbol(MemberSymbol("AMapInfo", "13PostBeginPlayEv")), nullptr);
}

TEST_F(ZarnPackageTest, BuildsItsClassObjectsInOrder) {
  const std::vector<UClass*> classes = host_.Classes("ZARN");
  ASSERT_EQ(classes.size(), std::size(kClasses));
  for (size_t i = 0; i < classes.size(); i++) {
    const ClassRow& row = kClasses[i];
    SCOPED_TRACE(row.native_name);
    UClass* the_class = classes[i];
    EXPECT_STREQ(the_class->GetScriptName(), row.script_name);
    EXPECT_EQ(the_class->GetSuperClass(), host_.FindClass(row.super_script_name));
    EXPECT_EQ(the_class->GetWithinClass(), UObject::StaticClass());
    EXPECT_EQ(the_class->GetPropertiesSize(), static_cast<int32_t>(row.size));
    EXPECT_EQ(the_class->GetClassFlags(), 0u);
    EXPECT_EQ(the_class->GetGuid(), FGuid(0, 0, 0, 0));
    EXPECT_STREQ(the_class->GetPackageName(), "ZARN");
    EXPECT_STREQ(the_class->GetConfigName(), UObject::StaticConfigName());
    EXPECT_EQ(the_class->GetFlags(), kNativeClassObjectFlags);
    EXPECT_EQ(reinterpret_cast<void*>(the_class->ClassConstructor),
              Symbol(MemberSymbol(row.native_name, "19InternalConstructorEPv")));
    EXPECT_TRUE(the_class->ClassStaticConstructor == &UObject::StaticConstructor);

    UObject* object = host_.Create(the_class);
    EXPECT_EQ(object->MyStaticSize(), static_cast<int32_t>(row.size));
    EXPECT_TRUE(object->IsA(host_.FindClass(row.super_script_name)));
    host_.Destroy(object);
  }
}

TEST_F(ZarnPackageTest, InternalConstructorOfNullDoesNothing) {
  const int32_t objects = UObject::GetObjectCount();
  for (UClass* the_class : host_.Classes("ZARN")) the_class->ClassConstructor(nullptr);
  EXPECT_EQ(UObject::GetObjectCount(), objects);
}

TEST_F(ZarnPackageTest, RegistersGrowBloodFlowAsNative604) {
  const Native exported = *static_cast<Native*>(Symbol("intABloodFlowexecGrowBloodFlow"));
  EXPECT_TRUE(GNatives[604] == exported);
}

TEST_F(ZarnPackageTest, UnloadTakesTheClassesAndTheNativeAway) {
  ASSERT_TRUE(host_.Unload("ZARN").ok());
  EXPECT_EQ(host_.FindClass("BloodFlow"), nullptr);
  EXPECT_EQ(host_.FindClass("ZARNPawn"), nullptr);
  EXPECT_TRUE(GNatives[604] == nullptr);

  // Loading again builds everything afresh.
  ASSERT_TRUE(host_.Load(ZARN_LIBRARY_PATH, {"Core", "Engine"}).ok());
  EXPECT_EQ(host_.Classes("ZARN").size(), std::size(kClasses));
  EXPECT_TRUE(GNatives[604] != nullptr);
}

}  // namespace
