// Copies and assignments of every class, made through the exported members
// as a package deriving from the classes makes them. The objects are
// destroyed by the engine afterwards: under the sanitizer build any list or
// string that a destructor misses is reported as a leak.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "zarn/blood_flow.h"
#include "zarn/cwnd_sfx_trigger.h"
#include "zarn/map_info.h"
#include "zarn/zarn_pawn.h"
#include "zarn/zarn_triggers.h"
#include "zarn_fixture.h"

namespace {

std::vector<std::string> Texts(const TArray<FString>& list) {
  std::vector<std::string> texts;
  for (const FString& text : list) texts.emplace_back(*text);
  return texts;
}
template <typename T>
std::vector<T> Values(const TArray<T>& list) {
  return std::vector<T>(list.begin(), list.end());
}

FMapEntry Entry(const char* text, bool flag1, bool flag2, bool flag3) {
  FMapEntry entry;
  entry.EntryText = text;
  entry.bEntryFlag1 = flag1;
  entry.bEntryFlag2 = flag2;
  entry.bEntryFlag3 = flag3;
  return entry;
}

void Fill(AMapInfo& info, int32_t seed) {
  info.bMapFlag3 = true;
  info.bMapFlag6 = seed % 2 != 0;
  info.MapValue1 = seed;
  info.MapCode = seed + 1;
  info.MapValue11 = seed + 11;
  info.MapValue13 = seed + 13;
  info.MapShortValue = static_cast<int16_t>(seed + 2);
  for (int32_t i = 0; i < 3 + seed % 3; i++) {
    info.MapList1.AddItem(seed * 10 + i);
    info.MapList8.AddItem(seed * 100 + i);
    info.MapShortList.AddItem(static_cast<int16_t>(i));
    info.MapTextList1.AddItem(FString(("first " + std::to_string(seed + i)).c_str()));
    info.MapTextList3.AddItem(FString(("third " + std::to_string(seed + i)).c_str()));
  }
  info.MapEntries.AddItem(Entry(("entry " + std::to_string(seed)).c_str(), true, false, true));
  info.MapEntries.AddItem(Entry("second entry", false, true, false));
  info.MapText1 = ("text one " + std::to_string(seed)).c_str();
  info.MapText5 = ("text five " + std::to_string(seed)).c_str();
}

void ExpectSame(const AMapInfo& a, const AMapInfo& b) {
  EXPECT_EQ(a.bMapFlag3, b.bMapFlag3);
  EXPECT_EQ(a.bMapFlag6, b.bMapFlag6);
  EXPECT_EQ(a.MapValue1, b.MapValue1);
  EXPECT_EQ(a.MapCode, b.MapCode);
  EXPECT_EQ(a.MapValue11, b.MapValue11);
  EXPECT_EQ(a.MapValue13, b.MapValue13);
  EXPECT_EQ(a.MapShortValue, b.MapShortValue);
  EXPECT_EQ(Values(a.MapList1), Values(b.MapList1));
  EXPECT_EQ(Values(a.MapList8), Values(b.MapList8));
  EXPECT_EQ(Values(a.MapShortList), Values(b.MapShortList));
  EXPECT_EQ(Texts(a.MapTextList1), Texts(b.MapTextList1));
  EXPECT_EQ(Texts(a.MapTextList3), Texts(b.MapTextList3));
  ASSERT_EQ(a.MapEntries.Num(), b.MapEntries.Num());
  for (int32_t i = 0; i < a.MapEntries.Num(); i++) {
    EXPECT_STREQ(*a.MapEntries(i).EntryText, *b.MapEntries(i).EntryText);
    EXPECT_EQ(a.MapEntries(i).bEntryFlag1, b.MapEntries(i).bEntryFlag1);
    EXPECT_EQ(a.MapEntries(i).bEntryFlag2, b.MapEntries(i).bEntryFlag2);
    EXPECT_EQ(a.MapEntries(i).bEntryFlag3, b.MapEntries(i).bEntryFlag3);
  }
  EXPECT_STREQ(*a.MapText1, *b.MapText1);
  EXPECT_STREQ(*a.MapText5, *b.MapText5);
}

// Changes every list and string of the source; a copy must not notice.
void Change(AMapInfo& info) {
  info.MapList1(0) = -1;
  info.MapList8.AddItem(-8);
  info.MapShortList.Empty();
  info.MapTextList1(0) = "changed";
  info.MapTextList3.Remove(0);
  info.MapEntries(0).EntryText = "changed entry";
  info.MapText1 = "changed text";
  info.MapText5 += " and more";
}

using CopyTest = ZarnTest;

TEST_F(CopyTest, AMapInfoCopyIsIndependentOfItsSource) {
  auto* source = Create<AMapInfo>("MapInfo");
  Fill(*source, 5);
  AMapInfo* copy = CopyOf(*source, "AMapInfo");
  ExpectSame(*copy, *source);

  AMapInfo* expected = CopyOf(*source, "AMapInfo");
  Change(*source);
  ExpectSame(*copy, *expected);
  for (AMapInfo* info : {source, copy, expected}) host_.Destroy(info);
}

TEST_F(CopyTest, AMapInfoAssignmentReplacesEveryListAndString) {
  auto* source = Create<AMapInfo>("MapInfo");
  auto* target = Create<AMapInfo>("MapInfo");
  Fill(*source, 4);
  Fill(*target, 8);  // longer lists than the source's
  Members("AMapInfo").Assign(*target, *source);
  ExpectSame(*target, *source);

  AMapInfo* expected = CopyOf(*source, "AMapInfo");
  Change(*source);
  ExpectSame(*target, *expected);
  for (AMapInfo* info : {source, target, expected}) host_.Destroy(info);
}

TEST_F(CopyTest, AssigningAnObjectToItselfLeavesItsListsAlone) {
  auto* info = Create<AMapInfo>("MapInfo");
  Fill(*info, 3);
  auto* sfx = Create<ACWndSFXTrigger>("CWndSFXTrigger");
  sfx->SfxTextLists[2].AddItem(FString("kept"));
  AMapInfo* expected = CopyOf(*info, "AMapInfo");
  const void* list_data = info->MapList1.GetData();
  const void* entries_data = info->MapEntries.GetData();
  const void* text_data = info->MapText1.GetData();
  const void* sfx_data = sfx->SfxTextLists[2].GetData();

  Members("AMapInfo").Assign(*info, *info);
  Members("ACWndSFXTrigger").Assign(*sfx, *sfx);

  ExpectSame(*info, *expected);
  EXPECT_EQ(info->MapList1.GetData(), list_data);
  EXPECT_EQ(info->MapEntries.GetData(), entries_data);
  EXPECT_EQ(info->MapText1.GetData(), text_data);
  EXPECT_EQ(sfx->SfxTextLists[2].GetData(), sfx_data);
  EXPECT_EQ(Texts(sfx->SfxTextLists[2]), std::vector<std::string>{"kept"});
  for (UObject* object : std::vector<UObject*>{info, expected, sfx}) host_.Destroy(object);
}

TEST_F(CopyTest, ACWndSFXTriggerCopiesValuesColoursAndLists) {
  auto* source = Create<ACWndSFXTrigger>("CWndSFXTrigger");
  source->TriggerValue = 17;
  source->bTriggerFlag = true;
  source->SfxValue = 3;
  source->SfxArray1[3] = 13;
  source->SfxTriples[2] = FThreeValues{{4, 5, 6}};
  source->SfxTriple = FThreeValues{{7, 8, 9}};
  source->SfxColors1[1] = FColor(1, 2, 3, 4);
  source->SfxColors2[3] = FColor(5, 6, 7, 8);
  source->SfxBytes[7] = 0xEE;
  source->bSfxFlag4 = true;
  source->SfxArray16[0] = 160;
  for (int32_t i = 0; i < 4; i++) {
    source->SfxTextLists[i].AddItem(FString(("list " + std::to_string(i)).c_str()));
  }

  ACWndSFXTrigger* copy = CopyOf(*source, "ACWndSFXTrigger");
  auto* assigned = Create<ACWndSFXTrigger>("CWndSFXTrigger");
  assigned->SfxTextLists[0].AddItem(FString("replaced"));
  Members("ACWndSFXTrigger").Assign(*assigned, *source);
  for (int32_t i = 0; i < 4; i++) source->SfxTextLists[i](0) = "changed";

  for (ACWndSFXTrigger* result : {copy, assigned}) {
    EXPECT_EQ(result->TriggerValue, 17);
    EXPECT_TRUE(result->bTriggerFlag);
    EXPECT_EQ(result->SfxValue, 3);
    EXPECT_EQ(result->SfxArray1[3], 13);
    EXPECT_EQ(result->SfxTriples[2].Values[1], 5);
    EXPECT_EQ(result->SfxTriple.Values[2], 9);
    EXPECT_EQ(result->SfxColors1[1], FColor(1, 2, 3, 4));
    EXPECT_EQ(result->SfxColors2[3], FColor(5, 6, 7, 8));
    EXPECT_EQ(result->SfxBytes[7], 0xEE);
    EXPECT_TRUE(result->bSfxFlag4);
    EXPECT_EQ(result->SfxArray16[0], 160);
    for (int32_t i = 0; i < 4; i++) {
      EXPECT_EQ(Texts(result->SfxTextLists[i]),
                std::vector<std::string>{"list " + std::to_string(i)});
    }
  }
  for (ACWndSFXTrigger* sfx : {source, copy, assigned}) host_.Destroy(sfx);
}

TEST_F(CopyTest, AZARNPawnCopiesItsNameValuesAndFlags) {
  auto* source = Create<AZARNPawn>("ZARNPawn");
  source->PawnValue1 = 1;
  source->PawnValue2 = 2;
  source->bPawnFlag2 = true;
  source->PawnValue3 = 3;
  source->PawnValue4 = 4;
  source->PawnName = FName("Sergeant", FNAME_Add);
  source->PawnValue5 = 5;
  source->PawnValue6 = 6;
  source->GroundSpeed = 440.f;  // the engine's part comes along

  AZARNPawn* copy = CopyOf(*source, "AZARNPawn");
  auto* assigned = Create<AZARNPawn>("ZARNPawn");
  assigned->bPawnFlag1 = true;
  Members("AZARNPawn").Assign(*assigned, *source);
  for (AZARNPawn* result : {copy, assigned}) {
    EXPECT_EQ(result->PawnValue1, 1);
    EXPECT_EQ(result->PawnValue2, 2);
    EXPECT_FALSE(result->bPawnFlag1);
    EXPECT_TRUE(result->bPawnFlag2);
    EXPECT_EQ(result->PawnValue3, 3);
    EXPECT_EQ(result->PawnValue4, 4);
    EXPECT_STREQ(*result->PawnName, "Sergeant");
    EXPECT_EQ(result->PawnValue5, 5);
    EXPECT_EQ(result->PawnValue6, 6);
    EXPECT_EQ(result->GroundSpeed, 440.f);
  }
  for (AZARNPawn* pawn : {source, copy, assigned}) host_.Destroy(pawn);
}

TEST_F(CopyTest, ABloodFlowCopiesItsFlowValue) {
  auto* source = Create<ABloodFlow>("BloodFlow");
  source->FlowValue = 77;
  source->DrawScale = 0.25f;
  ABloodFlow* copy = CopyOf(*source, "ABloodFlow");
  auto* assigned = Create<ABloodFlow>("BloodFlow");
  Members("ABloodFlow").Assign(*assigned, *source);
  for (ABloodFlow* result : {copy, assigned}) {
    EXPECT_EQ(result->FlowValue, 77);
    EXPECT_EQ(result->DrawScale, 0.25f);
  }
  for (ABloodFlow* flow : {source, copy, assigned}) host_.Destroy(flow);
}

// A boolean word may hold bits that are not the class's own: copying takes
// only the own bits from the source, one at a time, and keeps the others.
struct BitWord {
  const char* script_name;
  const char* native_name;
  uint32_t own_bits;
  uint32_t* (*word)(UObject* object);  // the word precedes the field named
};
template <typename T>
uint32_t* WordBefore(T* field) {
  return reinterpret_cast<uint32_t*>(field) - 1;
}
const BitWord kBitWords[] = {
    {"MapInfo", "AMapInfo", 0x3F,
     [](UObject* o) { return WordBefore(&static_cast<AMapInfo*>(o)->MapValue1); }},
    {"ZARNTriggers", "AZARNTriggers", 0x1,
     [](UObject* o) { return WordBefore(&static_cast<AZARNTriggers*>(o)->TriggerValue); }},
    {"CWndSFXTrigger", "ACWndSFXTrigger", 0x1F,
     [](UObject* o) { return WordBefore(&static_cast<ACWndSFXTrigger*>(o)->SfxArray11[0]); }},
    {"CWndSFXTrigger", "ACWndSFXTrigger", 0x1,  // its AZARNTriggers part
     [](UObject* o) { return WordBefore(&static_cast<ACWndSFXTrigger*>(o)->TriggerValue); }},
    {"ZARNPawn", "AZARNPawn", 0x3,
     [](UObject* o) { return WordBefore(&static_cast<AZARNPawn*>(o)->PawnValue3); }},
};

TEST_F(CopyTest, OnlyTheClassesOwnBitsOfABooleanWordAreCopied) {
  for (const BitWord& row : kBitWords) {
    SCOPED_TRACE(row.native_name);
    UObject* source = host_.Create(host_.FindClass(row.script_name));
    UObject* target = host_.Create(host_.FindClass(row.script_name));
    const uint32_t source_word = 0x0F000000u | (0x15u & row.own_bits);
    *row.word(source) = source_word;
    *row.word(target) = 0xA0000000u | (0x2Au & row.own_bits);

    Members(row.native_name).Assign(*target, *source);
    EXPECT_EQ(*row.word(target), 0xA0000000u | (source_word & row.own_bits));

    // The copy constructor runs over memory whose word the engine already
    // wrote.
    UObject* copy = UObject::StaticAllocateObject(source->GetClass(), nullptr, NAME_None, 0,
                                                  nullptr, GError, nullptr, nullptr);
    *row.word(copy) = 0x50000000u;
    Members(row.native_name).CopyConstruct(copy, *source);
    EXPECT_EQ(*row.word(copy), 0x50000000u | (source_word & row.own_bits));

    for (UObject* object : {source, target, copy}) host_.Destroy(object);
  }
}

TEST_F(CopyTest, BooleansLieInDeclarationOrderFromBitZero) {
  auto* info = Create<AMapInfo>("MapInfo");
  *WordBefore(&info->MapValue1) = 1u << 2;
  EXPECT_TRUE(info->bMapFlag3);
  EXPECT_FALSE(info->bMapFlag2);
  auto* sfx = Create<ACWndSFXTrigger>("CWndSFXTrigger");
  *WordBefore(&sfx->SfxArray11[0]) = 1u << 4;
  EXPECT_TRUE(sfx->bSfxFlag5);
  FMapEntry entry;
  entry.bEntryFlag2 = true;
  uint32_t entry_word = 0;
  std::memcpy(&entry_word, reinterpret_cast<const uint8_t*>(&entry) + sizeof(FStringNoInit),
              sizeof(entry_word));
  EXPECT_EQ(entry_word & 0x7u, 0x2u);
  for (UObject* object : std::vector<UObject*>{info, sfx}) host_.Destroy(object);
}

}  // namespace
