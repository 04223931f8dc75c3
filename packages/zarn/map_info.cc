#include "zarn/map_info.h"

#include <algorithm>
#include <iterator>

namespace {
struct FMapCodeOfKey {
  int32_t MapKey;
  int32_t MapCode;
};
constexpr FMapCodeOfKey kMapCodes[] = {{26, 546}, {55, 21627}, {81, 856}, {106, 4},
                                       {130, 69}, {142, 3589}, {191, 703}};
}  // namespace

IMPLEMENT_NATIVE_CLASS(AMapInfo)

// Every own field's type carries the engine's construction and copy rules.
AMapInfo::AMapInfo() = default;
AMapInfo::AMapInfo(const AMapInfo& Other) = default;
AMapInfo& AMapInfo::operator=(const AMapInfo& Other) = default;

void AMapInfo::PostBeginPlay() {
  AActor::PostBeginPlay();
  const int32_t MapKey = Level->MapKey;
  const auto* Found =
      std::find_if(std::begin(kMapCodes), std::end(kMapCodes),
                   [&](const FMapCodeOfKey& Entry) { return Entry.MapKey == MapKey; });
  if (Found != std::end(kMapCodes)) MapCode = Found->MapCode;
}
