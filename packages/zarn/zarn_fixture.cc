#include "zarn_fixture.h"

#include "host/script_class.h"

void ZarnTest::SetUp() {
  ASSERT_TRUE(
      host_.Declare(engine_host::ScriptClass("BloodFlow", "Projector").Native("GrowBloodFlow", 604))
          .ok());
  const platform::Status loaded = host_.Load(ZARN_LIBRARY_PATH, {"Core", "Engine"});
  ASSERT_TRUE(loaded.ok()) << loaded.message();
  level_ = static_cast<ULevel*>(host_.Create(ULevel::StaticClass()));
}

engine_host::ExportedMembers ZarnTest::Members(const std::string& class_name) const {
  engine_host::ExportedMembers members(host_, "ZARN", class_name);
  EXPECT_TRUE(members.found()) << class_name;
  return members;
}
