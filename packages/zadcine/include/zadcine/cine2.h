// ACine2 (script class "Cine2"): the pawn of a cinematic, a game soldier that
// plays its turn animation while it turns on the spot. The engine owns every
// pawn; its lists and texts belong to the pawn and are copied with it.
#pragma once

#include <cstdint>

#include "core/native_class.h"
#include "core/script_fields.h"
#include "zadcine/api.h"
#include "zadpawn/zadpawn.h"

struct FCineRecord {
  int32_t RecordValue1;
  int32_t RecordValue2;
  int32_t RecordValue3;
  FString RecordText;
};

class ZADCINE_API ACine2 : public ABaseSoldier {
  DECLARE_NATIVE_CLASS(ACine2, ABaseSoldier)
  ACine2();
  ACine2(const ACine2& Other);
  ACine2& operator=(const ACine2& Other);

  void execOnTheSpotRotation(FFrame& Stack, void* Result);
  // The engine's handling of an edited property, then a log line.
  void PostEditChange() override;

  TArrayNoInit<FCineRecord> CineRecords;
  FName CineName1;
  FName CineName2;
  FName CineName3;
  FName CineName4;
  TArrayNoInit<int32_t> CineList1;
  int32_t CineValue1;
  int32_t CineValue2;
  int32_t CineValue3;
  int32_t CineValue4;
  TArrayNoInit<FThreeValues> CineTriples;
  TArrayNoInit<FString> CineTextList1;
  TArrayNoInit<FString> CineTextList2;
  TArrayNoInit<FString> CineTextList3;
  TArrayNoInit<int32_t> CineList2;
  TArrayNoInit<int32_t> CineList3;
  TArrayNoInit<int32_t> CineList4;
  TArrayNoInit<int32_t> CineList5;
  int32_t CineValue5;
  int32_t CineValue6;
  int32_t CineValue7;
  int32_t CineValue8;
  int32_t CineValue9;
  FThreeValues CineVector;
  int32_t CineValue10;
  int32_t CineValue11;
  int32_t CineValue12;
  TBoolWord<0xFFF> CineFlags;
  int32_t CineValue13;
  int32_t CineValue14;
  int32_t CineValue15;
  int32_t CineValue16;
  int32_t CineValue17;
  int32_t CineValue18;
  int32_t CineValue19;
  int32_t CineValue20;
  // The yaw the previous OnTheSpotRotation call saw.
  int32_t LastYaw;
  int32_t CineValue21;
  int32_t CineValue22;
  int32_t CineValue23;
  int32_t CineValue24;
};
