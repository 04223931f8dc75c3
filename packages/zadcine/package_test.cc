// What the engine finds in the built library: class objects, natives, event
// names and the native-class frame of each class (construction, copying,
// assignment, destruction).
#include <cstring>
#include <string>

#include "host/exported_members.h"
#include "platform/shared_library.h"
#include "zadcine_fixture.h"

namespace {

using RegistrationTest = ZADCineTest;

using engine_host::ExportedMembers;
using engine_host::MemberSymbol;
using ConstructFn = void (*)(void* memory);
using HookFn = void (*)();

#ifdef _WIN32
constexpr bool kHasDllMain = true;
#else
constexpr bool kHasDllMain = false;
#endif

TEST_F(RegistrationTest, ClassObjectsAreBuiltInLoadOrder) {
  struct Case {
    const char* script_name;
    const char* autoclass;
    const char* super_name;
    uint32_t class_flags;
    int32_t size;
  };
  const Case cases[] = {
      {"PositionInfo", "autoclassAPositionInfo", "Info", 0,
       static_cast<int32_t>(sizeof(APositionInfo))},
      {"Cine2", "autoclassACine2", "BaseSoldier", 0, static_cast<int32_t>(sizeof(ACine2))},
      {"CineController2", "autoclassACineController2", "Controller", 4,
       static_cast<int32_t>(sizeof(ACineController2))},
  };
  const std::vector<UClass*> classes = host_.Classes("ZADCine");
  ASSERT_EQ(classes.size(), std::size(cases));
  for (std::size_t i = 0; i < classes.size(); i++) {
    const Case& c = cases[i];
    UClass* cls = classes[i];
    EXPECT_STREQ(cls->GetScriptName(), c.script_name);
    EXPECT_EQ(*static_cast<UClass**>(Export(c.autoclass)), cls) << c.script_name;
    EXPECT_EQ(cls->GetSuperClass(), host_.FindClass(c.super_name)) << c.script_name;
    EXPECT_EQ(cls->GetWithinClass(), UObject::StaticClass()) << c.script_name;
    EXPECT_EQ(cls->GetClassFlags(), c.class_flags) << c.script_name;
    EXPECT_EQ(cls->GetGuid(), FGuid(0, 0, 0, 0)) << c.script_name;
    EXPECT_STREQ(cls->GetPackageName(), "ZADCine") << c.script_name;
    EXPECT_STREQ(cls->GetConfigName(), UObject::StaticConfigName()) << c.script_name;
    EXPECT_EQ(cls->GetFlags() & kNativeClassObjectFlags, kNativeClassObjectFlags) << c.script_name;
    EXPECT_EQ(cls->GetPropertiesSize(), c.size) << c.script_name;
    UObject* object = host_.Create(cls);
    EXPECT_EQ(object->MyStaticSize(), c.size) << c.script_name;
    host_.Destroy(object);
  }
  EXPECT_STREQ(static_cast<const char*>(Export("GPackage")), "ZADCine");
  EXPECT_EQ(Export("DllMain") != nullptr, kHasDllMain);
}

TEST_F(RegistrationTest, NativesAreExportedAndBoundByName) {
  struct Case {
    const char* script_class;
    const char* function;
    const char* exported;
  };
  const Case cases[] = {
      {"CineController2", "GetFirstWord", "intACineController2execGetFirstWord"},
      {"CineController2", "CharIsNum", "intACineController2execCharIsNum"},
      {"CineController2", "FindAnActor", "intACineController2execFindAnActor"},
      {"CineController2", "Steering", "intACineController2execSteering"},
      {"Cine2", "OnTheSpotRotation", "intACine2execOnTheSpotRotation"},
      {"PositionInfo", "AutoPosition", "intAPositionInfoexecAutoPosition"},
  };
  for (const Case& c : cases) {
    const auto* exported = static_cast<const Native*>(Export(c.exported));
    ASSERT_NE(exported, nullptr) << c.exported;
    EXPECT_NE(*exported, nullptr) << c.exported;
    UFunction* function =
        host_.FindClass(c.script_class)->FindOwnFunction(FName(c.function, FNAME_Find));
    ASSERT_NE(function, nullptr) << c.function;
    EXPECT_EQ(function->Func, *exported) << c.function;
    EXPECT_EQ(function->iNative, -1) << c.function;
  }
}

TEST_F(RegistrationTest, InitHookCreatesTheEventNamesOnce) {
  const char* const events[] = {"AvoidObstacle", "CineWarn", "EndOfDial", "EndOfMove", "EndOfSeq"};
  auto names = [&] {
    std::vector<FName> found;
    for (const char* event : events) {
      found.push_back(*static_cast<FName*>(Export(("ZADCINE_" + std::string(event)).c_str())));
    }
    return found;
  };
  // The host has run the hook while loading.
  const std::vector<FName> first = names();
  for (std::size_t i = 0; i < first.size(); i++) {
    EXPECT_NE(first[i], FName(NAME_None)) << events[i];
    EXPECT_STREQ(*first[i], events[i]);
  }
  reinterpret_cast<HookFn>(Export("ZADCineInitNativePackage"))();
  EXPECT_EQ(names(), first);
}

// Loaded by hand, as far as the platform's loader goes: no host calls the
// package hook.
TEST(ZADCineLoadTest, EventNamesAreNoneUntilTheHookRuns) {
  platform::SharedLibrary library;
  const platform::Status opened = library.Open(ZADCINE_LIBRARY_PATH);
  ASSERT_TRUE(opened.ok()) << opened.message();
  const char* const events[] = {"AvoidObstacle", "EndOfDial", "CineWarn", "EndOfMove", "EndOfSeq"};
  auto name_of = [&](const char* event) {
    return *static_cast<FName*>(library.Symbol(("ZADCINE_" + std::string(event)).c_str()));
  };
  for (const char* event : events) EXPECT_EQ(name_of(event), FName(NAME_None)) << event;
  auto hook = reinterpret_cast<HookFn>(library.Symbol("ZADCineInitNativePackage"));
  ASSERT_NE(hook, nullptr);
  hook();
  for (const char* event : events) EXPECT_STREQ(*name_of(event), event);
  const FName first = name_of("EndOfMove");
  hook();
  EXPECT_EQ(name_of("EndOfMove"), first);
}

class FrameTest : public ZADCineTest {
 protected:
  // New memory for an object of `script_class`, prepared by the engine but
  // not constructed.
  ExportedMembers Members(const char* class_name) const {
    ExportedMembers members(host_, "ZADCine", class_name);
    EXPECT_TRUE(members.found()) << class_name;
    return members;
  }
  void* Allocate(const char* script_class) {
    return UObject::StaticAllocateObject(host_.FindClass(script_class), nullptr, NAME_None, 0,
                                         nullptr, GError, nullptr, nullptr);
  }
};

TEST_F(FrameTest, InternalConstructorBuildsOnlyWhatNeedsBuilding) {
  auto construct = reinterpret_cast<ConstructFn>(
      Export(MemberSymbol("ACine2", "19InternalConstructorEPv").c_str()));
  ASSERT_NE(construct, nullptr);
  construct(nullptr);  // nothing to build, and no failure

  auto* pawn = static_cast<ACine2*>(Allocate("Cine2"));
  pawn->LastYaw = 1234;
  pawn->CineVector.Values[1] = 77;
  pawn->CineFlags.Bits = 0xABCDE;
  construct(pawn);
  EXPECT_EQ(pawn->LastYaw, 1234);
  EXPECT_EQ(pawn->CineVector.Values[1], 77);
  EXPECT_EQ(pawn->CineFlags.Bits, 0xABCDEu);
  EXPECT_EQ(pawn->CineRecords.Num(), 0);
  EXPECT_EQ(pawn->CineName4, FName(NAME_None));
  EXPECT_EQ(pawn->MyStaticSize(), static_cast<int32_t>(sizeof(ACine2)));
  host_.Destroy(pawn);

  auto* controller = static_cast<ACineController2*>(Allocate("CineController2"));
  controller->MoveDirection = FVector(1.f, 2.f, 3.f);
  reinterpret_cast<ConstructFn>(
      Export(MemberSymbol("ACineController2", "19InternalConstructorEPv").c_str()))(controller);
  EXPECT_EQ(controller->MoveDirection, FVector(1.f, 2.f, 3.f));
  host_.Destroy(controller);
}

void FillCine2(ACine2* pawn, const char* tag) {
  pawn->CineRecords.AddItem({1, 2, 3, FString(tag) + " record"});
  pawn->CineRecords.AddItem({4, 5, 6, FString(tag) + " second"});
  pawn->CineName2 = FName(tag, FNAME_Add);
  pawn->CineList1.AddItem(11);
  pawn->CineTriples.AddItem({{7, 8, 9}});
  pawn->CineTextList2.AddItem(FString(tag) + " line");
  pawn->CineList5.AddItem(55);
  pawn->CineVector = {{1, 2, 3}};
  pawn->LastYaw = 300;
  pawn->CineValue24 = 24;
}

TEST_F(FrameTest, Cine2CopiesAreIndependent) {
  ACine2* source = NewPawn(FVector());
  FillCine2(source, "source");
  source->CineFlags.Bits = 0xFFFFF555;

  void* memory = Allocate("Cine2");
  static_cast<ACine2*>(memory)->CineFlags.Bits = 0x0000A000;
  Members("ACine2").CopyConstruct(memory, *source);
  auto* copy = static_cast<ACine2*>(memory);

  EXPECT_EQ(copy->CineFlags.Bits, 0x0000A555u) << "only the twelve own bits come along";
  ASSERT_EQ(copy->CineRecords.Num(), 2);
  EXPECT_EQ(copy->CineRecords(1).RecordValue2, 5);
  EXPECT_STREQ(*copy->CineRecords(0).RecordText, "source record");
  EXPECT_NE(copy->CineRecords(0).RecordText.GetData(), source->CineRecords(0).RecordText.GetData());
  source->CineRecords(0).RecordText = "changed";
  EXPECT_STREQ(*copy->CineRecords(0).RecordText, "source record");
  EXPECT_EQ(copy->CineName2, source->CineName2);
  EXPECT_EQ(copy->CineList1(0), 11);
  EXPECT_EQ(copy->CineTriples(0).Values[2], 9);
  EXPECT_STREQ(*copy->CineTextList2(0), "source line");
  EXPECT_EQ(copy->CineList5(0), 55);
  EXPECT_EQ(copy->CineVector.Values[2], 3);
  EXPECT_EQ(copy->LastYaw, 300);
  EXPECT_EQ(copy->CineValue24, 24);
  host_.Destroy(copy);
}

TEST_F(FrameTest, Cine2AssignmentReplacesListsAndLeavesSelfAlone) {
  const ExportedMembers members = Members("ACine2");
  ACine2* source = NewPawn(FVector());
  FillCine2(source, "source");
  ACine2* target = NewPawn(FVector());
  FillCine2(target, "target");
  target->CineTextList2.AddItem("extra");
  target->CineFlags.Bits = 0xF000;
  source->CineFlags.Bits = 0x0FFF;

  members.Assign(*target, *source);
  EXPECT_EQ(target->CineFlags.Bits, 0xFFFFu);
  ASSERT_EQ(target->CineTextList2.Num(), 1);
  EXPECT_STREQ(*target->CineTextList2(0), "source line");
  EXPECT_STREQ(*target->CineRecords(1).RecordText, "source second");

  const void* records = source->CineRecords.GetData();
  const void* text = source->CineRecords(0).RecordText.GetData();
  members.Assign(*source, *source);
  EXPECT_EQ(source->CineRecords.GetData(), records);
  EXPECT_EQ(source->CineRecords(0).RecordText.GetData(), text);
  EXPECT_STREQ(*source->CineRecords(0).RecordText, "source record");
  EXPECT_EQ(source->CineRecords.Num(), 2);
}

TEST_F(FrameTest, ControllerAndMarkerCopiesTakeOnlyTheirOwnBits) {
  ACineController2* source = NewController();
  source->CtrlFlags.Bits = 0xFFFFFFFF;
  source->CtrlText1 = "first text";
  source->CtrlText2 = "second text";
  source->CtrlNames[7] = FName("Scene", FNAME_Add);
  source->MoveDirection = FVector(0.f, 1.f, 0.f);
  source->LineCounter = 9;
  source->CtrlValue19 = 19;
  ACineController2* target = NewController();
  target->CtrlFlags.Bits = 0x12345000;
  Members("ACineController2").Assign(*target, *source);
  EXPECT_EQ(target->CtrlFlags.Bits, 0x123453FFu);
  EXPECT_STREQ(*target->CtrlText1, "first text");
  EXPECT_STREQ(*target->CtrlText2, "second text");
  EXPECT_EQ(target->CtrlNames[7], FName("Scene", FNAME_Find));
  EXPECT_EQ(target->MoveDirection, FVector(0.f, 1.f, 0.f));
  EXPECT_EQ(target->LineCounter, 9);
  EXPECT_EQ(target->CtrlValue19, 19);

  void* memory = Allocate("CineController2");
  static_cast<ACineController2*>(memory)->CtrlFlags.Bits = 0x400;
  Members("ACineController2").CopyConstruct(memory, *source);
  auto* copy = static_cast<ACineController2*>(memory);
  EXPECT_EQ(copy->CtrlFlags.Bits, 0x7FFu);
  EXPECT_STREQ(*copy->CtrlText2, "second text");
  host_.Destroy(copy);

  APositionInfo* marker = NewMarker(nullptr, FVector(), 12.f);
  marker->PositionFlags.Bits = 0xFFFFFFFF;
  APositionInfo* other = NewMarker(nullptr, FVector(), 0.f);
  other->PositionFlags.Bits = 0x10;
  Members("APositionInfo").Assign(*other, *marker);
  EXPECT_EQ(other->PositionFlags.Bits, 0x11u);
  EXPECT_EQ(other->GroundOffset, 12.f);
}

}  // namespace
