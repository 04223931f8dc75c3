// AMapInfo: the native mirror of the script class "MapInfo", the actor that
// describes the running map. After play begins it sets MapCode from the
// level's map key (PostBeginPlay).
#pragma once

#include <cstdint>

#include "core/core.h"
#include "core/native_class.h"
#include "engine/engine.h"
#include "zarn/api.h"

// One element of AMapInfo::MapEntries: a text and three booleans in bits 0-2
// of one word. A copy takes the text and the three bits one at a time.
struct FMapEntry {
  FStringNoInit EntryText;
  uint32_t bEntryFlag1 : 1 = false;
  uint32_t bEntryFlag2 : 1 = false;
  uint32_t bEntryFlag3 : 1 = false;
};

class ZARN_API AMapInfo : public AInfo {
  DECLARE_NATIVE_CLASS(AMapInfo, AInfo)

  AMapInfo();
  AMapInfo(const AMapInfo& Other);
  AMapInfo& operator=(const AMapInfo& Other);

  // The engine's step first, then MapCode from the map key of the level's
  // information actor (Level->MapKey); a key outside the table leaves it.
  // REQUIRES: Level is set.
  void PostBeginPlay() override;

  uint32_t bMapFlag1 : 1;
  uint32_t bMapFlag2 : 1;
  uint32_t bMapFlag3 : 1;
  uint32_t bMapFlag4 : 1;
  uint32_t bMapFlag5 : 1;
  uint32_t bMapFlag6 : 1;
  int32_t MapValue1;
  int32_t MapCode;
  TArrayNoInit<int32_t> MapList1;
  int32_t MapValue2;
  int32_t MapValue3;
  int32_t MapValue4;
  int32_t MapValue5;
  int32_t MapValue6;
  int32_t MapValue7;
  int32_t MapValue8;
  int32_t MapValue9;
  int32_t MapValue10;
  int32_t MapValue11;
  TArrayNoInit<FMapEntry> MapEntries;
  TArrayNoInit<FString> MapTextList1;
  FStringNoInit MapText1;
  FStringNoInit MapText2;
  TArrayNoInit<int32_t> MapList2;
  FStringNoInit MapText3;
  int32_t MapValue12;
  FStringNoInit MapText4;
  TArrayNoInit<int32_t> MapList3;
  FStringNoInit MapText5;
  TArrayNoInit<int32_t> MapList4;
  int16_t MapShortValue;
  TArrayNoInit<int16_t> MapShortList;
  TArrayNoInit<FString> MapTextList2;
  TArrayNoInit<FString> MapTextList3;
  TArrayNoInit<int32_t> MapList5;
  TArrayNoInit<int32_t> MapList6;
  TArrayNoInit<int32_t> MapList7;
  TArrayNoInit<int32_t> MapList8;
  int32_t MapValue13;
};
