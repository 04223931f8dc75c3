// ABaseSoldier: the game's soldier pawn (1536 bytes on the 32-bit target),
// with what a pawn that turns on the spot needs: the animation played while
// turning, its companion animation, and whether the turn channels are set up.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "zadpawn/api.h"

class ZADPAWN_API ABaseSoldier : public APawn {
 public:
  ABaseSoldier();
  ABaseSoldier(const ABaseSoldier& Other);
  ABaseSoldier& operator=(const ABaseSoldier& Other);
  ~ABaseSoldier() override;

  static UClass PrivateStaticClass;
  static UClass* StaticClass();
  static void InternalConstructor(void* Memory);
  int32_t MyStaticSize() override;

  // Set once the turn animation channels have been prepared.
  uint32_t bTurnChannelsSetUp : 1;
  // Played on the turn channel while the soldier turns on the spot.
  FName TurnAnim;
  // Played on the channel beside it.
  FName TurnCompanionAnim;
  uint8_t ReservedS[292];
};
