// ACineController2 (script class "CineController2"): the controller that
// drives one pawn through a cinematic. It splits command text into words and
// carries out the few commands that need native help, steers its pawn to
// target points, finds actors by name and raises the cinematic's script
// events. The engine owns every controller; the class keeps no state of its
// own besides the fields below.
#pragma once

#include <cstdint>

#include "core/native_class.h"
#include "core/script_fields.h"
#include "engine/engine.h"
#include "zadcine/api.h"

class ZADCINE_API ACineController2 : public AController {
  DECLARE_NATIVE_CLASS(ACineController2, AController)
  ACineController2();
  ACineController2(const ACineController2& Other);
  ACineController2& operator=(const ACineController2& Other);

  // Bits of CtrlFlags that native code reads; the word holds ten booleans.
  static constexpr uint32_t kKeepAnimation = 1u << 6;
  static constexpr uint32_t kFlatMove = 1u << 8;
  // Bit of CommandFlags set by "ANIM ONCE".
  static constexpr uint32_t kAnimOnce = 0x100;

  // 1 when Word begins with Keyword, letters a-z of Word taken as A-Z.
  // Keyword must be upper case to match letters.
  static int32_t CmpStrStart(const char* Word, const char* Keyword);
  // Takes the next space-separated word at *Cursor in place: writes a NUL over
  // the one space that ends it and moves *Cursor past that space. Returns
  // null, with *Cursor on the terminator, when only spaces or nothing remain.
  // REQUIRES: *Cursor points into a writable NUL-terminated text.
  static char* GetFirstWord(char** Cursor);
  // Carries out one command line (ANIM ONCE, FPL, ON, WAIT); every line adds
  // one to LineCounter. Line is cut into words in place.
  // REQUIRES: Line is a writable NUL-terminated text.
  void Interpreter(char* Line);

  // 1 when the pawn has passed Target with respect to Direction or stands
  // within Radius of it; height is ignored. Steering calls it through the
  // virtual table, so a native subclass can replace the test.
  // REQUIRES: the controller has a pawn (asserted).
  virtual int32_t IsTargetReached(FVector Target, float Radius, FVector Direction);

  void execGetFirstWord(FFrame& Stack, void* Result);
  void execCharIsNum(FFrame& Stack, void* Result);
  void execFindAnActor(FFrame& Stack, void* Result);
  void execSteering(FFrame& Stack, void* Result);

  // Raise the script events of the same name; the handler runs before they
  // return. A script class without the handler is a fatal engine error.
  void eventAvoidObstacle(FVector Target, FVector& MoveAccel);
  void eventEndOfMove();
  void eventEndOfSeq();
  void eventCineWarn(AActor* Other);
  void eventEndOfDial(AActor* Other);

  int32_t CtrlBlock1[16];
  int32_t CtrlValue1;
  TBoolWord<0x3FF> CtrlFlags;
  int32_t CtrlValue2;
  int32_t CtrlValue3;
  int32_t CtrlValue4;
  FStringNoInit CtrlText1;
  UObject* PlayerCtrl;
  AActor* PlayerActor;
  FName CtrlName;
  int32_t CtrlValue5;
  FFourValues CtrlQuad;
  int32_t LineCounter;
  uint32_t CommandFlags;
  int32_t CtrlValue6;
  int32_t CtrlBlock2[12];
  FStringNoInit CtrlText2;
  int32_t CtrlValue7;
  int32_t CtrlValue8;
  int32_t CtrlValue9;
  FVector MoveDirection;
  FThreeValues CtrlVector1;
  float MoveSpeed;
  int32_t CtrlValue10;
  float AccelScale;
  int32_t CtrlValue11;
  int32_t CtrlValue12;
  float SpeedScale;
  int32_t CtrlValue13;
  int32_t CtrlValue14;
  int32_t CtrlValue15;
  int32_t CtrlValue16;
  FThreeValues CtrlVector2;
  int32_t CtrlValue17;
  FName CtrlNames[8];
  int32_t CtrlBlock3[8];
  int32_t CtrlBlock4[8];
  int32_t CtrlBlock5[8];
  int32_t CtrlValue18;
  int32_t CtrlValue19;
};
