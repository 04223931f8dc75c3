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

AMapInfo::AMapInfo() = default;

AMapInfo::AMapInfo(const AMapInfo& Other)
    : AInfo(Other),
      bMapFlag1(Other.bMapFlag1),
      bMapFlag2(Other.bMapFlag2),
      bMapFlag3(Other.bMapFlag3),
      bMapFlag4(Other.bMapFlag4),
      bMapFlag5(Other.bMapFlag5),
      bMapFlag6(Other.bMapFlag6),
      MapValue1(Other.MapValue1),
      MapCode(Other.MapCode),
      MapList1(Other.MapList1),
      MapValue2(Other.MapValue2),
      MapValue3(Other.MapValue3),
      MapValue4(Other.MapValue4),
      MapValue5(Other.MapValue5),
      MapValue6(Other.MapValue6),
      MapValue7(Other.MapValue7),
      MapValue8(Other.MapValue8),
      MapValue9(Other.MapValue9),
      MapValue10(Other.MapValue10),
      MapValue11(Other.MapValue11),
      MapEntries(Other.MapEntries),
      MapTextList1(Other.MapTextList1),
      MapText1(Other.MapText1),
      MapText2(Other.MapText2),
      MapList2(Other.MapList2),
      MapText3(Other.MapText3),
      MapValue12(Other.MapValue12),
      MapText4(Other.MapText4),
      MapList3(Other.MapList3),
      MapText5(Other.MapText5),
      MapList4(Other.MapList4),
      MapShortValue(Other.MapShortValue),
      MapShortList(Other.MapShortList),
      MapTextList2(Other.MapTextList2),
      MapTextList3(Other.MapTextList3),
      MapList5(Other.MapList5),
      MapList6(Other.MapList6),
      MapList7(Other.MapList7),
      MapList8(Other.MapList8),
      MapValue13(Other.MapValue13) {}

AMapInfo& AMapInfo::operator=(const AMapInfo& Other) {
  AInfo::operator=(Other);
  bMapFlag1 = Other.bMapFlag1;
  bMapFlag2 = Other.bMapFlag2;
  bMapFlag3 = Other.bMapFlag3;
  bMapFlag4 = Other.bMapFlag4;
  bMapFlag5 = Other.bMapFlag5;
  bMapFlag6 = Other.bMapFlag6;
  MapValue1 = Other.MapValue1;
  MapCode = Other.MapCode;
  MapList1 = Other.MapList1;
  MapValue2 = Other.MapValue2;
  MapValue3 = Other.MapValue3;
  MapValue4 = Other.MapValue4;
  MapValue5 = Other.MapValue5;
  MapValue6 = Other.MapValue6;
  MapValue7 = Other.MapValue7;
  MapValue8 = Other.MapValue8;
  MapValue9 = Other.MapValue9;
  MapValue10 = Other.MapValue10;
  MapValue11 = Other.MapValue11;
  MapEntries = Other.MapEntries;
  MapTextList1 = Other.MapTextList1;
  MapText1 = Other.MapText1;
  MapText2 = Other.MapText2;
  MapList2 = Other.MapList2;
  MapText3 = Other.MapText3;
  MapValue12 = Other.MapValue12;
  MapText4 = Other.MapText4;
  MapList3 = Other.MapList3;
  MapText5 = Other.MapText5;
  MapList4 = Other.MapList4;
  MapShortValue = Other.MapShortValue;
  MapShortList = Other.MapShortList;
  MapTextList2 = Other.MapTextList2;
  MapTextList3 = Other.MapTextList3;
  MapList5 = Other.MapList5;
  MapList6 = Other.MapList6;
  MapList7 = Other.MapList7;
  MapList8 = Other.MapList8;
  MapValue13 = Other.MapValue13;
  return *this;
}

void AMapInfo::PostBeginPlay() {
  AActor::PostBeginPlay();
  const int32_t MapKey = Level->MapKey;
  const auto* Found =
      std::find_if(std::begin(kMapCodes), std::end(kMapCodes),
                   [&](const FMapCodeOfKey& Entry) { return Entry.MapKey == MapKey; });
  if (Found != std::end(kMapCodes)) MapCode = Found->MapCode;
}
