#include <cstdint>

#include "host/script_class.h"
#include "zarn/map_info.h"
#include "zarn_fixture.h"

namespace {

struct KeyCase {
  int32_t map_key;
  int32_t map_code;  // kUnchanged: the key is not in the table
};
constexpr int32_t kUnchanged = -7;
const KeyCase kKeys[] = {
    {26, 546},       {55, 21627},       {81, 856},         {106, 4},
    {130, 69},       {142, 3589},       {191, 703},        {27, kUnchanged},
    {0, kUnchanged}, {-26, kUnchanged}, {192, kUnchanged},
};

using MapInfoTest = ZarnTest;

TEST_F(MapInfoTest, PostBeginPlaySetsTheMapCodeOfTheLevelsKey) {
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.map_key);
    level_->GetLevelInfo()->MapKey = c.map_key;
    auto* info = Create<AMapInfo>("MapInfo");
    info->Level = level_->GetLevelInfo();
    info->MapCode = kUnchanged;
    info->PostBeginPlay();
    EXPECT_EQ(info->MapCode, c.map_code);
    host_.Destroy(info);
  }
}

TEST_F(MapInfoTest, ASpawnedMapInfoKnowsItsCode) {
  level_->GetLevelInfo()->MapKey = 142;
  auto* info = Spawn<AMapInfo>("MapInfo");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->MapCode, 3589);
}

// The engine's step runs first: what the script's PostBeginPlay event sets
// is in place before the lookup.
TEST_F(MapInfoTest, TheEnginesStepRunsBeforeTheLookup) {
  ASSERT_TRUE(host_
                  .Declare(engine_host::ScriptClass("MapInfo", "Info")
                               .Event("PostBeginPlay",
                                      [](UObject* self, void*, void*) {
                                        static_cast<AMapInfo*>(self)->MapCode = 1234;
                                      }))
                  .ok());
  level_->GetLevelInfo()->MapKey = 26;
  EXPECT_EQ(Spawn<AMapInfo>("MapInfo")->MapCode, 546);
  level_->GetLevelInfo()->MapKey = 27;
  EXPECT_EQ(Spawn<AMapInfo>("MapInfo")->MapCode, 1234);
}

}  // namespace
